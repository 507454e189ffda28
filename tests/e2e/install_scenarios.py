"""The installer, quarnic-<version>-<x86|x64>.msi (the CMake target `installer`), under Wine, in
both scopes of the one package. Per machine (ALLUSERS=1), `msiexec /i /qn` puts both programs,
their readmes and two Start-menu shortcuts into Program Files and lists one product in Apps &
features with the version the programs' VERSIONINFO carries (with their names, product, company
and copyright in English and Japanese); the installed calculator computes and keeps its colour
over a restart. Per user, the same goes into the user's programs folder and Start menu and is
registered for the user alone. In either scope an MSI with a higher version replaces the
installed one, and `msiexec /x /qn` removes programs, shortcuts and registration and leaves the
user's per-user settings alone."""

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
# The string blocks of each EXE's version resource, English (0409) and Japanese (0411), Unicode:
# the program's name as its description, then the product and who makes it, as the MSI names
# them.
DESCRIPTIONS = {
    "KELVARIN.EXE": {"040904B0": "Quarnic Calculator", "041104B0": "クォーニック電卓"},
    "OSTRAMEL.EXE": {"040904B0": "Quarnic Number Converter", "041104B0": "クォーニック進数変換"},
}
PRODUCT_NAMES = {"040904B0": "Quarnic", "041104B0": "クォーニック"}
COMPANIES = {"040904B0": "The Quarnic tools team", "041104B0": "クォーニック・ツール開発チーム"}
COPYRIGHTS = {block: f"Copyright (C) 2024-2026 {company}" for block, company in COMPANIES.items()}
# Each EXE's string table gives its Start-menu shortcut a name and a description in English and
# Japanese; the English name is the shortcut file's own.
SHORTCUT_TEXTS = {
    "KELVARIN.EXE": [("0409", "Quarnic Calculator", "Calculates in notations 2 to 32"),
                     ("0411", "クォーニック電卓", "2進法から32進法までの任意の進法で計算します")],
    "OSTRAMEL.EXE": [("0409", "Quarnic Number Converter",
                      "Converts integers between notations 2 to 32"),
                     ("0411", "クォーニック進数変換",
                      "2進法から32進法までの進法の間で整数を変換します")],
}
SHORTCUT_FILE_KEYS = {"KELVARIN.EXE": "[#KelvarinExe]", "OSTRAMEL.EXE": "[#OstramelExe]"}
# The README's per-machine install, from an administrator's prompt.
PER_MACHINE = ("ALLUSERS=1",)
# Wine's installer takes every user for an administrator and turns the package's ALLUSERS=2 into
# a per-machine install (Windows installs it per user); an empty ALLUSERS keeps it per user.
# Every msiexec of a per-user product passes it, since the registry root and the programs
# folder follow ALLUSERS there, in the uninstall too.
PER_USER = ("ALLUSERS=",)
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


def msi_table(msi, table):
    """The rows of one table of an MSI as {column: value}, read with msiinfo (msitools)."""
    lines = subprocess.run(["msiinfo", "export", str(msi), table], check=True, timeout=60,
                           capture_output=True, text=True).stdout.splitlines()
    columns = lines[0].split("\t")
    return [dict(zip(columns, line.split("\t"))) for line in lines[3:]]


def check_shortcut_resources(case, kit, msi):
    """Each shortcut of the MSI names its EXE's string resources for its name and description,
    so that Windows shows them in the user's language."""
    ids = kit.ids(kit.programs["calc"])
    rows = {row["Name"]: row for row in msi_table(msi, "Shortcut")}
    for name, exe in SHORTCUTS.items():
        row = rows.get(name.removesuffix(".lnk"), {})
        case.equal((row.get("DisplayResourceDLL"), row.get("DisplayResourceId"),
                    row.get("DescriptionResourceDLL"), row.get("DescriptionResourceId")),
                   (SHORTCUT_FILE_KEYS[exe], str(ids["IDS_SHORTCUT_NAME"]),
                    SHORTCUT_FILE_KEYS[exe], str(ids["IDS_SHORTCUT_DESCRIPTION"])),
                   f"resources of the shortcut {name}")


def install_dir(kit):
    return kit.prefix.path / "drive_c" / "Program Files" / "Quarnic"


def user_install_dir(kit):
    """%LOCALAPPDATA%\\Programs\\Quarnic, where Windows puts a per-user install's programs."""
    return kit.prefix.user_folder("AppData", "Local", "Programs", PRODUCT)


def common_start_menu(kit):
    return (kit.prefix.path / "drive_c" / "ProgramData" / "Microsoft" / "Windows" /
            "Start Menu" / "Programs" / PRODUCT)


def user_start_menu(kit):
    return kit.prefix.user_folder("AppData", "Roaming", "Microsoft", "Windows", "Start Menu",
                                  "Programs", PRODUCT)


def present_shortcuts(kit, folders=None):
    """The shortcuts in the given Start-menu folders; by default where they may land: Windows
    puts a per-machine install's in the common Start menu, Wine's msiexec in the user's."""
    folders = folders or [common_start_menu(kit), user_start_menu(kit)]
    return {link.name: link for folder in folders if folder.exists()
            for link in folder.iterdir()}


def products(kit):
    """The Apps & features entries of the machine's and the user's hive."""
    return kit.prefix.driver("-", "products", PRODUCT)["products"]


def registered(kit):
    """[(scope, version)] of the products the installer registered, "machine" or "user"."""
    return [(p["scope"], p["version"])
            for p in kit.prefix.driver("-", "msi-products", PRODUCT)["products"]]


def registry_keys(kit):
    """Which hives hold Software\\Quarnic, the key path of the Start-menu shortcuts."""
    return [hive for hive in ("HKLM", "HKCU")
            if kit.prefix.registry_key_exists(f"{hive}\\Software\\{PRODUCT}")]


def check_installed(case, kit, version, what, folder=None, scope="machine"):
    folder = folder or install_dir(kit)
    present = sorted(p.name for p in folder.iterdir()) if folder.exists() else []
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
    case.equal(registered(kit), [(scope, version)], f"{what}: products the installer registered")
    case.equal(registry_keys(kit), ["HKLM" if scope == "machine" else "HKCU"],
               f"{what}: hives holding Software\\{PRODUCT}")


def check_nothing_installed(case, kit, what, folder):
    left = [name for name in INSTALLED_FILES if (folder / name).exists()]
    case.equal(left, [], f"program files left {what}")
    case.equal(present_shortcuts(kit), {}, f"shortcuts left {what}")
    case.equal(products(kit), [], f"Apps & features {what}")
    case.equal(registered(kit), [], f"products registered {what}")
    case.equal(registry_keys(kit), [], f"hives holding Software\\{PRODUCT} {what}")


def check_installed_programs(case, kit, version, folder=None):
    """Both installed EXEs carry the product version, their names, the product, its maker and
    the copyright in English and Japanese (the file's properties in Explorer) and the
    manifest."""
    folder = folder or install_dir(kit)
    for exe, names in DESCRIPTIONS.items():
        info = kit.prefix.driver("-", "exe-info", kit.prefix.windows_path(folder / exe))["exe"]
        case.equal(info.get("product_version_text"), version, f"{exe} ProductVersion")
        case.equal([(b["block"], b["description"], b["product_name"], b["company"],
                     b["copyright"], b["product_version"])
                    for b in info.get("string_blocks", [])],
                   [(block, name, PRODUCT_NAMES[block], COMPANIES[block], COPYRIGHTS[block],
                     version) for block, name in names.items()],
                   f"{exe} version blocks")
        case.equal([(t["language"], t["name"], t["description"])
                    for t in info.get("shortcut_texts", [])], SHORTCUT_TEXTS[exe],
                   f"{exe} shortcut texts")
        case.equal(f"{SHORTCUT_TEXTS[exe][0][1]}.lnk" in SHORTCUTS, True,
                   f"{exe}: its English shortcut text names its shortcut file")
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
    check_shortcut_resources(case, kit, msi)
    case.equal(kit.prefix.msiexec("/i", msi, *PER_MACHINE), 0, f"msiexec /i {msi.name}")
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
    case.equal(kit.prefix.msiexec("/i", upgrade, *PER_MACHINE), 0, f"msiexec /i {upgrade.name}")
    check_installed(case, kit, newer, "upgraded")

    case.equal(kit.prefix.msiexec("/x", upgrade, *PER_MACHINE), 0, f"msiexec /x {upgrade.name}")
    check_nothing_installed(case, kit, "after uninstalling", install_dir(kit))
    case.equal(read_settings(user_settings), {"Red": "1", "Green": "2", "Blue": "3"},
               "per-user settings after uninstalling")


@scenario("calc")
def installer_per_user_installs_upgrades_and_uninstalls(case, kit):
    """A user without administrator rights: programs in the user's programs folder, shortcuts in
    the user's own Start menu, the product registered for the user and nothing for the
    machine; an upgrade and the uninstall in the same scope."""
    if "conv" not in kit.programs:
        raise E2EError("the installer needs both programs built")
    msi, version = built_msi(kit)
    folder = user_install_dir(kit)
    case.equal(kit.prefix.msiexec("/i", msi, *PER_USER), 0, f"msiexec /i {msi.name} per user")
    check_installed(case, kit, version, "installed per user", folder, "user")
    case.equal(sorted(present_shortcuts(kit, [user_start_menu(kit)])), sorted(SHORTCUTS),
               "shortcuts in the user's own Start menu")
    case.equal([name for name in INSTALLED_FILES if (install_dir(kit) / name).exists()], [],
               "files a per-user install put into Program Files")
    case.equal(present_shortcuts(kit, [common_start_menu(kit)]), {},
               "shortcuts a per-user install put into the common Start menu")
    check_installed_programs(case, kit, version, folder)
    with kit.running(case, "conv", folder=folder, locale=JAPANESE) as program:
        case.equal(program.state().title, kit.titles().get("OSTRAMEL_TITLE_JA"),
                   "title of the converter installed per user")
    hives = sorted({entry["hive"] for entry in products(kit)})
    print(f"     per-user product: Apps & features entry in {hives}, registered "
          f"{registered(kit)}", flush=True)

    newer = higher_version(version)
    upgrade = build_upgrade_msi(kit, newer)
    case.equal(kit.prefix.msiexec("/i", upgrade, *PER_USER), 0,
               f"msiexec /i {upgrade.name} per user")
    check_installed(case, kit, newer, "upgraded per user", folder, "user")

    case.equal(kit.prefix.msiexec("/x", upgrade, *PER_USER), 0,
               f"msiexec /x {upgrade.name} per user")
    check_nothing_installed(case, kit, "after uninstalling per user", folder)
    case.check(not folder.exists(), f"{folder} left after uninstalling per user")
