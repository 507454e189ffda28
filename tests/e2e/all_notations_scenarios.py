"""The converter's "All notations" window: opened with Ctrl+L and from the system menu, its 31
lines in step with the typed number, choosing the To notation from it (Enter, a double click),
copying a line (the Copy button, Ctrl+C), its keys, its place remembered and brought back on the
screen, both languages, and its fit at other DPIs (called from dpi_scenarios)."""

from common_checks import SCREEN_HEIGHT, SCREEN_WIDTH
from conv_scenarios import type_keys
from scenario_kit import ENGLISH, JAPANESE, scenario

TEXTS = {
    ENGLISH: {"title": "All notations", "from": "From", "to": "To",
              "item": "All no&tations...\tCtrl+L", "copy": "&Copy"},
    JAPANESE: {"title": "すべての進法", "from": "変換元", "to": "変換先",
               "item": "すべての進法(&T)...\tCtrl+L", "copy": "コピー(&C)"},
}
LINE_COUNT = 31


def tool_window(program):
    return program.drive("tool-window")["window"]


def no_tool_window(program):
    return not program.drive("tool-window", expect_ok=False).get("ok")


def tool_keys(program, *keys):
    """Real keys to the window in front, which the tool window is once it has been opened."""
    program.drive("keys", "--as-is", *keys)


def line_of(window, notation):
    return window["list"]["items"][notation - 2]


def marks_of(line, texts):
    """The end of a line: two spaces before each of the From and the To mark that it carries."""
    for marks in ("  {from}  {to}", "  {from}", "  {to}"):
        marks = marks.format(**texts)
        if line.endswith(marks):
            return marks
    return ""


def digits_of(line, texts):
    """The digit column: after the notation's two places and two spaces, up to the marks."""
    return line[4:len(line) - len(marks_of(line, texts))].strip()


def check_marks(case, window, texts, from_notation, to_notation, what):
    for notation in range(2, 33):
        expected = "".join("  " + texts[key] for key, marked in
                           (("from", from_notation), ("to", to_notation)) if marked == notation)
        case.equal(marks_of(line_of(window, notation), texts), expected,
                   f"{what}: marks of line {notation}")


def check_window_fits(case, window, what):
    """Every control inside the client area; the list shows all 31 lines and each line whole."""
    width, height = window["client_size"]
    for control in window["controls"]:
        x, y, w, h = control["rect"]
        case.check(x >= 0 and y >= 0 and x + w <= width and y + h <= height,
                   f"{what}: control {control['id']} {control['rect']} leaves {width}x{height}")
    listed = window["list"]
    list_width, list_height = listed["client_size"]
    case.check(listed["item_height"] * LINE_COUNT <= list_height,
               f"{what}: 31 lines of {listed['item_height']} px do not fit in the list's "
               f"{list_width}x{list_height} px (lines {listed['text_extent']} px wide)")
    case.check(0 < listed["text_extent"] <= list_width,
               f"{what}: lines {listed['text_extent']} px wide in a list {list_width} px wide")


def check_on_screen(case, window, screen, what):
    x, y, width, height = window["window"]
    case.check(x >= 0 and y >= 0 and x + width <= screen[0] and y + height <= screen[1],
               f"{what}: window {window['window']} leaves the screen {screen}")


def open_and_check_fit(case, kit, program, language, dpi, screen):
    """For the DPI scenario: opens the window, checks that it fits and keeps a screenshot."""
    what = f"all notations {language} at {dpi} DPI"
    program.drive("keys", "{^L}")
    type_keys(program, "F16 F F F F F F F F F F F F F F F F")
    window = tool_window(program)
    check_window_fits(case, window, what)
    check_on_screen(case, window, screen, what)
    shot = kit.screenshot_rect(window["window"], f"dpi{dpi}-all-notations-{language}")
    print(f"     {what}: window {window['window'][2]}x{window['window'][3]}, "
          f"screenshot {shot.name}", flush=True)


def check_all_notations(case, kit, locale):
    texts = TEXTS[locale]
    language = "ja" if locale == JAPANESE else "en"
    with kit.running(case, "conv", locale=locale) as program:
        state = program.state()
        item = state.menu.get(program.id("IDM_CONV_ALL_NOTATIONS"))
        case.equal(item and item["text"], texts["item"], "system-menu item")
        case.check(no_tool_window(program), "a tool window before Ctrl+L")

        program.drive("keys", "{^L}")
        window = tool_window(program)
        case.equal(window["title"], texts["title"], "title")
        case.check(window["foreground"], "the window is not in front after Ctrl+L")
        case.equal(len(window["list"]["items"]), LINE_COUNT, "lines")
        case.equal([digits_of(line_of(window, n), texts) for n in range(2, 33)], [""] * LINE_COUNT,
                   "digits with nothing typed")
        names = {n["id"]: n["name"] for n in window["accessible"]["names"]}
        case.equal(names.get(program.id("IDC_CONV_ALL_NOTATIONS_LIST")), texts["title"],
                   "the list's name for screen readers")
        case.check(any(c["text"] == texts["copy"] for c in window["controls"]), "Copy button")
        check_marks(case, window, texts, 10, 10, "at start")

        # The converter's own keys still work while its main window is active.
        program.drive("keys", "255")
        window = tool_window(program)
        case.check(not window["foreground"], "typing should have made the main window active")
        case.equal(digits_of(line_of(window, 2), texts), "1111 1111", "line of 2")
        case.equal(digits_of(line_of(window, 10), texts), "255", "line of 10")
        case.equal(digits_of(line_of(window, 32), texts), "7V", "line of 32")
        program.drive("keys", "{^L}")
        case.check(tool_window(program)["foreground"], "Ctrl+L did not bring the window forward")

        # Up, Down, Home and End move; Enter makes the selected line's notation the To notation.
        tool_keys(program, "{END}")
        case.equal(tool_window(program)["list"]["selected"], 30, "selection after End")
        tool_keys(program, "{UP}")
        case.equal(tool_window(program)["list"]["selected"], 29, "selection after Up")
        tool_keys(program, "{HOME}", *["{DOWN}"] * 14)
        case.equal(tool_window(program)["list"]["selected"], 14, "selection on the line of 16")
        tool_keys(program, "{ENTER}")
        case.equal(program.state().checked_ids(),
                   {program.id("IDC_CONV_FROM_10"), program.id("IDC_CONV_TO_16")},
                   "checks after Enter on the line of 16")
        window = tool_window(program)
        check_marks(case, window, texts, 10, 16, "after Enter on 16")
        kit.screenshot_rect(window["window"], f"all-notations-{language}")

        window = program.drive("tool-window-click", program.id("IDC_CONV_ALL_NOTATIONS_COPY"))
        case.equal(program.clipboard().get("unicode"), "FF (16)", "Copy of the line of 16")
        tool_keys(program, "{HOME}", "{^C}")
        case.equal(program.clipboard().get("unicode"), "11111111 (2)", "Ctrl+C on the line of 2")

        # A double click on the line of 7, which lives behind "X".
        program.drive("tool-window-double-click", 5)
        program.syscmd("IDM_CONV_COPY_ANSWER")
        case.equal(program.clipboard().get("unicode"), "255 (10) = 513 (7)",
                   "answer after a double click on the line of 7")

        # Esc closes it; the system-menu item opens it again where it was.
        place = tool_window(program)["window"]
        tool_keys(program, "{ESC}")
        case.check(no_tool_window(program), "Esc did not close the window")
        program.syscmd("IDM_CONV_ALL_NOTATIONS")
        window = tool_window(program)
        case.equal(window["window"][:2], place[:2], "place after opening it again")
        case.equal(digits_of(line_of(window, 16), texts), "FF", "line of 16 after opening it again")
        settings = program.folder / "OSTRAMEL.INI"
        program.close()
    text = settings.read_bytes().decode("ascii", "replace") if settings.exists() else ""
    case.check(f"[AllNotations]\r\nX={place[0]}\r\nY={place[1]}" in text,
               f"place not remembered in the settings file: {text!r}")


@scenario("conv")
def all_notations_english(case, kit):
    check_all_notations(case, kit, ENGLISH)


@scenario("conv")
def all_notations_japanese(case, kit):
    check_all_notations(case, kit, JAPANESE)


@scenario("conv")
def all_notations_come_back_on_the_screen(case, kit):
    """A place remembered on a screen that is gone (5000, 5000) comes back inside the screen."""
    settings = b"[AllNotations]\r\nX=5000\r\nY=5000\r\n"
    with kit.running(case, "conv", settings=settings) as program:
        program.drive("keys", "{^L}")
        screen = (SCREEN_WIDTH, SCREEN_HEIGHT)
        check_on_screen(case, tool_window(program), screen, "from (5000, 5000)")
