"""The installer, quarnic-<version>-<x86|x64>.msi (the CMake target `installer`), under Wine:
`msiexec /i /qn` puts both programs, their readmes and two Start-menu shortcuts in place and lists
one product in Apps & features with the version the programs' VERSIONINFO carries (which names
them in English and Japanese); the installed calculator starts from Program Files, computes and
keeps its colour over a restart; an MSI with a higher version replaces the installed one;
`msiexec /x /qn` removes programs and shortcuts and leaves the user's per-user settings alone."""

import re
import subprocess
from pathlib import Path

from common_checks import read_settings, settings_file
from scenario_kit import JAPANESE, scenario
from wine_session import E2EError

MSI_ARCH = {"win32": "x86", "win64": "x64"}
PRODUCT = "Quarnic"
INSTALLED_FILES = ["KELVARIN.EXE", "KELVARIN.TXT", "OSTRAMEL.EXE", "OSTRAMEL.TXT"]
SHORTCUTS = {"Quarnic Calculator.lnk": "KELVARIN.EXE",
             "Quarnic Number Converter.lnk": "OSTRAMEL.EXE"}
# The string blocks of each EXE's version resource, English (0409) and Japanese (0411), Unicode.
DESCRIPTIONS = {
    "KELVARIN.EXE": {"040904B0": "Quarnic Calculator", "041104B0": "クォーニック電卓"},
    "OSTRAMEL.EXE": {"040904B0": "Quarnic Number Converter", "041104B0": "クォーニック進数変換"},
}
SB_LEFT, SB_PAGERIGHT = 6, 3
KEPT_COLOUR = (0, 98, 45)  # red to the left end, green one page up from the default


def built_msi(kit):
    """The MSI of this build and its version, from its name quarnic-<version>-<arch>.msi."""
    arch = MSI_ARCH[kit.prefix.arch]
    found = sorted(kit.build.glob(f"quarnic-*-{arch}.msi"), key=lambda p: p.stat().st_mtime)
    if not found:
        raise E2EError(f"no installer in {kit.build}: cmake --build --preset "
                       f"{kit.prefix.arch} --target installer")
    return found[-1], re.fullmatch(rf"quarnic-(.+)-{arch}\.msi", found[-1].name).group(1)


def higher_version(version):
    major, minor = version.split(".")[:2]
    return f"{major}.{int(minor) + 1}"


def build_upgrade_msi(kit, version):
    """The same programs as a higher version, built by the script the `installer` target runs."""
    arch = MSI_ARCH[kit.prefix.arch]
    output = kit.prefix.logs / f"quarnic-{version}-{arch}.msi"
    bin_dir = kit.programs["calc"].exe.parent
    script = Path(__file__).resolve().parents[2] / "scripts" / "make-msi.sh"
    subprocess.run([str(script), arch, version, str(bin_dir), str(output)], check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=120)
    return output


def install_dir(kit):
    return kit.prefix.path / "drive_c" / "Program Files" / "Quarnic"


def start_menu_folders(kit):
    """Where the shortcuts may land: Windows puts a per-machine install's in the common Start
    menu; Wine's msiexec puts them in the user's."""
    common = kit.prefix.path / "drive_c" / "ProgramData"
    user = kit.prefix.user_folder("AppData", "Roaming")
    return [base / "Microsoft" / "Windows" / "Start Menu" / "Programs" / PRODUCT
            for base in (common, user)]


def present_shortcuts(kit):
    return {link.name: link for folder in start_menu_folders(kit) if folder.exists()
            for link in folder.iterdir()}


def products(kit):
    return kit.prefix.driver("-", "products", PRODUCT)["products"]


def check_installed(case, kit, version, what):
    present = sorted(p.name for p in install_dir(kit).iterdir()) if install_dir(kit).exists() \
        else []
    case.check(set(INSTALLED_FILES) <= set(present), f"{what}: installed files {present}")
    shortcuts = present_shortcuts(kit)
    case.equal(sorted(shortcuts), sorted(SHORTCUTS), f"{what}: Start-menu shortcuts")
    for name, link in shortcuts.items():
        target = SHORTCUTS.get(name, "?").encode()
        body = link.read_bytes()
        case.check(target in body or target.decode().encode("utf-16-le") in body,
                   f"{what}: {name} does not point at {target.decode()}")
    entries = products(kit)
    case.equal([e["version"] for e in entries], [version], f"{what}: Apps & features entries")


def check_installed_programs(case, kit, version):
    """Both installed EXEs carry the product version, their names in English and Japanese (the
    file's properties in Explorer) and the manifest."""
    for exe, names in DESCRIPTIONS.items():
        info = kit.prefix.driver("-", "exe-info",
                                 kit.prefix.windows_path(install_dir(kit) / exe))["exe"]
        case.equal(info.get("product_version_text"), version, f"{exe} ProductVersion")
        case.equal([(b["block"], b["description"], b["product_name"], b["product_version"])
                    for b in info.get("string_blocks", [])],
                   [(block, name, name, version) for block, name in names.items()],
                   f"{exe} version blocks")
        manifest = info.get("manifest", "")
        case.check('level="asInvoker"' in manifest, f"{exe}: manifest without asInvoker")
        case.check(re.search(r"<dpiAware[^>]*>\s*true\s*<", manifest) is not None,
                   f"{exe}: manifest without system DPI awareness for older Windows")
        case.check(re.search(r"<dpiAwareness[^>]*>\s*PerMonitorV2\s*,\s*system\s*<", manifest)
                   is not None, f"{exe}: manifest without per-monitor awareness (version 2)")
        case.check("Common-Controls" not in manifest, f"{exe}: manifest asks for visual styles")
        case.equal(manifest.count("<supportedOS "), 5, f"{exe}: supported OS entries")


def set_colour_and_close(case, kit, program):
    program.post_syscmd("IDM_CONSOLE_COLOR")
    program.dialog()
    program.drive("dialog-scroll", program.id("IDC_CALC_RED_SCROLL"), SB_LEFT)
    program.drive("dialog-scroll", program.id("IDC_CALC_GREEN_SCROLL"), SB_PAGERIGHT)
    program.press_in_dialog(1)  # Set
    case.equal(program.close(), 0, "exit code")


def colour_places(kit):
    """The two files the calculator may keep its colour in, by name."""
    return {"beside the EXE": install_dir(kit) / "KELVARIN.INI",
            "per-user": kit.prefix.user_folder("AppData", "Roaming", PRODUCT, "KELVARIN.INI")}


# Where the installed calculator must keep its colour. On Windows a 64-bit program cannot
# write into Program Files; Wine runs it as an administrator, for whom the folder is writable,
# so the scenario puts a folder in the settings file's place beside the EXE to refuse the write
# as Windows would.
ACCEPTED_COLOUR_PLACES = {"per-user"}


def run_installed_calculator(case, kit):
    """Computes through the keys, saves the answer to read the console, sets a colour; then a
    second start (in Japanese) shows the colour again, kept in one of ACCEPTED_COLOUR_PLACES."""
    folder = install_dir(kit)
    answer_folder = kit.folder(case, "-answer")
    blocker = colour_places(kit)["beside the EXE"]
    blocker.mkdir()
    with kit.running(case, "calc", folder=folder) as program:
        program.press("IDC_DIGIT_2", "IDC_DIGIT_5", "IDC_DIGIT_5", "IDC_ADD", "IDC_DIGIT_1",
                      "IDC_EQUALS")
        saved = program.drive("save-as", program.id("IDM_SAVE_ANSWER"),
                              kit.prefix.windows_path(answer_folder / "answer.txt"), 15000)
        case.check(saved["closed"], f"save dialog did not close: {saved}")
        set_colour_and_close(case, kit, program)
    written = (answer_folder / "answer.txt")
    case.equal(written.read_bytes() if written.exists() else None,
               b"255 (10) +\r\n1 (10) =\r\n256 (10)\r\n", "answer of the installed calculator")
    kept = [name for name, path in colour_places(kit).items()
            if path.is_file() and read_settings(path)]
    case.check(len(kept) == 1 and kept[0] in ACCEPTED_COLOUR_PLACES,
               f"colour kept in {kept}, accepted {sorted(ACCEPTED_COLOUR_PLACES)}")
    with kit.running(case, "calc", folder=folder, locale=JAPANESE) as program:
        state = program.state()
        _, height = state.raw["client_size"]
        case.equal(kit.client_pixel(state, 2, height // 2), KEPT_COLOUR,
                   "colour after a restart of the installed calculator")
    blocker.rmdir()  # the uninstall must find only what it installed
    print(f"     colour kept in the file {' and '.join(kept)}", flush=True)


@scenario("calc")
def installer_installs_upgrades_and_uninstalls(case, kit):
    if "conv" not in kit.programs:
        raise E2EError("the installer needs both programs built")
    msi, version = built_msi(kit)
    case.equal(products(kit), [], "Apps & features before installing")
    case.equal(kit.prefix.msiexec("/i", msi), 0, f"msiexec /i {msi.name}")
    check_installed(case, kit, version, "installed")
    check_installed_programs(case, kit, version)
    run_installed_calculator(case, kit)

    # The user's own settings, which no uninstall may take away.
    per_user = kit.prefix.user_folder("AppData", "Roaming", PRODUCT)
    per_user.mkdir(parents=True, exist_ok=True)
    user_settings = per_user / "OSTRAMEL.INI"
    user_settings.write_bytes(settings_file((1, 2, 3)))

    newer = higher_version(version)
    upgrade = build_upgrade_msi(kit, newer)
    case.equal(kit.prefix.msiexec("/i", upgrade), 0, f"msiexec /i {upgrade.name}")
    check_installed(case, kit, newer, "upgraded")

    case.equal(kit.prefix.msiexec("/x", upgrade), 0, f"msiexec /x {upgrade.name}")
    left = [name for name in INSTALLED_FILES if (install_dir(kit) / name).exists()]
    case.equal(left, [], "program files left after uninstalling")
    case.equal(present_shortcuts(kit), {}, "shortcuts left after uninstalling")
    case.equal(products(kit), [], "Apps & features after uninstalling")
    case.equal(read_settings(user_settings), {"Red": "1", "Green": "2", "Blue": "3"},
               "per-user settings after uninstalling")
