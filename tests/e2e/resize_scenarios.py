"""Both main windows made larger: by a real drag of the frame's corner (SendInput) where Wine's
frame handling takes it, else by SetWindowPos from the driver (the line printed says which ran).
Every control stays inside and clear of the others, the keys of a row share the extra width, the
consoles grow with the width; the calculator's console then shows more digits of 1 / 7 = to a
screen reader than at the smallest size. Maximized from the system menu, with screenshots of the
smallest and the maximized window in both languages. A change of DPI on a resized window takes
the suggested rectangle (the size in proportion) and, back at the first DPI, every control stands
where it stood before, as the table places it for that size."""

import time

from common_checks import check_layout
from conv_scenarios import type_keys
from dpi_scenarios import CONTROL_COUNTS
from history_scenarios import press_keys
from keyboard_scenarios import keys
from scenario_kit import ENGLISH, JAPANESE, scenario

SC_RESTORE = 0xF120
DIGIT_CHARACTERS = set("0123456789ABCDEFGHIJKLMNOPQRSTUV")
# The place a control may differ by after a round trip of DPI changes: the suggested rectangles
# are scaled and rounded twice.
ROUND_TRIP_TOLERANCE = 2
CONSOLES = {"calc": ("IDC_CONSOLE_TEXT",), "conv": ("IDC_CONV_INPUT_TEXT", "IDC_CONV_ANSWER_TEXT")}
FIRST_DIGIT = {"calc": "IDC_DIGIT_0", "conv": "IDC_CONV_DIGIT_0"}


def significant_digits(text):
    """The digits of a console text before its exponent suffix."""
    return sum(c in DIGIT_CHARACTERS for c in text.split(" ")[0])


def console_text(program, state, key):
    return state.texts[program.id(CONSOLES[key][0])]["text"]


def check_rows_shared(case, program, state, key, what):
    """Ten digit keys side by side in each full row: touching, widths a pixel apart at most."""
    first = program.id(FIRST_DIGIT[key])
    for row in range(3):
        rects = [state.controls[first + 10 * row + i]["rect"] for i in range(10)]
        widths = [r[2] for r in rects]
        case.check(max(widths) - min(widths) <= 1, f"{what}: row {row} key widths {widths}")
        for before, after in zip(rects, rects[1:]):
            case.check(before[0] + before[2] == after[0] and before[1] == after[1],
                       f"{what}: row {row} keys {before} and {after} do not touch")


def check_consoles_grew(case, program, smallest, state, key, what):
    """Each console's carrier is as much wider as the client area, and no taller."""
    extra = state.raw["client_size"][0] - smallest.raw["client_size"][0]
    for name in CONSOLES[key]:
        was = smallest.texts[program.id(name)]["rect"]
        now = state.texts[program.id(name)]["rect"]
        case.equal((now[2] - was[2], now[3]), (extra, was[3]), f"{what}: {name} width and height")


def check_resized(case, program, smallest, state, key, what):
    check_layout(case, state, CONTROL_COUNTS[key])
    check_rows_shared(case, program, state, key, what)
    check_consoles_grew(case, program, smallest, state, key, what)
    first = program.id(FIRST_DIGIT[key])
    grown = state.controls[first]["rect"][2:]
    was = smallest.controls[first]["rect"][2:]
    case.check(grown[0] > was[0] and grown[1] > was[1], f"{what}: key 0 {was} -> {grown}")


def type_example(program, key):
    if key == "calc":
        press_keys(program, "1 / 7 =")
    else:
        type_keys(program, "2 5 5 T16")


def places(state):
    return {i: c["rect"] for i, c in state.controls.items()}


def check_dpi_round_trip(case, program, state, key, what):
    """96 -> 144 -> 96 DPI on a resized window: the suggested size in proportion each time, and
    at 96 DPI again every control where the table put it before."""
    width, height = state.window_rect()[2:]
    program.drive("dpi-change", 144, 96)
    at144 = program.state()
    case.check(all(abs(a - b * 3 // 2) <= ROUND_TRIP_TOLERANCE
                   for a, b in zip(at144.window_rect()[2:], (width, height))),
               f"{what}: at 144 DPI the window is {at144.window_rect()[2:]}, "
               f"not 1.5 x {width, height}")
    check_layout(case, at144, len(state.controls))
    check_rows_shared(case, program, at144, key, f"{what} at 144 DPI")
    program.drive("dpi-change", 96, 144)
    back = program.state()
    case.check(all(abs(a - b) <= ROUND_TRIP_TOLERANCE
                   for a, b in zip(back.window_rect()[2:], (width, height))),
               f"{what}: back at 96 DPI the window is {back.window_rect()[2:]}, was "
               f"{width, height}")
    worst = max(abs(a - b) for i, rect in places(state).items()
                for a, b in zip(rect, places(back)[i]))
    case.check(worst <= ROUND_TRIP_TOLERANCE,
               f"{what}: after the round trip a control stands {worst} px off its place")


def maximize_from_system_menu(program):
    """Alt+Space, then the letter of Maximize (X in both languages): real keys, as a user
    maximizes from the keyboard."""
    keys(program, "{%SPACE}")
    keys(program, "--as-is", "{X}")
    state = program.state()
    for _ in range(50):
        if state.raw["client_size"][0] >= 1200:
            break
        time.sleep(0.1)
        state = program.state()
    return state


def resize_and_maximize(case, kit, key, locale):
    language = "ja" if locale == JAPANESE else "en"
    what = f"{key} {language}"
    with kit.running(case, key, locale=locale) as program:
        type_example(program, key)
        smallest = program.state()
        print(f"     {what}: smallest window {smallest.window_rect()} client "
              f"{smallest.raw['client_size']}", flush=True)
        kit.screenshot(smallest, f"resize-{key}-{language}-smallest")
        width, height = smallest.window_rect()[2:]
        answer = program.drive("resize", width * 3 // 2, height * 3 // 2)
        print(f"     {what}: made larger by {answer['method']} (the drag reached "
              f"{answer['dragged_to']} of {[width * 3 // 2, height * 3 // 2]})", flush=True)
        larger = program.state()
        case.equal(list(larger.window_rect()[2:]), [width * 3 // 2, height * 3 // 2],
                   f"{what}: window size after the resize")
        check_resized(case, program, smallest, larger, key, f"{what} at 1.5x")
        kit.screenshot(larger, f"resize-{key}-{language}-larger")
        if key == "calc":
            before = significant_digits(console_text(program, smallest, key))
            after = significant_digits(console_text(program, larger, key))
            case.check(after > before, f"{what}: {after} digits of 1 / 7 = at 1.5x, {before} at "
                       "the smallest size")
        # A size that stays below the screen's largest window at 144 DPI.
        program.drive("resize", width + 60, height + 40)
        check_dpi_round_trip(case, program, program.state(), key, what)
        before_maximizing = program.state()

        maximized = maximize_from_system_menu(program)
        case.check(maximized.raw["client_size"][0] >= 1200,
                   f"{what}: maximized client area {maximized.raw['client_size']}")
        check_resized(case, program, smallest, maximized, key, f"{what} maximized")
        kit.screenshot_rect((0, 0, 1280, 1024), f"resize-{key}-{language}-maximized")
        if key == "calc":
            text = console_text(program, maximized, key)
            case.check(text.startswith("0.142857142857142857"), f"{what}: maximized {text!r}")
            print(f"     {what}: {significant_digits(text)} digits of 1 / 7 = maximized at "
                  f"{maximized.raw['client_size']}, "
                  f"{significant_digits(console_text(program, smallest, key))} at the smallest "
                  "size", flush=True)
        program.drive("syscmd", SC_RESTORE)
        restored = program.state()
        case.equal(restored.window_rect(), before_maximizing.window_rect(),
                   f"{what}: place and size after restoring")


@scenario("calc")
def calc_resize(case, kit):
    for locale in (ENGLISH, JAPANESE):
        resize_and_maximize(case, kit, "calc", locale)


@scenario("conv")
def conv_resize(case, kit):
    for locale in (ENGLISH, JAPANESE):
        resize_and_maximize(case, kit, "conv", locale)
