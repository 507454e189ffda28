"""End-to-end tests of KELVARIN.EXE and OSTRAMEL.EXE under Wine on a virtual display, for the
32-bit and the 64-bit build. Prints one line per scenario, then `e2e: N passed, N failed`."""

import argparse
import errno
import os
import shutil
import subprocess
import sys
import tempfile
import time
import traceback
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

# Importing registers the scenarios; the driver's own checks run first.
import fixture_scenarios  # noqa: E402,F401,I001
import calc_scenarios  # noqa: E402,F401
import conv_scenarios  # noqa: E402,F401
import dpi_scenarios  # noqa: E402,F401
import about_scenarios  # noqa: E402,F401
import install_scenarios  # noqa: E402,F401
import keyboard_scenarios  # noqa: E402,F401
import all_notations_scenarios  # noqa: E402,F401
import history_scenarios  # noqa: E402,F401
import exact_digits_scenarios  # noqa: E402,F401
import sound_states_scenarios  # noqa: E402,F401
import resize_scenarios  # noqa: E402,F401
import placement_scenarios  # noqa: E402,F401
from scenario_kit import SCENARIOS, Case, Kit, ProgramSpec  # noqa: E402
from wine_session import E2EError, VirtualDisplay, WinePrefix  # noqa: E402

REPO = Path(__file__).resolve().parents[2]
PROGRAMS = {"calc": ("KELVARIN.EXE", "KELVARIN"), "conv": ("OSTRAMEL.EXE", "OSTRAMEL")}


def parse_args():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--arch", default="win32,win64", help="comma-separated: win32,win64")
    parser.add_argument("--programs", default="fixture,calc,conv",
                        help="comma-separated: fixture (the driver's own test window),calc,conv")
    parser.add_argument("-k", dest="pattern", default="", help="only scenarios whose name has this")
    parser.add_argument("--keep", action="store_true", help="keep the prefixes and logs")
    parser.add_argument("--artifacts", default=str(REPO / "artifacts" / "e2e"))
    return parser.parse_args()


def build_dir(arch):
    variable = "E2E_BUILD_" + arch.upper()
    return Path(os.environ.get(variable, REPO / "build" / arch))


def find_program(build, exe_name):
    """The built EXE in the build's bin/ folder; None when the build has no such target, an error
    when it should exist."""
    exe = build / "bin" / exe_name
    if exe.exists():
        return exe
    ninja = build / "build.ninja"
    if ninja.exists() and exe_name in ninja.read_text(errors="replace"):
        raise E2EError(f"{exe_name} is a target of {build} but was not built")
    return None


def programs_for(arch, wanted, notes):
    build = build_dir(arch)
    programs = {}
    for key in wanted:
        if key == "fixture":
            exe = build / "tests" / "e2e" / "E2EFIXTURE.exe"
            if not exe.exists():
                raise E2EError(f"the driver's test window is not built in {exe.parent}")
            programs[key] = ProgramSpec(key, exe, "E2EFIXTURE")
            continue
        exe_name, window_class = PROGRAMS[key]
        exe = find_program(build, exe_name)
        if exe is None:
            notes.append(f"SKIP {arch} {key}: {exe_name} is not built yet in {build}")
            continue
        programs[key] = ProgramSpec(key, exe, window_class)
    return build, programs


def run_case(kit, arch, key, function):
    case = Case(function.__name__, arch)
    started = time.time()
    try:
        function(case, kit)
    except (E2EError, AssertionError, OSError, ValueError, KeyError) as error:
        case.failures.append(f"{type(error).__name__}: {error}")
        if not isinstance(error, E2EError):
            case.failures.append(traceback.format_exc().strip().splitlines()[-3])
    finally:
        kit.end_all()
        kit.prefix.forget_user_settings()
    return case, time.time() - started


def host_runs_32bit_programs():
    """Whether this machine's kernel executes 32-bit x86 programs, which the 32-bit Wine loader
    is. Some virtual machines' kernels are built without that support; there the loader fails
    with ENOEXEC before any Windows program starts."""
    try:
        subprocess.run(["/usr/lib/wine/wine", "--version"], stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, timeout=60, check=False)
    except OSError as error:
        if error.errno == errno.ENOEXEC:
            return False
        raise
    return True


def run_arch(arch, args, display, root, results, notes):
    if arch == "win32" and not host_runs_32bit_programs():
        notes.append("SKIP win32: this machine's kernel cannot execute 32-bit programs, so the "
                     "32-bit Wine loader cannot start; the 32-bit EXEs were built but not run")
        return
    build, programs = programs_for(arch, args.programs.split(","), notes)
    if not programs:
        return
    driver_dir = build / "tests" / "e2e"
    if not (driver_dir / "e2e-driver.exe").exists():
        raise E2EError(f"the driver is not built in {driver_dir}")
    prefix = WinePrefix(arch, root, display, driver_dir)
    print(f"== {arch}: preparing the Wine prefix", flush=True)
    prefix.create()
    kit = Kit(prefix, display, programs, Path(args.artifacts), build)
    try:
        for key, function in SCENARIOS:
            if key not in programs or args.pattern not in function.__name__:
                continue
            case, seconds = run_case(kit, arch, key, function)
            verdict = "PASS" if not case.failures else "FAIL"
            print(f"{verdict} {arch} {case.name} ({seconds:.1f} s)", flush=True)
            for failure in case.failures:
                print(f"     - {failure}", flush=True)
            results.append(case)
    finally:
        prefix.shutdown()


def main():
    args = parse_args()
    for tool in ("Xvfb", "wine", "wineserver", "import"):
        if not shutil.which(tool):
            print(f"e2e: {tool} is missing (scripts/install-deps.sh installs it)")
            return 2
    root = Path(tempfile.mkdtemp(prefix="quarnic-e2e-"))
    display = VirtualDisplay()
    results, notes = [], []
    errors = []
    try:
        display.start()
        for arch in args.arch.split(","):
            try:
                run_arch(arch, args, display, root, results, notes)
            except (E2EError, OSError, subprocess.SubprocessError) as error:
                errors.append(f"{arch}: {error}")
    finally:
        display.stop()
        if args.keep:
            print(f"kept: {root}")
        else:
            shutil.rmtree(root, ignore_errors=True)
    print("== summary")
    for case in results:
        if case.failures:
            print(f"FAILED {case.arch} {case.name}: {case.failures[0]}")
    for line in notes + [f"ERROR {e}" for e in errors]:
        print(line)
    failed = sum(1 for case in results if case.failures) + len(errors)
    passed = sum(1 for case in results if not case.failures)
    if passed + failed == 0:
        print("e2e: nothing was run (no program built)")
    print(f"e2e: {passed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
