"""Scenarios of the converter, OSTRAMEL.EXE: digits and conversions read back through "Co&py
answer" and the real clipboard, the digit-limit warning dialog, "All Clear" and "Clear Error",
the two panes' enabled states and checks, single instance, the settings file, both languages."""

from common_checks import (DEFAULT_COLOUR, check_accessible_names, check_centred,
                           check_colour_dialog, check_colour_kept_per_user, check_colour_setting,
                           check_layout, check_name_changes, check_system_menu, console_colour,
                           settings_file)
from scenario_kit import ENGLISH, JAPANESE, scenario

CONTROL_COUNT = 50
DIGITS = "0123456789ABCDEFGHIJKLMNOPQRSTUV"
PANE_KEYS = {f"{side}{n}": f"IDC_CONV_{name}_{n}" for side, name in (("F", "FROM"), ("T", "TO"))
             for n in ("2", "4", "8", "10", "16", "X")}
KEY_NAMES = dict(PANE_KEYS, **{
    "AC": "IDC_CONV_ALL_CLEAR", "CE": "IDC_CONV_CLEAR_ERROR",
    "F+": "IDC_CONV_FROM_STEP_UP", "F-": "IDC_CONV_FROM_STEP_DOWN",
    "T+": "IDC_CONV_TO_STEP_UP", "T-": "IDC_CONV_TO_STEP_DOWN",
})
MENU_TEXTS = {
    ENGLISH: {"IDM_CONV_ABOUT": "&About...", "IDM_CONV_CONSOLE_COLOR": "Set console co&lor...",
              "IDM_CONV_COPY_ANSWER": "Co&py answer\tCtrl+C"},
    JAPANESE: {"IDM_CONV_ABOUT": "御案内(&A)...",
               "IDM_CONV_CONSOLE_COLOR": "コンソールカラーの設定(&L)...",
               "IDM_CONV_COPY_ANSWER": "答のコピー(&P)\tCtrl+C"},
}
FROM_PANE = ["F2", "F4", "F8", "F10", "F16", "FX"]
TO_PANE = ["T2", "T4", "T8", "T10", "T16", "TX"]


def key_ids(program, keys):
    return [program.id(KEY_NAMES.get(k) or f"IDC_CONV_DIGIT_{k}") for k in keys.split()]


def key_names(program, keys):
    return [KEY_NAMES.get(k) or f"IDC_CONV_DIGIT_{k}" for k in keys.split()]


def type_keys(program, keys):
    """Presses a space-separated key script such as "F16 F F T2" in one driver call."""
    program.press(*key_ids(program, keys))


def digit_ids(program, notation):
    return set(key_ids(program, " ".join(DIGITS[:notation])))


def copied(program):
    """Chooses "Co&py answer" and returns what the clipboard holds as CF_TEXT and Unicode."""
    program.syscmd("IDM_CONV_COPY_ANSWER")
    clipboard = program.clipboard()
    return clipboard.get("ansi"), clipboard.get("unicode")


def check_copy(case, program, expected, what):
    case.equal(copied(program), (expected, expected), f"clipboard after {what}")


def copy_enabled(program):
    return program.state().menu_enabled(program.id("IDM_CONV_COPY_ANSWER"))


def check_start_state(case, program, state, locale):
    panes = set(key_ids(program, " ".join(FROM_PANE + TO_PANE + ["AC", "CE"])))
    case.equal(sorted(state.enabled_ids()), sorted(digit_ids(program, 10) | panes),
               "enabled controls at start")
    case.equal(state.checked_ids(), set(key_ids(program, "F10 T10")), "checked at start")
    check_system_menu(case, program, state, MENU_TEXTS[locale], "IDM_CONV_COPY_ANSWER")
    check_layout(case, state, CONTROL_COUNT)
    check_centred(case, state)


@scenario("conv")
def conv_english_window_at_start(case, kit):
    with kit.running(case, "conv") as program:
        state = program.state()
        case.equal(state.title, "Quarnic Number Converter", "title")
        case.equal(state.title, kit.titles().get("OSTRAMEL_TITLE_EN"), "title of the header")
        check_start_state(case, program, state, ENGLISH)
        case.equal(console_colour(kit, state), DEFAULT_COLOUR, "console colour without a file")
        type_keys(program, "2 5 5 T16")
        kit.screenshot(program.state(), "conv-en")


@scenario("conv")
def conv_japanese_window_and_warning(case, kit):
    with kit.running(case, "conv", locale=JAPANESE) as program:
        state = program.state()
        case.equal(state.title, kit.titles().get("OSTRAMEL_TITLE_JA"), "Japanese title")
        case.check(state.title != "Quarnic Number Converter", "English title with Japanese texts")
        check_start_state(case, program, state, JAPANESE)
        type_keys(program, "9 " * 19)
        program.post("IDC_CONV_DIGIT_9")
        kit.screenshot_rect(program.dialog()["window"], "conv-warning-ja")
        warning = program.press_in_dialog(1)
        case.equal(warning["caption"], "警告", "caption of the Japanese warning")
        case.equal(warning["statics"], ["10進数の最大入力桁数は19です."], "Japanese warning text")
        check_copy(case, program, "9999999999999999999 (10) = 9999999999999999999 (10)",
                   "the refused digit")
        kit.screenshot(program.state(), "conv-ja")


@scenario("conv")
def conv_digits_convert_at_once(case, kit):
    with kit.running(case, "conv") as program:
        case.check(not copy_enabled(program), "copy item enabled before any digit")
        type_keys(program, "2 5 5 T16")
        case.check(copy_enabled(program), "copy item grey with an answer on show")
        check_copy(case, program, "255 (10) = FF (16)", "255 in 16")
        type_keys(program, "T2")
        check_copy(case, program, "255 (10) = 11111111 (2)", "To 2")
        type_keys(program, "TX")
        check_copy(case, program, "255 (10) = 7V (32)", "To X (32)")
        type_keys(program, "T-")
        check_copy(case, program, "255 (10) = 87 (31)", "To X stepped down to 31")
        type_keys(program, "AC T+ T+ 1 0 0")
        check_copy(case, program, "100 (10) = 10201 (3)", "To X stepped up to 3")
        type_keys(program, "AC FX T2 V")
        check_copy(case, program, "V (32) = 11111 (2)", "V in 32")
        type_keys(program, "AC F2 T10 " + "1 " * 64)
        check_copy(case, program, "1" * 64 + " (2) = 18446744073709551615 (10)", "64 ones")


@scenario("conv")
def conv_twentieth_decimal_digit_warns(case, kit):
    with kit.running(case, "conv") as program:
        type_keys(program, "T16 " + "9 " * 19)
        check_copy(case, program, "9999999999999999999 (10) = 8AC7230489E7FFFF (16)", "19 nines")
        program.post("IDC_CONV_DIGIT_9")
        warning = program.dialog()
        kit.screenshot_rect(warning["window"], "conv-warning-en")
        case.equal(warning["caption"], "Warning", "caption of the warning")
        case.equal(warning["statics"], ["Maximum number of digits is 19 for 10 notation number."],
                   "warning text")
        program.press_in_dialog(1)
        case.equal(program.open_dialog_after(300), None, "a dialog still open after OK")
        check_copy(case, program, "9999999999999999999 (10) = 8AC7230489E7FFFF (16)",
                   "the refused 20th digit")


@scenario("conv")
def conv_clear_keys_and_from_pane(case, kit):
    with kit.running(case, "conv") as program:
        from_pane = set(key_ids(program, " ".join(FROM_PANE)))
        from_steps = set(key_ids(program, "F+ F-"))
        type_keys(program, "0")
        state = program.state()
        case.check(from_pane <= state.enabled_ids(), "a first 0 disabled the From pane")
        case.check(not copy_enabled(program), "a first 0 enabled the copy item")

        type_keys(program, "T16 1 2")
        state = program.state()
        case.check(not (from_pane | from_steps) & state.enabled_ids(), "From pane usable in a number")
        type_keys(program, "CE")
        check_copy(case, program, "1 (10) = 1 (16)", "Clear Error with two digits")
        type_keys(program, "CE")
        state = program.state()
        case.equal(from_pane & state.enabled_ids(), from_pane, "From pane after the last digit went")
        case.check(not from_steps & state.enabled_ids(), "From steps enabled with 10 selected")
        case.check(not copy_enabled(program), "copy item enabled after clearing")

        type_keys(program, "FX F- 1 2 AC")
        state = program.state()
        case.equal(state.checked_ids(), set(key_ids(program, "FX T16")), "checks after All Clear")
        case.equal(from_steps & state.enabled_ids(), from_steps, "From steps after All Clear with X")
        case.equal(sorted(digit_ids(program, 32) & state.enabled_ids()),
                   sorted(digit_ids(program, 31)), "digit keys for From X = 31")
        type_keys(program, "F16 A AC")
        state = program.state()
        case.check(not from_steps & state.enabled_ids(), "From steps after All Clear with 16")
        case.equal(sorted(digit_ids(program, 32) & state.enabled_ids()),
                   sorted(digit_ids(program, 16)), "digit keys for From 16")


@scenario("conv")
def conv_second_copy_brings_the_first_forward(case, kit):
    with kit.running(case, "conv", locale=JAPANESE) as first:
        first.drive("minimize")
        for locale in (ENGLISH, JAPANESE):
            second = kit.launch(case, "conv", folder=first.folder, locale=locale)
            case.equal(second.process.wait(30), 0, f"exit code of a second copy ({locale})")
            count = first.window_count()
            case.equal((count["windows"], count["visible"]), (1, 1), f"windows ({locale})")
        state = first.state()
        case.check(not state.raw["iconic"], "first copy still minimized")
        check_centred(case, state)
        case.check(not (first.folder / "OSTRAMEL.INI").exists(), "a second copy wrote settings")
        case.equal(first.close(), 0, "exit code of the first copy")


@scenario("conv")
def conv_settings_defaults_written_at_exit(case, kit):
    check_colour_setting(case, kit, "conv", None, DEFAULT_COLOUR)


@scenario("conv")
def conv_settings_odd_values_clamped(case, kit):
    check_colour_setting(case, kit, "conv", settings_file((300, -7, "abc")), (255, 0, 0))


@scenario("conv")
def conv_console_colour_dialog(case, kit):
    check_colour_dialog(case, kit, "conv", "IDM_CONV_CONSOLE_COLOR", "CONV")


@scenario("conv")
def conv_copy_with_a_busy_clipboard(case, kit):
    with kit.running(case, "conv") as program:
        type_keys(program, "7")
        copy = program.id("IDM_CONV_COPY_ANSWER")
        # Held far longer than the program waits: it gives up, leaves the clipboard alone and
        # says so.
        program.drive("hold-clipboard", copy, 2000)
        busy = program.press_in_dialog(1)
        case.equal(busy and "\n".join(text for text in busy["statics"] if text),
                   "The clipboard is in use by another program.\nNothing was copied.",
                   "message after a long hold")
        case.equal(program.clipboard().get("unicode"), "held by the test", "after a long hold")
        case.check(copy_enabled(program), "copy item grey after a failed copy")
        # Held for a moment only: the program waits for it and copies.
        program.drive("hold-clipboard", copy, 30)
        case.equal(program.clipboard().get("ansi"), "7 (10) = 7 (10)", "after a short hold")


@scenario("conv")
def conv_colour_kept_per_user_when_beside_is_a_folder(case, kit):
    check_colour_kept_per_user(case, kit, "conv", "IDM_CONV_CONSOLE_COLOR", "CONV", JAPANESE)


@scenario("conv")
def conv_screen_reader_names_follow_the_consoles(case, kit):
    with kit.running(case, "conv") as program:
        check_accessible_names(case, program, {
            "IDC_CONV_FROM_OTHER_TEXT": "Other notation to convert from",
            "IDC_CONV_TO_OTHER_TEXT": "Other notation to convert to",
            "IDC_CONV_FROM_STEP_DOWN": "From notation down",
            "IDC_CONV_FROM_STEP_UP": "From notation up",
            "IDC_CONV_TO_STEP_DOWN": "To notation down", "IDC_CONV_TO_STEP_UP": "To notation up"},
            "at start")
        check_name_changes(case, program, key_names(program, "2 5 5"), "IDC_CONV_INPUT_TEXT",
                           "255", "typing")
        check_name_changes(case, program, key_names(program, "T16"), "IDC_CONV_ANSWER_TEXT",
                           "FF", "notation switch")


@scenario("conv")
def conv_japanese_screen_reader_names(case, kit):
    with kit.running(case, "conv", locale=JAPANESE) as program:
        check_accessible_names(case, program, {
            "IDC_CONV_FROM_OTHER_TEXT": "変換元のその他の進法",
            "IDC_CONV_TO_OTHER_TEXT": "変換先のその他の進法",
            "IDC_CONV_TO_STEP_UP": "変換先の進法を上げる"}, "Japanese")
        check_name_changes(case, program, key_names(program, "1 0"), "IDC_CONV_INPUT_TEXT", "10",
                           "typing")
