"""Scenarios of the calculator's history window: Ctrl+H opens it (real key events); three
calculations give three lines, newest first; the full text of 1 / 3 shows its 900 threes in
groups with their place numbers; Recall and Copy; the entries come back after a restart; a
damaged file is set aside; Keep off writes nothing; the window fits at 144 DPI and comes back at
the size it was given. Screenshots of the window in English and Japanese are kept."""

from common_checks import SCREEN_HEIGHT, SCREEN_WIDTH
from scenario_kit import ENGLISH, JAPANESE, scenario

HISTORY_FILE = "KELVARIN-HISTORY.TXT"
HEADER = b"Quarnic Calculator history 1\r\n"
THIRD = "0." + "3" * 900
LINES = {
    "third": "1 (10) / 3 (10) = 0.33333333333333\u2026333333 (10)",
    "product": "5 (10) * 6 (10) = 30 (10)",
    "sum": "12 (10) + 3 (10) = 15 (10)",
    "next": "0.33333333333333\u2026333333 (10) + 1 (10) = 1.33333333333333\u2026333333 (10)",
}
SET_ASIDE = {
    ENGLISH: "The history file was damaged. It was kept as KELVARIN-HISTORY-1.BAD; "
             "the entries that could be read are listed.",
    JAPANESE: "履歴ファイルが壊れていたため、KELVARIN-HISTORY-1.BAD に名前を変えて残しました. "
              "読み取れた項目を表示しています.",
}
NAMES = {ENGLISH: ("History", "Selected calculation"), JAPANESE: ("履歴", "選択した計算")}
MENU_TEXT = {ENGLISH: "&History...\tCtrl+H", JAPANESE: "履歴(&H)...\tCtrl+H"}
KEY_NAMES = {"+": "IDC_ADD", "*": "IDC_MULTIPLY", "/": "IDC_DIVIDE", "=": "IDC_EQUALS",
             "AC": "IDC_ALL_CLEAR"}


def press_keys(program, script):
    """Presses keys by WM_COMMAND: digits and the names above, separated by blanks."""
    for token in script.split():
        program.press(KEY_NAMES.get(token, f"IDC_DIGIT_{token}"))


def history(program, *action):
    return program.drive("history", *(action or ("show",)))["history"]


def open_history(case, program):
    """Ctrl+H as a user types it; the window is open afterwards."""
    program.drive("keys", "{^H}")
    shown = history(program)
    case.check(shown["open"], "Ctrl+H did not open the history window")
    return shown


def open_history_and_check_fit(case, kit, program, language, dpi):
    """For the DPI scenario: a long answer in the window, which fits and stays on the screen."""
    what = f"history {language} at {dpi} DPI"
    press_keys(program, "1 / 3 =")
    shown = open_history(case, program)
    case.check(shown["fits"], f"{what}: controls do not fit: {shown['rect']}")
    x, y, width, height = shown["rect"]
    case.check(x >= 0 and y >= 0 and x + width <= SCREEN_WIDTH and y + height <= SCREEN_HEIGHT,
               f"{what}: window {shown['rect']} leaves the screen")
    shot = kit.screenshot_rect(shown["rect"], f"dpi{dpi}-history-{language}")
    print(f"     {what}: window {width}x{height}, screenshot {shot.name}", flush=True)


def check_full_text_of_a_third(case, full):
    lines = full.split("\r\n")
    numbered = [line for line in lines if line[:3].strip().isdigit() and line[3:5] == "  "]
    case.equal([int(line[:3]) for line in numbered], list(range(1, 852, 50)),
               "place numbers of the fraction's lines")
    groups = " ".join(["33333"] * 10)
    case.check(all(line[5:] in (groups, groups + " (10)") for line in numbered),
               f"fraction lines not in groups of five: {numbered[:2]}")
    case.equal(sum(line[5:].count("3") for line in numbered), 900, "threes in the fraction")


def calculations_recall_copy_and_restart(case, kit, locale):
    language = "ja" if locale == JAPANESE else "en"
    with kit.running(case, "calc", locale=locale) as program:
        folder = program.folder
        item_id = program.id("IDM_HISTORY")
        item = program.state().menu.get(item_id)
        case.check(item is not None and item["text"] == MENU_TEXT[locale] and
                   item_id % 16 == 0 and item_id < 0xF000, f"system menu item: {item}")
        open_history(case, program)
        press_keys(program, "1 2 + 3 = AC 5 * 6 = AC 1 / 3 =")
        shown = history(program)
        case.equal(shown["lines"], [LINES["third"], LINES["product"], LINES["sum"]],
                   "the list, newest first")
        case.equal(shown["selected"], 0, "the newest line selected")
        check_full_text_of_a_third(case, shown["full"])
        case.equal(shown["number"], THIRD, "the number in its own notation")
        case.check(shown["fits"], f"history window controls do not fit: {shown['rect']}")
        names = {n["id"]: n["name"] for n in history(program, "names")["names"]}
        case.equal((names.get(program.id("IDC_HISTORY_LIST")),
                    names.get(program.id("IDC_HISTORY_FULL"))), NAMES[locale],
                   "screen-reader names of the list and the full text")
        shot = kit.screenshot_rect(shown["rect"], f"history-{language}")
        print(f"     history window {language}: {shown['rect']}, screenshot {shot.name}",
              flush=True)
        history(program, "notation", "16")
        case.check(history(program)["number"].startswith("0.5555555555"),
                   "1/3 in notation 16 in the notation box")
        history(program, "notation", "10")
        # The list's keys move the selection, also from a button reached with Tab.
        for key, selected in (("{END}", 2), ("{HOME}", 0), ("{DOWN}", 1)):
            program.drive("keys", "--as-is", key)
            case.equal(history(program)["selected"], selected, f"selection after {key}")
        program.drive("keys", "--as-is", "{TAB}", "{TAB}", "{TAB}", "{TAB}", "{UP}")
        case.equal(history(program)["selected"], 0, "selection after Up on the Recall button")
        # Enter is Recall; the calculator then has the focus for the next operator and "=".
        program.drive("keys", "--as-is", "{ENTER}")
        case.check(not history(program)["foreground"], "the history window kept the front")
        program.drive("keys", "+1", "{ENTER}")
        shown = history(program)
        case.equal(shown["lines"][0], LINES["next"], "Recall, + 1 =")
        # Ctrl+H brings the open window back to the front; Ctrl+C and Delete act on the list.
        open_history(case, program)
        history(program, "select", "1")
        program.drive("keys", "--as-is", "{^C}")
        case.equal(program.clipboard().get("unicode"), THIRD, "Ctrl+C on 1 / 3")
        history(program, "select", "2")
        program.drive("keys", "--as-is", "{DEL}")
        case.equal(history(program)["lines"], [LINES["next"], LINES["third"], LINES["sum"]],
                   "after Delete on 5 * 6")
        program.close()
        saved = (folder / HISTORY_FILE).read_bytes()
        case.check(saved.startswith(HEADER) and saved.count(b"\r\n\r\n") == 3,
                   f"history file after three entries: {saved[:80]!r}")
    with kit.running(case, "calc", locale=locale, folder=folder) as program:
        shown = open_history(case, program)
        case.equal(shown["lines"], [LINES["next"], LINES["third"], LINES["sum"]],
                   "entries after a restart")


@scenario("calc")
def history_window_english(case, kit):
    calculations_recall_copy_and_restart(case, kit, ENGLISH)


@scenario("calc")
def history_window_japanese(case, kit):
    calculations_recall_copy_and_restart(case, kit, JAPANESE)


@scenario("calc")
def history_damaged_file_is_set_aside(case, kit):
    for locale in (ENGLISH, JAPANESE):
        folder = kit.folder(case, "-ja" if locale == JAPANESE else "-en")
        damaged = (b"Quarnic Calculator history 9\r\n12 (10) +\r\n3 (10) =\r\n15 (10)\r\n\r\n"
                   b"7 (10) x\r\n\r\n")
        (folder / HISTORY_FILE).write_bytes(damaged)
        with kit.running(case, "calc", locale=locale, folder=folder) as program:
            program.drive("keys", "{^H}")
            language = "ja" if locale == JAPANESE else "en"
            box = program.dialog()["window"]
            shot = kit.screenshot_rect(box, f"history-set-aside-{language}")
            print(f"     set-aside note {language}: {box[2:]}, {shot.name}", flush=True)
            note = program.press_in_dialog(1)
            case.equal("\n".join(t for t in note["statics"] if t), SET_ASIDE[locale],
                       "the note about the damaged file")
            case.equal(history(program)["lines"], [LINES["sum"]], "the readable entry listed")
            case.equal((folder / "KELVARIN-HISTORY-1.BAD").read_bytes(), damaged,
                       "the damaged file kept whole")
            case.equal((folder / HISTORY_FILE).read_bytes(),
                       HEADER + b"12 (10) +\r\n3 (10) =\r\n15 (10)\r\n\r\n",
                       "the readable entry written afresh")


@scenario("calc")
def history_keep_off_writes_no_file(case, kit):
    settings = b"[History]\r\nKeep=0\r\n"
    with kit.running(case, "calc", settings=settings) as program:
        press_keys(program, "2 + 2 =")
        shown = open_history(case, program)
        case.equal(shown["lines"], ["2 (10) + 2 (10) = 4 (10)"], "the run's history")
        case.check(not shown["keep"], "Keep checked although the settings say 0")
        # Clear asks first: No keeps the entries.
        history(program, "post", str(program.id("IDC_HISTORY_CLEAR")))
        program.press_in_dialog(7)  # IDNO
        case.equal(len(history(program)["lines"]), 1, "entries after Clear answered No")
        program.close()
        case.check(not (program.folder / HISTORY_FILE).exists(), "a history file with Keep off")


@scenario("calc")
def history_window_at_144_dpi_and_resized(case, kit):
    try:
        kit.prefix.set_dpi(144)
        for locale in (ENGLISH, JAPANESE):
            language = "ja" if locale == JAPANESE else "en"
            with kit.running(case, "calc", locale=locale) as program:
                press_keys(program, "1 / 3 =")
                shown = open_history(case, program)
                case.check(shown["fits"], f"144 DPI {language}: controls do not fit")
                shot = kit.screenshot_rect(shown["rect"], f"history-dpi144-{language}")
                print(f"     history window 144 DPI {language}: {shown['rect']}, "
                      f"screenshot {shot.name}", flush=True)
    finally:
        kit.prefix.set_dpi(96)
    with kit.running(case, "calc") as program:
        folder = program.folder
        shown = open_history(case, program)
        _, _, width, height = shown["rect"]
        resized = history(program, "size", str(width + 120), str(height + 90))
        case.equal(resized["rect"][2:], [width + 120, height + 90], "resized window")
        case.check(resized["fits"], "controls do not follow the resize")
        program.drive("keys", "--as-is", "{ESC}")  # Esc closes it and it remembers its place
        case.check(not history(program)["open"], "Esc did not close the history window")
        program.close()
    with kit.running(case, "calc", folder=folder) as program:
        shown = open_history(case, program)
        case.equal(shown["rect"][2:], [width + 120, height + 90], "size after a restart")
    # A place remembered off every monitor comes back on the screen.
    settings = b"[History]\r\nX=-5000\r\nY=9000\r\nWidth=600\r\nHeight=420\r\n"
    with kit.running(case, "calc", settings=settings) as program:
        x, y, width, height = open_history(case, program)["rect"]
        case.check(x >= 0 and y >= 0 and x + width <= SCREEN_WIDTH and y + height <= SCREEN_HEIGHT,
                   f"window off the screen at {[x, y, width, height]}")


@scenario("calc")
def history_keep_turned_off_offers_to_delete_the_file(case, kit):
    with kit.running(case, "calc") as program:
        press_keys(program, "7 + 8 =")
        case.check(program.wait_for_file(HISTORY_FILE) is not None, "no history file written")
        case.check(open_history(case, program)["keep"], "Keep unchecked by default")
        history(program, "click", str(program.id("IDC_HISTORY_KEEP")))
        program.press_in_dialog(6)  # IDYES: delete the file
        case.check(not history(program)["keep"], "Keep still checked")
        press_keys(program, "AC 1 + 1 =")
        case.check(not (program.folder / HISTORY_FILE).exists(), "the file is still there")
        case.equal(len(history(program)["lines"]), 2, "the run's history stays in the window")
        program.close()
        case.check(b"Keep=0" in (program.folder / "KELVARIN.INI").read_bytes(),
                   "Keep=0 not in the settings file")
