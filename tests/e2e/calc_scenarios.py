"""Scenarios of the calculator, KELVARIN.EXE: keys by WM_COMMAND, the enabled and checked states
they leave, the "Sa&ve answer..." item, files saved through the real save dialog compared byte
for byte, single instance, the settings file, and both languages."""

import math
import time

from common_checks import (DEFAULT_COLOUR, check_accessible_names, check_centred,
                           check_colour_dialog, check_colour_kept_per_user, check_colour_setting,
                           check_layout, check_name_changes, check_system_menu, console_colour,
                           read_settings, settings_file)
from scenario_kit import ENGLISH, JAPANESE, scenario
from wine_session import E2EError

CONTROL_COUNT = 52
DIGITS = "0123456789ABCDEFGHIJKLMNOPQRSTUV"
KEY_NAMES = {
    ".": "IDC_POINT", "+/-": "IDC_SIGN", "AC": "IDC_ALL_CLEAR", "CE": "IDC_CLEAR_ENTRY",
    "+": "IDC_ADD", "-": "IDC_SUBTRACT", "*": "IDC_MULTIPLY", "/": "IDC_DIVIDE",
    "=": "IDC_EQUALS", "SQRT": "IDC_SQRT", "MIN": "IDC_MEMORY_IN", "MR": "IDC_MEMORY_RECALL",
    "N2": "IDC_NOTATION_2", "N4": "IDC_NOTATION_4", "N8": "IDC_NOTATION_8",
    "N10": "IDC_NOTATION_10", "N16": "IDC_NOTATION_16", "NX": "IDC_NOTATION_X",
    "X+": "IDC_STEP_UP", "X-": "IDC_STEP_DOWN",
}
MENU_TEXTS = {
    ENGLISH: {"IDM_ABOUT": "&About...", "IDM_CONSOLE_COLOR": "Set console co&lor...",
              "IDM_SQRT_SETTING": "Set s&qrt calculation....", "IDM_SAVE_ANSWER": "Sa&ve answer...\tCtrl+S"},
    JAPANESE: {"IDM_ABOUT": "御案内(&A)...", "IDM_CONSOLE_COLOR": "コンソールカラーの設定(&L)...",
               "IDM_SQRT_SETTING": "平方根計算の設定(&Q)...", "IDM_SAVE_ANSWER": "答の保存(&V)...\tCtrl+S"},
}


def type_keys(program, keys):
    """Presses a space-separated key script such as "2 5 5 + 1 =" in one driver call."""
    names = [KEY_NAMES.get(k) or f"IDC_DIGIT_{k}" for k in keys.split()]
    program.press(*names)


def digit_ids(program, notation):
    return {program.id(f"IDC_DIGIT_{d}") for d in DIGITS[:notation]}


def all_digit_ids(program):
    return digit_ids(program, 32)


def save_item_enabled(program):
    return program.state().menu_enabled(program.id("IDM_SAVE_ANSWER"))


def check_start_state(case, program, state, locale):
    always_on = {"IDC_POINT", "IDC_SIGN", "IDC_ALL_CLEAR", "IDC_CLEAR_ENTRY", "IDC_ADD",
                 "IDC_SUBTRACT", "IDC_MULTIPLY", "IDC_DIVIDE", "IDC_EQUALS", "IDC_MEMORY_IN",
                 "IDC_SQRT", "IDC_NOTATION_2", "IDC_NOTATION_4", "IDC_NOTATION_8",
                 "IDC_NOTATION_10", "IDC_NOTATION_16", "IDC_NOTATION_X"}
    expected = digit_ids(program, 10) | {program.id(n) for n in always_on}
    case.equal(sorted(state.enabled_ids()), sorted(expected), "enabled controls at start")
    case.equal(state.checked_ids(), {program.id("IDC_NOTATION_10")}, "checked at start")
    check_system_menu(case, program, state, MENU_TEXTS[locale], "IDM_SAVE_ANSWER")
    check_layout(case, state, CONTROL_COUNT)
    check_centred(case, state)


@scenario("calc")
def calc_english_window_at_start(case, kit):
    with kit.running(case, "calc") as program:
        state = program.state()
        case.equal(state.title, "Quarnic Calculator", "title")
        case.equal(state.title, kit.titles().get("KELVARIN_TITLE_EN"), "title of the header")
        check_start_state(case, program, state, ENGLISH)
        case.equal(console_colour(kit, state), DEFAULT_COLOUR, "console colour without a file")
        # An answer, the memory mark and the other-notation box on show for the screenshot.
        type_keys(program, "2 5 5 + 1 = MIN NX")
        kit.screenshot(program.state(), "calc-en")


@scenario("calc")
def calc_japanese_window_at_start(case, kit):
    with kit.running(case, "calc", locale=JAPANESE) as program:
        state = program.state()
        case.equal(state.title, kit.titles().get("KELVARIN_TITLE_JA"), "Japanese title")
        case.check(state.title != "Quarnic Calculator", "English title with Japanese texts")
        check_start_state(case, program, state, JAPANESE)
        type_keys(program, "1 =")
        item = program.state().menu.get(program.id("IDM_SAVE_ANSWER"), {})
        case.equal(item.get("text"), MENU_TEXTS[JAPANESE]["IDM_SAVE_ANSWER"],
                   "save item text once enabled")
        case.equal(item.get("grayed"), False, "save item greyed after an answer")
        type_keys(program, "/ 3 = MIN NX")
        kit.screenshot(program.state(), "calc-ja")


@scenario("calc")
def calc_notation_buttons_set_digit_keys(case, kit):
    with kit.running(case, "calc") as program:
        steps = {program.id("IDC_STEP_UP"), program.id("IDC_STEP_DOWN")}

        def check(after, notation, checked, steps_on):
            state = program.state()
            enabled = state.enabled_ids()
            case.equal(sorted(enabled & all_digit_ids(program)), sorted(digit_ids(program, notation)),
                       f"digit keys after {after}")
            case.equal(state.checked_ids(), {program.id(checked)}, f"checked after {after}")
            case.equal(steps & enabled, steps if steps_on else set(), f"step buttons after {after}")

        type_keys(program, "N16")
        check("16", 16, "IDC_NOTATION_16", False)
        type_keys(program, "N2")
        check("2", 2, "IDC_NOTATION_2", False)
        type_keys(program, "NX")
        check("X", 32, "IDC_NOTATION_X", True)
        type_keys(program, "X+")
        check("X+ (32 wraps to 3)", 3, "IDC_NOTATION_X", True)
        type_keys(program, "X+ X+")
        check("X+ twice more (5, 6)", 6, "IDC_NOTATION_X", True)
        type_keys(program, "X- X- X-")
        check("X- three times (back to 32)", 32, "IDC_NOTATION_X", True)
        type_keys(program, "N10")
        check("10", 10, "IDC_NOTATION_10", False)


@scenario("calc")
def calc_save_item_and_memory_keys_follow_the_state(case, kit):
    with kit.running(case, "calc") as program:
        recall = program.id("IDC_MEMORY_RECALL")
        type_keys(program, "1 2 + 3")
        case.check(not save_item_enabled(program), "save item enabled before any answer")
        type_keys(program, "=")
        case.check(save_item_enabled(program), "save item grey after =")
        type_keys(program, "4")
        case.check(not save_item_enabled(program), "save item enabled after a new operand")
        type_keys(program, "= MIN")
        state = program.state()
        case.check(state.menu_enabled(program.id("IDM_SAVE_ANSWER")), "save item grey after =")
        case.check(recall in state.enabled_ids(), "MR disabled with a value in memory")
        type_keys(program, "AC")
        state = program.state()
        case.check(not state.menu_enabled(program.id("IDM_SAVE_ANSWER")), "save item after AC")
        case.check(recall not in state.enabled_ids(), "MR enabled after AC cleared the memory")


def save_and_read(case, program, file_name, typed_name=None):
    """Saves through the real dialog and returns the bytes written (None if nothing came)."""
    answer = program.save_as("IDM_SAVE_ANSWER", typed_name or file_name)
    case.check(answer["closed"], f"save dialog for {file_name} did not close: {answer}")
    return program.wait_for_file(file_name)


SAVED_CALCULATIONS = [
    # (keys, file name typed, file written, expected bytes)
    ("2 5 5 + 1 =", "plain.txt", "plain.txt", b"255 (10) +\r\n1 (10) =\r\n256 (10)\r\n"),
    ("AC N16 F F * F F =", "hex.txt", "hex.txt", b"FF (16) *\r\nFF (16) =\r\nFE01 (16)\r\n"),
    ("AC N16 F F + N10 1 =", "mixed.txt", "mixed.txt", b"FF (16) +\r\n1 (10) =\r\n256 (10)\r\n"),
    ("AC 3 - 5 =", "negative", "negative.txt", b"3 (10) -\r\n5 (10) =\r\n-2 (10)\r\n"),
    ("AC 1 - 1 . 5 =", "half.TXT", "half.TXT", b"1 (10) -\r\n1.5 (10) =\r\n-0.5 (10)\r\n"),
]


@scenario("calc")
def calc_saved_answers_byte_for_byte(case, kit):
    with kit.running(case, "calc") as program:
        for keys, typed, written, expected in SAVED_CALCULATIONS:
            type_keys(program, keys)
            case.equal(save_and_read(case, program, written, typed), expected, f"file of {keys}")


@scenario("calc")
def calc_saved_square_roots(case, kit):
    with kit.running(case, "calc") as program:
        type_keys(program, "2 5 6 = SQRT")
        case.equal(save_and_read(case, program, "once.txt"),
                   b"256 (10) +\r\n0 (10) =\r\n256 (10)\r\n1 time(s) SQRT : 16 (10)\r\n", "one root")
        type_keys(program, "SQRT")
        case.equal(save_and_read(case, program, "twice.txt"),
                   b"256 (10) +\r\n0 (10) =\r\n256 (10)\r\n2 time(s) SQRT : 4 (10)\r\n", "two roots")
        type_keys(program, "AC N16 1 9 0 = SQRT")
        case.equal(save_and_read(case, program, "hex.txt"),
                   b"190 (16) +\r\n0 (16) =\r\n190 (16)\r\n1 time(s) SQRT : 14 (16)\r\n", "hex root")
        type_keys(program, "AC N10 0 . 0 0 0 1 = SQRT")
        case.equal(save_and_read(case, program, "fraction.txt"),
                   b"0.0001 (10) +\r\n0 (10) =\r\n0.0001 (10)\r\n1 time(s) SQRT : 0.01 (10)\r\n",
                   "root of a fraction")


def decimal_root(number, places):
    """The square root of an integer cut after the given fraction place, written as the saved
    file writes it (no trailing fraction zeros)."""
    root = math.isqrt(number * 10 ** (2 * places))
    whole, fraction = divmod(root, 10 ** places)
    fraction_text = str(fraction).zfill(places).rstrip("0")
    return f"{whole}.{fraction_text}" if fraction_text else str(whole)


def root_file(number, places):
    return (f"{number} (10) +\r\n0 (10) =\r\n{number} (10)\r\n"
            f"1 time(s) SQRT : {decimal_root(number, places)} (10)\r\n").encode("ascii")


@scenario("calc")
def calc_square_root_truncation_setting(case, kit):
    with kit.running(case, "calc") as program:
        type_keys(program, "2 = SQRT")
        case.equal(save_and_read(case, program, "default.txt"), root_file(2, 100),
                   "root of 2 cut after 100 places")

        program.post_syscmd("IDM_SQRT_SETTING")
        setting = program.dialog()
        case.equal(setting["caption"], "Set square root calculation", "setting dialog caption")
        case.equal(setting["checked"], [program.id("IDC_SQRT_TRUNCATION_100")], "checked at first")
        clicked = program.click_in_dialog("IDC_SQRT_TRUNCATION_300")
        case.equal(clicked["checked"], [program.id("IDC_SQRT_TRUNCATION_300")], "checked on click")
        program.press_in_dialog(1)
        type_keys(program, "AC 3 = SQRT")
        case.equal(save_and_read(case, program, "three.txt"), root_file(3, 300),
                   "root of 3 cut after 300 places")

        program.post_syscmd("IDM_SQRT_SETTING")
        case.equal(program.dialog()["checked"], [program.id("IDC_SQRT_TRUNCATION_300")],
                   "checked when opened again")
        program.click_in_dialog("IDC_SQRT_TRUNCATION_200")
        program.press_in_dialog(2)
        type_keys(program, "AC 5 = SQRT")
        case.equal(save_and_read(case, program, "five.txt"), root_file(5, 300),
                   "root of 5 after Cancel kept 300 places")


@scenario("calc")
def calc_save_refuses_other_extensions(case, kit):
    with kit.running(case, "calc") as program:
        type_keys(program, "7 =")
        answer = program.save_as("IDM_SAVE_ANSWER", "answer.dat")
        case.check(answer["closed"], f"save dialog did not close: {answer}")
        refusal = program.press_in_dialog(1)
        case.equal(refusal["caption"], "Error", "caption of the refusal")
        case.check("Assign a file with TXT extension." in refusal["statics"],
                   f"refusal text: {refusal['statics']}")
        files = sorted(p.name for p in program.folder.iterdir())
        case.equal(files, ["KELVARIN.EXE"], "files after the refusal")
        case.check(save_item_enabled(program), "save item grey after a refusal")
        case.equal(save_and_read(case, program, "ANSWER.TXT"),
                   b"7 (10) +\r\n0 (10) =\r\n7 (10)\r\n", "file saved after the refusal")


@scenario("calc")
def calc_save_over_an_existing_file(case, kit):
    with kit.running(case, "calc") as program:
        first = b"7 (10) +\r\n0 (10) =\r\n7 (10)\r\n"
        second = b"8 (10) +\r\n0 (10) =\r\n8 (10)\r\n"
        type_keys(program, "7 =")
        case.equal(save_and_read(case, program, "answer.txt"), first, "first save")
        type_keys(program, "8 =")
        asked = program.save_as("IDM_SAVE_ANSWER", "answer.txt")
        case.check(not asked["closed"], "no question before replacing a file")
        program.press_in_dialog(7)  # No: back in the save dialog
        program.press_in_dialog(2)  # Cancel
        case.equal(program.open_dialog_after(500), None, "a dialog after Cancel")
        case.equal((program.folder / "answer.txt").read_bytes(), first, "file after No, Cancel")
        program.save_as("IDM_SAVE_ANSWER", "answer.txt")
        program.press_in_dialog(6)  # Yes
        case.equal(program.wait_for_file("answer.txt", settle_on=second), second,
                   "file after Yes")
        files = sorted(p.name for p in program.folder.iterdir())
        case.equal(files, ["KELVARIN.EXE", "answer.txt"], "files left beside the answer")


@scenario("calc")
def calc_second_copy_brings_the_first_forward(case, kit):
    with kit.running(case, "calc") as first:
        first.drive("minimize")
        settings = first.folder / "KELVARIN.INI"
        for locale in (ENGLISH, JAPANESE):
            second = kit.launch(case, "calc", folder=first.folder, locale=locale)
            case.equal(second.process.wait(30), 0, f"exit code of a second copy ({locale})")
            count = first.window_count()
            case.equal((count["windows"], count["visible"]), (1, 1), f"windows ({locale})")
        state = first.state()
        case.check(not state.raw["iconic"], "first copy still minimized")
        check_centred(case, state)
        case.check(not settings.exists(), "a second copy wrote the settings file")
        case.equal(first.close(), 0, "exit code of the first copy")
        case.check(settings.exists(), "no settings file after closing")


@scenario("calc")
def calc_other_window_of_the_class_is_no_running_copy(case, kit):
    # A window of the class under the creation caption, as a copy still being created has.
    decoy = kit.prefix.driver_in_background("KELVARIN", "decoy", "Brellimax", 60000)
    try:
        deadline = time.time() + 20
        while kit.prefix.driver("KELVARIN", "count")["windows"] == 0:
            if time.time() > deadline or decoy.poll() is not None:
                raise E2EError("the decoy window did not appear")
            time.sleep(0.2)
        with kit.running(case, "calc") as program:
            case.equal(program.state().title, "Quarnic Calculator", "title of the visible window")
            case.equal(program.process.poll(), None, "the calculator ended")
            count = program.window_count()
            case.equal((count["windows"], count["visible"]), (2, 1), "windows of the class")
    finally:
        decoy.kill()
        decoy.wait(10)


@scenario("calc")
def calc_japanese_copy_found_by_an_english_one(case, kit):
    with kit.running(case, "calc", locale=JAPANESE) as first:
        second = kit.launch(case, "calc", folder=first.folder, locale=ENGLISH)
        case.equal(second.process.wait(30), 0, "exit code of the English copy")
        case.equal(first.window_count()["windows"], 1, "windows of the class")


@scenario("calc")
def calc_settings_defaults_written_at_exit(case, kit):
    check_colour_setting(case, kit, "calc", None, DEFAULT_COLOUR)


@scenario("calc")
def calc_settings_out_of_range_clamped(case, kit):
    check_colour_setting(case, kit, "calc", settings_file((300, -7, "abc")), (255, 0, 0))


@scenario("calc")
def calc_settings_read_five_characters(case, kit):
    # "000999" is read as its first five characters, 00099; an empty value reads as 0.
    check_colour_setting(case, kit, "calc", settings_file(("000999", "", "77x")), (99, 0, 77))


@scenario("calc")
def calc_settings_untouched_keys_keep_defaults(case, kit):
    with kit.running(case, "calc", settings=settings_file(raw="[Color]\r\nGreen=12\r\n")) as program:
        case.equal(console_colour(kit, program.state()), (188, 12, 45), "colour on the screen")
        program.close()
    case.equal(read_settings(program.folder / "KELVARIN.INI"),
               {"Red": "188", "Green": "12", "Blue": "45"}, "settings written at exit")


@scenario("calc")
def calc_settings_among_other_sections_and_keys(case, kit):
    # Only [Color]'s own Red, Green and Blue count; other sections and keys stay in the file.
    raw = ("; colours\r\n[Window]\r\nRed=1\r\nLeft=10\r\n[Color]\r\nRedish=5\r\nRed=12\r\n"
           "Green=34\r\nShade=7\r\nBlue=56\r\n[Other]\r\nBlue=200\r\n")
    with kit.running(case, "calc", settings=settings_file(raw=raw)) as program:
        case.equal(console_colour(kit, program.state()), (12, 34, 56), "colour on the screen")
        program.close()
    written = (program.folder / "KELVARIN.INI").read_text(encoding="latin-1")
    for line in ("[Window]", "Red=1", "Left=10", "Redish=5", "Shade=7", "[Other]", "Blue=200"):
        case.check(line in written.splitlines(), f"{line} kept in the settings file")
    case.equal(read_settings(program.folder / "KELVARIN.INI"),
               {"Redish": "5", "Red": "12", "Green": "34", "Shade": "7", "Blue": "56"},
               "the Color section written at exit")


@scenario("calc")
def calc_console_colour_dialog(case, kit):
    check_colour_dialog(case, kit, "calc", "IDM_CONSOLE_COLOR", "CALC")


@scenario("calc")
def calc_colour_kept_per_user_when_beside_is_a_folder(case, kit):
    check_colour_kept_per_user(case, kit, "calc", "IDM_CONSOLE_COLOR", "CALC", ENGLISH)


@scenario("calc")
def calc_screen_reader_names_follow_the_console(case, kit):
    with kit.running(case, "calc") as program:
        names = check_accessible_names(case, program, {
            "IDC_CONSOLE_TEXT": "", "IDC_SQRT": "Square root", "IDC_STEP_DOWN": "Notation down",
            "IDC_STEP_UP": "Notation up", "IDC_OTHER_NOTATION_TEXT": "Other notation",
            "IDC_MEMORY_MARK_TEXT": ""}, "at start")
        case.equal(names.get(program.id("IDC_NOTATION_16")), "16", "a key keeps its caption")
        check_name_changes(case, program, ["IDC_DIGIT_1", "IDC_DIGIT_2", "IDC_DIGIT_7"],
                           "IDC_CONSOLE_TEXT", "127", "typing")
        check_name_changes(case, program, ["IDC_ADD", "IDC_DIGIT_1", "IDC_EQUALS"],
                           "IDC_CONSOLE_TEXT", "128", "=")
        check_name_changes(case, program, ["IDC_NOTATION_16"], "IDC_CONSOLE_TEXT", "80",
                           "notation switch")
        program.press("IDC_MEMORY_IN", "IDC_NOTATION_X", "IDC_STEP_DOWN")
        names, _ = program.accessible_names()
        case.equal(names.get(program.id("IDC_MEMORY_MARK_TEXT")), "M", "memory mark shown")
        case.check(names.get(program.id("IDC_OTHER_NOTATION_TEXT"), "").startswith(
            "Other notation "), "the box of X names its notation")
        check_name_changes(case, program, ["IDC_ALL_CLEAR", "IDC_DIGIT_1", "IDC_DIVIDE",
                                           "IDC_DIGIT_0", "IDC_EQUALS"],
                           "IDC_CONSOLE_TEXT", "ERROR (Press <AC>)", "error display")


@scenario("calc")
def calc_japanese_screen_reader_names(case, kit):
    with kit.running(case, "calc", locale=JAPANESE) as program:
        check_accessible_names(case, program, {
            "IDC_CONSOLE_TEXT": "", "IDC_SQRT": "平方根", "IDC_STEP_DOWN": "進法を下げる",
            "IDC_STEP_UP": "進法を上げる", "IDC_OTHER_NOTATION_TEXT": "その他の進法"}, "Japanese")
