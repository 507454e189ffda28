"""Scenarios of the keyboard, Copy and Paste in both programs: real key events (SendInput) to the
main window, also while a clicked button holds the focus; Ctrl+C read back from the real
clipboard; text the driver puts on the clipboard pasted with Ctrl+V, also in the forms people
copy (a base prefix, digit groups, a number on two lines); refusals and a clipboard held by
another process answered with a message box; Alt+Space and a letter in the system menu; both
languages."""

import subprocess

from scenario_kit import ENGLISH, JAPANESE, scenario

CALC_MENU_TEXTS = {
    ENGLISH: {"IDM_COPY": "Cop&y\tCtrl+C", "IDM_PASTE": "&Paste\tCtrl+V"},
    JAPANESE: {"IDM_COPY": "コピー(&Y)\tCtrl+C", "IDM_PASTE": "貼り付け(&P)\tCtrl+V"},
}
CONV_PASTE_TEXT = {ENGLISH: "Past&e\tCtrl+V", JAPANESE: "貼り付け(&E)\tCtrl+V"}
BUSY_COPY = {
    ENGLISH: "The clipboard is in use by another program.\nNothing was copied.",
    JAPANESE: "クリップボードはほかのプログラムが使用中です.\nコピーできませんでした.",
}
NOT_A_DIGIT = {
    ENGLISH: "\"G\" is not a digit of notation 10.\nNothing was pasted.",
    JAPANESE: "「G」は10進法で使える数字ではありません.\n貼り付けませんでした.",
}

# The calculator reads a point, so its comma message says how to write one; the converter
# reads integers alone.
COMMA_REFUSED = {
    "calc": {
        ENGLISH: "\",\" is not read in a number.\nWrite \".\" for a point, or leave the "
                 "separator out.\nNothing was pasted.",
        JAPANESE: "数の中の「,」は読み取れません.\n小数点は「.」で書き、桁区切りの「,」は"
                  "取り除いてください.\n貼り付けませんでした.",
    },
    "conv": {
        ENGLISH: "\",\" is not read in a number.\nRemove the comma.\nNothing was pasted.",
        JAPANESE: "数の中の「,」は読み取れません.\n「,」を取り除いてください.\n"
                  "貼り付けませんでした.",
    },
}

# Refused pastes that name a notation, in the order the scenario pastes them (in notation 16;
# the last after a pasted "ff (16)" has locked the notation buttons), and the busy clipboard.
NOTATION_REFUSALS = [
    ("subscript", "FF\u2083\u2083", {
        ENGLISH: "The notation in subscript must be from 2 to 32.",
        JAPANESE: "下付き数字で示す進法は2から32までです."}),
    ("parentheses", "FF (33)", {
        ENGLISH: "The notation in parentheses must be from 2 to 32.",
        JAPANESE: "括弧内の進法は2から32までです."}),
    ("disagreement", "0b11\u2081\u2086", {
        ENGLISH: "The prefix \"0b\" and the notation \"\u2081\u2086\" name different notations.",
        JAPANESE: "接頭辞「0b」と進法「\u2081\u2086」が食い違っています."}),
    ("locked", "1 (8)", {
        ENGLISH: "Notation 8 cannot be selected now.",
        JAPANESE: "現在は8進法を選択できません."}),
]
NOTHING_PASTED = {ENGLISH: "Nothing was pasted.", JAPANESE: "貼り付けませんでした."}
TOO_MANY_DIGITS = {
    ENGLISH: "The number has too many digits: at most 300 before the point and 900 after it.",
    JAPANESE: "桁数が多すぎます. 整数部は300桁、小数部は900桁までです.",
}
BUSY_PASTE = {
    ENGLISH: "The clipboard is in use by another program.\nNothing was pasted.",
    JAPANESE: "クリップボードはほかのプログラムが使用中です.\n貼り付けられませんでした.",
}


def keys(program, *events):
    program.drive("keys", *events)


def copied_text(program):
    """Ctrl+C, then the clipboard as (CF_TEXT, CF_UNICODETEXT)."""
    keys(program, "{^C}")
    clipboard = program.clipboard()
    return clipboard.get("ansi"), clipboard.get("unicode")


def check_copied(case, program, expected, what):
    case.equal(copied_text(program), (expected, expected), f"clipboard after {what}")


def message_text(program):
    """The open message box's text, closed with OK; None when none is open."""
    shown = program.press_in_dialog(1)
    return "\n".join(text for text in shown["statics"] if text) if shown else None


def shown_message(kit, program, name, locale):
    """The message box that opens next, kept as a screenshot, then its text as message_text."""
    language = "ja" if locale == JAPANESE else "en"
    box = program.dialog()["window"]
    shot = kit.screenshot_rect(box, f"{name}-{language}")
    print(f"     {name} {language}: message box {box[2:]}, {shot.name}", flush=True)
    return message_text(program)


def paste(program, text):
    program.drive("set-clipboard", text)
    keys(program, "{^V}")


def paste_two_lines(case, program, text):
    """Pastes a text with a CR LF, seen on the real clipboard first (it came through Wine's
    command line)."""
    program.drive("set-clipboard", text)
    case.equal(program.clipboard().get("unicode"), text, "clipboard of a text on two lines")
    keys(program, "{^V}")


def check_comma_refused(case, kit, program, key, locale):
    """Pastes "1,5": one message box with the comma's message, kept as a screenshot."""
    paste(program, "1,5")
    case.equal(shown_message(kit, program, f"paste-comma-{key}", locale),
               COMMA_REFUSED[key][locale], "message of a pasted 1,5")
    case.equal(program.open_dialog_after(300), None, "a second message box after 1,5")


def check_calc_menu(case, program, locale):
    state = program.state()
    for name, text in CALC_MENU_TEXTS[locale].items():
        item = state.menu.get(program.id(name))
        if case.check(item is not None, f"system menu lacks {name}"):
            case.equal(item["text"], text, f"text of {name}")
    ids = [m["id"] for m in state.raw["menu"] if not m["separator"]]
    copy, paste = program.id("IDM_COPY"), program.id("IDM_PASTE")
    case.check(copy in ids and paste in ids and ids.index(paste) == ids.index(copy) + 1 and
               ids.index(copy) > ids.index(program.id("IDM_SAVE_ANSWER")),
               f"Copy and Paste not after the existing items: {ids}")
    case.check(not state.menu_enabled(copy), "Copy enabled with a blank console")


def calc_keyboard(case, kit, locale):
    with kit.running(case, "calc", locale=locale) as program:
        check_calc_menu(case, program, locale)
        keys(program, "12+3", "{ENTER}")
        check_copied(case, program, "15", "12+3 Enter")
        case.check(program.state().menu_enabled(program.id("IDM_COPY")), "Copy grey on 15")
        # A clicked button keeps the focus; typed keys still reach the calculator.
        program.drive("click", "IDC_DIGIT_1")
        keys(program, "23", "{BACK}")
        check_copied(case, program, "12", "click 1, 2 3 Backspace")
        keys(program, "a", ".50")
        check_copied(case, program, "12.5", "a (disabled in 10) . 5 0")
        # While one of its dialogs is open the calculator takes no keys.
        program.post_syscmd("IDM_ABOUT")
        program.dialog()
        keys(program, "--as-is", "9", "{ESC}")
        if program.open_dialog_after(300) is not None:
            program.press_in_dialog(program.id("IDC_ABOUT_CLOSE"))
        check_copied(case, program, "12.5", "9 and Esc typed into the About box")
        keys(program, "{ESC}", "{F5}", "ff*")
        state = program.state()
        case.equal(state.checked_ids(), {program.id("IDC_NOTATION_16")}, "checked after F5")
        keys(program, "2=")
        check_copied(case, program, "1FE", "F5 ff * 2 =")
        keys(program, "{DEL}", "{ESC}")
        case.check(not program.state().menu_enabled(program.id("IDM_COPY")),
                   "Copy enabled after Esc")


@scenario("calc")
def calc_keyboard_english(case, kit):
    calc_keyboard(case, kit, ENGLISH)


@scenario("calc")
def calc_keyboard_japanese(case, kit):
    calc_keyboard(case, kit, JAPANESE)


def calc_copy_and_paste(case, kit, locale):
    with kit.running(case, "calc", locale=locale) as program:
        program.press("IDC_DIGIT_1", "IDC_DIVIDE", "IDC_DIGIT_3", "IDC_EQUALS")
        check_copied(case, program, "0." + "3" * 900, "1 / 3 =")
        program.drive("set-clipboard", "ff (16)")
        keys(program, "{+INS}")
        state = program.state()
        case.equal(state.checked_ids(), {program.id("IDC_NOTATION_16")}, "checked after paste")
        case.check(not state.controls[program.id("IDC_NOTATION_2")]["enabled"],
                   "notation buttons enabled after a paste")
        keys(program, "+1=")
        check_copied(case, program, "100", "pasted FF + 1 =")
        program.drive("set-clipboard", "12G")
        keys(program, "{ESC}", "{F6}", "{^V}")
        case.equal(shown_message(kit, program, "paste-not-a-digit", locale), NOT_A_DIGIT[locale],
                   "message of a refused paste")
        case.equal(program.open_dialog_after(300), None, "a second message box")
        keys(program, "7")
        check_copied(case, program, "7", "7 after the refusal")
        program.drive("hold-clipboard", program.id("IDM_COPY"), 2000)
        case.equal(shown_message(kit, program, "busy-copy", locale), BUSY_COPY[locale],
                   "message of a busy clipboard")
        case.equal(program.clipboard().get("unicode"), "held by the test",
                   "clipboard after a copy that could not happen")


@scenario("calc")
def calc_copy_and_paste_english(case, kit):
    calc_copy_and_paste(case, kit, ENGLISH)


@scenario("calc")
def calc_copy_and_paste_japanese(case, kit):
    calc_copy_and_paste(case, kit, JAPANESE)


def calc_paste_forms(case, kit, locale):
    with kit.running(case, "calc", locale=locale) as program:
        paste(program, "0xFF_FF")
        case.equal(program.state().checked_ids(), {program.id("IDC_NOTATION_16")},
                   "checked after pasting 0xFF_FF")
        check_copied(case, program, "FFFF", "pasted 0xFF_FF")
        keys(program, "{ESC}", "{F6}")
        paste_two_lines(case, program, "0.33333 33333\r\n33333 33333")
        check_copied(case, program, "0." + "3" * 20, "pasted a grouped fraction on two lines")
        check_comma_refused(case, kit, program, "calc", locale)
        check_copied(case, program, "0." + "3" * 20, "after the refused 1,5")


@scenario("calc")
def calc_paste_forms_english(case, kit):
    calc_paste_forms(case, kit, ENGLISH)


@scenario("calc")
def calc_paste_forms_japanese(case, kit):
    calc_paste_forms(case, kit, JAPANESE)


def calc_paste_messages(case, kit, locale):
    """Each refusal that names a notation, and a Paste the busy clipboard stops, in its own
    message box (kept as a screenshot); a refused or stopped Paste leaves the number as it was."""
    with kit.running(case, "calc", locale=locale) as program:
        keys(program, "{F5}", "7")
        for name, text, reasons in NOTATION_REFUSALS:
            if name == "locked":
                check_copied(case, program, "7", "the refused notations")
                paste(program, "ff (16)")
            paste(program, text)
            case.equal(shown_message(kit, program, f"paste-{name}", locale),
                       f"{reasons[locale]}\n{NOTHING_PASTED[locale]}", f"message of {text!r}")
            case.equal(program.open_dialog_after(300), None, f"a second message after {text!r}")
        paste(program, "1" * 301)
        case.equal(shown_message(kit, program, "paste-too-many-digits", locale),
                   f"{TOO_MANY_DIGITS[locale]}\n{NOTHING_PASTED[locale]}", "message of 301 digits")
        program.drive("hold-clipboard", program.id("IDM_PASTE"), 2000)
        case.equal(shown_message(kit, program, "busy-paste", locale), BUSY_PASTE[locale],
                   "message of a Paste from a busy clipboard")
        check_copied(case, program, "FF", "the refusals after the pasted ff (16)")


@scenario("calc")
def calc_paste_messages_english(case, kit):
    calc_paste_messages(case, kit, ENGLISH)


@scenario("calc")
def calc_paste_messages_japanese(case, kit):
    calc_paste_messages(case, kit, JAPANESE)


def conv_keyboard_and_paste(case, kit, locale):
    with kit.running(case, "conv", locale=locale) as program:
        state = program.state()
        ids = [m["id"] for m in state.raw["menu"] if not m["separator"]]
        paste = program.id("IDM_CONV_PASTE")
        case.check(paste in ids and ids.index(paste) ==
                   ids.index(program.id("IDM_CONV_COPY_ANSWER")) + 1,
                   f"Paste not right after Copy answer: {ids}")
        item = state.menu.get(paste)
        case.equal(item and item["text"], CONV_PASTE_TEXT[locale], "text of Paste")
        program.drive("click", "IDC_CONV_DIGIT_2")
        keys(program, "55", "{+F5}")
        check_copied(case, program, "255 (10) = FF (16)", "click 2, 5 5, Shift+F5")
        keys(program, "{BACK}")
        check_copied(case, program, "25 (10) = 19 (16)", "Backspace")
        keys(program, "{F5}", "{ESC}", "{F7}", "{+F8}", "17")
        check_copied(case, program, "17 (8) = 1111 (2)", "Esc F7 Shift+F8 1 7")
        program.drive("set-clipboard", "vv (32)")
        keys(program, "{^V}")
        check_copied(case, program, "VV (32) = 1111111111 (2)", "pasted vv (32)")
        program.drive("set-clipboard", "-5")
        keys(program, "{^V}")
        case.check(message_text(program) is not None, "no message for a refused paste")
        check_copied(case, program, "VV (32) = 1111111111 (2)", "after the refusal")


@scenario("conv")
def conv_keyboard_and_paste_english(case, kit):
    conv_keyboard_and_paste(case, kit, ENGLISH)


@scenario("conv")
def conv_keyboard_and_paste_japanese(case, kit):
    conv_keyboard_and_paste(case, kit, JAPANESE)


def conv_paste_forms(case, kit, locale):
    with kit.running(case, "conv", locale=locale) as program:
        program.drive("click", "IDC_CONV_TO_10")
        paste(program, "0xFF_FF")
        case.equal(program.state().checked_ids() & {program.id("IDC_CONV_FROM_16")},
                   {program.id("IDC_CONV_FROM_16")}, "From 16 not checked after 0xFF_FF")
        check_copied(case, program, "FFFF (16) = 65535 (10)", "pasted 0xFF_FF")
        paste_two_lines(case, program, "1 048\r\n576 (10)")
        check_copied(case, program, "1048576 (10) = 1048576 (10)",
                     "pasted a grouped integer on two lines")
        check_comma_refused(case, kit, program, "conv", locale)
        check_copied(case, program, "1048576 (10) = 1048576 (10)", "after the refused 1,5")


@scenario("conv")
def conv_paste_forms_english(case, kit):
    conv_paste_forms(case, kit, ENGLISH)


@scenario("conv")
def conv_paste_forms_japanese(case, kit):
    conv_paste_forms(case, kit, JAPANESE)


def access_key(text):
    """The letter after the first single "&" of a menu text, upper-cased; None without one."""
    at = 0
    while True:
        at = text.find("&", at)
        if at < 0 or at + 1 >= len(text):
            return None
        if text[at + 1] != "&":
            return text[at + 1].upper()
        at += 2


# Wine adds "About Wine" to every system menu; Windows has no such item.
SC_ABOUTWINE = 0xF141


def check_menu_letters(case, state):
    """Every item of the real system menu, the standard ones included, has a letter of its own."""
    items = [m for m in state.raw["menu"] if not m["separator"] and m["id"] != SC_ABOUTWINE]
    letters = [access_key(m["text"]) for m in items]
    texts = [m["text"] for m in items]
    case.check(None not in letters, f"system-menu items without a letter: {texts}")
    case.equal(sorted({k for k in letters if letters.count(k) > 1}), [],
               f"letters shared by system-menu items, of {texts}")
    case.check("C" in letters, f"no item has C (Close): {letters}")


def closes_with_alt_space_c(case, kit, key, locale):
    """Alt+Space opens the system menu (kept as a screenshot) and C then closes the program, as
    it does every Windows program."""
    language = "ja" if locale == JAPANESE else "en"
    with kit.running(case, key, locale=locale) as program:
        state = program.state()
        check_menu_letters(case, state)
        keys(program, "{%SPACE}")
        x, y, width, height = state.window_rect()
        shot = kit.screenshot_rect((x, y, max(width, 420), height + 260),
                                   f"system-menu-{key}-{language}")
        print(f"     system menu {key} {language}: {shot.name}", flush=True)
        keys(program, "--as-is", "{C}")
        try:
            code = program.process.wait(20)
        except subprocess.TimeoutExpired:
            code = None
        case.equal(code, 0, "exit code after Alt+Space, C")


@scenario("calc")
def calc_alt_space_c_closes_english(case, kit):
    closes_with_alt_space_c(case, kit, "calc", ENGLISH)


@scenario("calc")
def calc_alt_space_c_closes_japanese(case, kit):
    closes_with_alt_space_c(case, kit, "calc", JAPANESE)


@scenario("conv")
def conv_alt_space_c_closes_english(case, kit):
    closes_with_alt_space_c(case, kit, "conv", ENGLISH)


@scenario("conv")
def conv_alt_space_c_closes_japanese(case, kit):
    closes_with_alt_space_c(case, kit, "conv", JAPANESE)
