"""Scenarios of what the main windows keep between starts: place, size and maximized state, and
"Always on top" (a checked system-menu item that sets WS_EX_TOPMOST); a kept place that lies off
every monitor, or cannot be read, and a second copy with the first kept on top. The window is
moved and sized by SetWindowPos from the driver, and maximized and restored by the system
menu's own commands (WM_SYSCOMMAND SC_MAXIMIZE and SC_RESTORE)."""

import time

from common_checks import SCREEN_HEIGHT, SCREEN_WIDTH, check_centred, read_settings
from scenario_kit import ENGLISH, JAPANESE, scenario

SC_MAXIMIZE, SC_RESTORE = 0xF030, 0xF120
ALWAYS_ON_TOP = {"calc": "IDM_ALWAYS_ON_TOP", "conv": "IDM_CONV_ALWAYS_ON_TOP"}
ALWAYS_ON_TOP_TEXT = {ENGLISH: "Always &on top", JAPANESE: "常に手前に表示(&O)"}


def settings_path(program):
    return program.folder / program.exe.with_suffix(".INI").name


def window_section(program):
    return read_settings(settings_path(program), "Window")


def window_file(**values):
    """A settings file with these keys in [Window], beside a colour of its own."""
    lines = ["[Color]", "Red=10", "[Window]"] + [f"{key}={value}" for key, value in values.items()]
    return ("\r\n".join(lines) + "\r\n").encode("ascii")


def first_start_rect(case, kit, key):
    """The window's place and size at a first start, in a folder of its own."""
    with kit.running(case, key, folder=kit.folder(case, "-first")) as program:
        state = program.state()
        check_centred(case, state)
        case.equal(state.raw["zoomed"], False, "maximized at a first start")
        return state.window_rect()


def check_place_and_size_come_back(case, kit, key, locale):
    with kit.running(case, key, locale=locale) as program:
        state = program.state()
        check_centred(case, state)
        _, _, width, height = state.window_rect()
        wanted = (40, 60, width + 120, height + 80)
        program.drive("place", *wanted)
        case.equal(program.state().window_rect(), wanted, "window after SetWindowPos")
        # Closed while minimized, the window keeps the place it had before.
        program.drive("minimize")
        case.equal(program.close(), 0, "exit code")
    case.equal(window_section(program),
               {"X": "40", "Y": "60", "Width": str(wanted[2]), "Height": str(wanted[3]),
                "Maximized": "0", "AlwaysOnTop": "0"}, "[Window] written at exit")
    with kit.running(case, key, locale=locale, folder=program.folder) as again:
        state = again.state()
        case.equal(state.window_rect(), wanted, "place and size at the next start")
        case.equal((state.raw["zoomed"], state.raw["topmost"]), (False, False),
                   "maximized, topmost at the next start")


@scenario("calc")
def calc_place_and_size_come_back(case, kit):
    check_place_and_size_come_back(case, kit, "calc", ENGLISH)


@scenario("conv")
def conv_place_and_size_come_back(case, kit):
    check_place_and_size_come_back(case, kit, "conv", JAPANESE)


def check_maximized_comes_back(case, kit, key):
    with kit.running(case, key) as program:
        _, _, width, height = program.state().window_rect()
        normal = (30, 40, width + 60, height + 40)
        program.drive("place", *normal)
        program.syscmd(SC_MAXIMIZE)
        case.equal(program.state().raw["zoomed"], True, "maximized by SC_MAXIMIZE")
        case.equal(program.close(), 0, "exit code")
    written = window_section(program) or {}
    case.equal((written.get("X"), written.get("Y"), written.get("Width"), written.get("Height"),
                written.get("Maximized")),
               ("30", "40", str(normal[2]), str(normal[3]), "1"),
               "the normal place and the maximized state written at exit")
    with kit.running(case, key, folder=program.folder) as again:
        state = again.state()
        case.equal(state.raw["zoomed"], True, "maximized at the next start")
        x, y, shown_width, shown_height = state.window_rect()
        case.check(shown_width >= SCREEN_WIDTH and shown_height >= SCREEN_HEIGHT - 60,
                   f"a maximized window covers the screen: {state.window_rect()}")
        again.syscmd(SC_RESTORE)
        restored = again.state()
        case.equal(restored.raw["zoomed"], False, "maximized after SC_RESTORE")
        case.equal(restored.window_rect(), normal, "restored to the kept normal place")


@scenario("calc")
def calc_maximized_comes_back(case, kit):
    check_maximized_comes_back(case, kit, "calc")


@scenario("conv")
def conv_maximized_comes_back(case, kit):
    check_maximized_comes_back(case, kit, "conv")


def check_kept_place_brought_into_view(case, kit, key):
    """A place off every monitor comes back into view at least the first start's size; a place
    that cannot be read whole opens the window where a first start does."""
    first = first_start_rect(case, kit, key)
    _, _, width, height = first
    off_screen = window_file(X=5000, Y=-3000, Width=200, Height=100, Maximized=0)
    with kit.running(case, key, settings=off_screen, folder=kit.folder(case, "-off")) as program:
        case.equal(program.state().window_rect(), (SCREEN_WIDTH - width, 0, width, height),
                   "a small place off the screen, brought to its nearest corner")
    for number, broken in enumerate([
            window_file(X=40, Y=60, Width=700, Height=500),  # no Maximized
            window_file(X=40, Y="6O", Width=700, Height=500, Maximized=0),
            window_file(X=40, Y=60, Width=0, Height=500, Maximized=0),
            window_file(X=40, Y=60, Width=700, Height=500, Maximized="yes"),
            window_file(X="", Y="", Width="", Height="", Maximized="")]):
        folder = kit.folder(case, f"-broken{number}")
        with kit.running(case, key, settings=broken, folder=folder) as program:
            state = program.state()
            case.equal(state.window_rect(), first, f"window with broken values {number}")
            case.equal(state.raw["zoomed"], False, f"maximized with broken values {number}")


@scenario("calc")
def calc_kept_place_brought_into_view(case, kit):
    check_kept_place_brought_into_view(case, kit, "calc")


@scenario("conv")
def conv_kept_place_brought_into_view(case, kit):
    check_kept_place_brought_into_view(case, kit, "conv")


def always_on_top_item(program, state):
    return state.menu.get(program.id(ALWAYS_ON_TOP[program.target.key]), {})


def check_always_on_top(case, program, locale, shown, what):
    """The item's text and check and the window's WS_EX_TOPMOST agree with `shown`."""
    state = program.state()
    item = always_on_top_item(program, state)
    case.equal(item.get("text"), ALWAYS_ON_TOP_TEXT[locale], f"item text {what}")
    case.equal((item.get("checked"), state.raw["topmost"]), (shown, shown),
               f"item checked, window topmost {what}")
    return state


def check_always_on_top_kept(case, kit, key, locale):
    language = "ja" if locale == JAPANESE else "en"
    with kit.running(case, key, locale=locale) as program:
        check_always_on_top(case, program, locale, False, "at a first start")
        program.syscmd(ALWAYS_ON_TOP[key])
        check_always_on_top(case, program, locale, True, "once chosen")
        # The system menu as Alt+Space opens it, with the item checked.
        program.drive("keys", "{%SPACE}")
        kit.screenshot_rect((0, 0, SCREEN_WIDTH, SCREEN_HEIGHT),
                            f"always-on-top-menu-{key}-{language}")
        program.drive("keys", "--as-is", "{ESC}")
        case.equal(program.close(), 0, "exit code")
    case.equal((window_section(program) or {}).get("AlwaysOnTop"), "1", "AlwaysOnTop written")
    with kit.running(case, key, locale=locale, folder=program.folder) as again:
        check_always_on_top(case, again, locale, True, "at the next start")
        again.syscmd(ALWAYS_ON_TOP[key])
        check_always_on_top(case, again, locale, False, "chosen again")
        case.equal(again.close(), 0, "exit code")
    case.equal((window_section(program) or {}).get("AlwaysOnTop"), "0", "AlwaysOnTop written off")


@scenario("calc")
def calc_always_on_top_kept_english(case, kit):
    check_always_on_top_kept(case, kit, "calc", ENGLISH)


@scenario("calc")
def calc_always_on_top_kept_japanese(case, kit):
    check_always_on_top_kept(case, kit, "calc", JAPANESE)


@scenario("conv")
def conv_always_on_top_kept_english(case, kit):
    check_always_on_top_kept(case, kit, "conv", ENGLISH)


@scenario("conv")
def conv_always_on_top_kept_japanese(case, kit):
    check_always_on_top_kept(case, kit, "conv", JAPANESE)


@scenario("calc")
def calc_square_root_leaves_the_order_the_setting_says(case, kit):
    """The window is topmost while a root is computed; afterwards only with "Always on top"."""
    with kit.running(case, "calc") as program:
        program.press("IDC_DIGIT_2", "IDC_SQRT")
        case.equal(program.state().raw["topmost"], False, "topmost after a root, setting off")
        program.syscmd("IDM_ALWAYS_ON_TOP")
        program.press("IDC_ALL_CLEAR", "IDC_DIGIT_3", "IDC_SQRT")
        state = program.state()
        case.equal(state.raw["topmost"], True, "topmost after a root, setting on")
        case.equal(always_on_top_item(program, state).get("checked"), True, "item checked")
        program.syscmd("IDM_ALWAYS_ON_TOP")
        program.press("IDC_SQRT")
        case.equal(program.state().raw["topmost"], False, "topmost after a root, setting off again")


def in_front(program, timeout_s=3):
    """The window's state once it is the foreground window, which Wine makes it a moment after
    the request (or the last state seen)."""
    deadline = time.time() + timeout_s
    state = program.state()
    while not state.raw["foreground"] and time.time() < deadline:
        time.sleep(0.2)
        state = program.state()
    return state


def check_second_copy_with_always_on_top(case, kit, key):
    with kit.running(case, key) as first:
        first.syscmd(ALWAYS_ON_TOP[key])
        first.drive("minimize")
        second = kit.launch(case, key, folder=first.folder)
        case.equal(second.process.wait(30), 0, "exit code of a second copy")
        count = first.window_count()
        case.equal((count["windows"], count["visible"]), (1, 1), "windows of the class")
        state = in_front(first)
        case.equal((state.raw["iconic"], state.raw["topmost"]), (False, True),
                   "the first copy minimized, topmost")
        case.equal(state.raw["foreground"], True, "the first copy in front")
        check_centred(case, state)


@scenario("calc")
def calc_second_copy_brings_the_topmost_first_forward(case, kit):
    check_second_copy_with_always_on_top(case, kit, "calc")


@scenario("conv")
def conv_second_copy_brings_the_topmost_first_forward(case, kit):
    check_second_copy_with_always_on_top(case, kit, "conv")

