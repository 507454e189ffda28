"""A window that reaches a monitor of another DPI lays itself out again (called from
dpi_scenarios, which records what fresh starts at 144 and 192 DPI give). Wine has one DPI for
all monitors and never sends WM_DPICHANGED, so the driver delivers it from inside the program, as
Windows would: 96 -> 144 -> 192 -> 96, to the main window, then to its tool window. After each
change the main window takes the suggested rectangle (its size in proportion to the DPI); made the
size of a fresh start there, every control must stand where that start puts it, what was typed and
shown must still be there, and back at 96 DPI the window must look exactly as before, pixel for pixel.
Screenshots of every step are kept; the time each change took is printed."""

import subprocess
import tempfile
from pathlib import Path

from history_scenarios import press_keys
from conv_scenarios import type_keys
from scenario_kit import JAPANESE

STEPS = (144, 192, 96)
# Both paths measure the same fonts, so the places agree exactly; a pixel is what a change may
# differ by where they would not.
TOLERANCE = 1
# The layout rules themselves take well under 50 ms (bench/dpi_layout_bench); under Wine a
# change also makes fonts and moves real windows, which costs tens to hundreds of milliseconds
# on a busy machine. The times are reported; only a change that hangs fails.
CHANGE_LIMIT_MS = 5000
# A scroll bar's height at 96 DPI.
SCROLL_BAR = 17
# The texts that must survive the changes: the calculator has 1/3 in memory and 78 typed as the
# second operand of "+"; the converter 255 in From and FF in To.
CARRIERS = {"calc": ("IDC_CONSOLE_TEXT", "IDC_MEMORY_MARK_TEXT", "IDC_OTHER_NOTATION_TEXT"),
            "conv": ("IDC_CONV_INPUT_TEXT", "IDC_CONV_ANSWER_TEXT", "IDC_CONV_TO_OTHER_TEXT")}


def reference_of(state, tool=None):
    """What a fresh start shows, for the comparison: every control's place by id (keys and the
    carriers of painted texts), the window's size and, if open, the tool window's."""
    places = {c["id"]: c["rect"] for c in state.raw["controls"]}
    reference = {"places": places, "size": state.window_rect()[2:]}
    if tool is not None:
        reference["tool"] = {c["id"]: c["rect"] for c in tool["controls"]}
        reference["tool_client"] = tool["client_size"]
    return reference


def type_into(program, key):
    if key == "calc":
        press_keys(program, "1 / 3 =")
        program.press("IDC_MEMORY_IN")
        press_keys(program, "+ 7 8")
    else:
        type_keys(program, "2 5 5 T16")


def shown_texts(program, state, key):
    texts = {name: state.texts.get(program.id(name), {}).get("text") for name in CARRIERS[key]}
    return texts, sorted(state.checked_ids())


def worst_difference(places, expected):
    """The largest difference of any coordinate, and the ids missing on either side."""
    worst = 0
    for control_id, rect in expected.items():
        if control_id in places:
            worst = max([worst] + [abs(a - b) for a, b in zip(places[control_id], rect)])
    return worst, set(expected) ^ set(places)


def check_places(case, places, expected, what):
    worst, unmatched = worst_difference(places, expected)
    case.check(not unmatched, f"{what}: controls {sorted(unmatched)} on one side only")
    case.check(worst <= TOLERANCE,
               f"{what}: a control stands {worst} px from where a fresh start puts it: "
               + ", ".join(f"{i} {places.get(i)} != {r}" for i, r in expected.items()
                           if places.get(i) != r))
    return worst


def identical(first, second, masked=None):
    """ImageMagick's count of differing pixels between two screenshots (0: identical), outside
    the rectangle masked = (x, y, width, height) if given."""
    with tempfile.TemporaryDirectory() as folder:
        images = [str(first), str(second)]
        if masked:
            x, y, width, height = masked
            draw = ["-fill", "black", "-draw",
                    f"rectangle {x},{y} {x + width - 1},{y + height - 1}"]
            for i, image in enumerate(list(images)):
                images[i] = str(Path(folder) / f"{i}.png")
                subprocess.run(["convert", image] + draw + [images[i]], check=True, timeout=60)
        result = subprocess.run(["compare", "-metric", "AE"] + images + ["null:"],
                                stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True,
                                timeout=60, check=False)
    return result.stderr.strip()


def full_text_scroll_bar(tool):
    """Where the history window's full text has its horizontal scroll bar, in the screenshot.
    Wine's multi-line edit control keeps the width of the widest line it has ever held, in any
    font, so after the text was shown at 192 DPI its scroll bar keeps a thumb that a fresh
    window does not have; the rest of the window must match to the pixel."""
    for control in tool["controls"]:
        if control["class"] == "Edit" and control["rect"][3] > 3 * SCROLL_BAR:
            x, y, width, height = control["rect"]
            left = tool["client_origin"][0] - tool["window"][0]
            top = tool["client_origin"][1] - tool["window"][1]
            return left + x, top + y + height - SCROLL_BAR - 2, width, SCROLL_BAR + 2
    return None


def change_to(program, dpi, old, tool=False):
    """Delivers the change; returns the milliseconds it took to lay out and then to repaint."""
    args = ["dpi-change", dpi, old] + (["tool"] if tool else [])
    change = program.drive(*args)["change"]
    return change["layout_us"] / 1000, change["paint_us"] / 1000


def step_through_main_window(case, kit, program, key, fresh, name):
    state = program.state()
    before = shown_texts(program, state, key)
    first = kit.screenshot(state, f"{name}-96")
    old, times, worst = 96, [], 0
    for dpi in STEPS:
        old_size = program.state().window_rect()[2:]
        times.append(change_to(program, dpi, old))
        old = dpi
        what = f"{name} after the change to {dpi} DPI"
        state = take_fresh_size(case, program, dpi, old_size, fresh[dpi]["size"], what)
        worst = max(worst, check_places(case, {c["id"]: c["rect"] for c in state.raw["controls"]},
                                        fresh[dpi]["places"], what))
        case.equal(state.window_rect()[2:], fresh[dpi]["size"], f"{what}: window size")
        case.equal(shown_texts(program, state, key), before, f"{what}: texts and checks")
        last = kit.screenshot(state, f"{name}-{dpi}" + ("-back" if dpi == 96 else ""))
    case.equal(identical(first, last), "0", f"{name}: pixels differing after the return to 96 DPI")
    return times, worst


def take_fresh_size(case, program, dpi, old_size, fresh_size, what):
    """The main window takes the suggested rectangle, its size in proportion to the DPI (or the
    smallest layout's there, if larger); at a fresh start's size it must then stand as one."""
    old_dpi = {144: 96, 192: 144, 96: 192}[dpi]
    size = program.state().window_rect()[2:]
    expected = [max(round(s * dpi / old_dpi), f) for s, f in zip(old_size, fresh_size)]
    case.check(all(abs(a - b) <= TOLERANCE for a, b in zip(size, expected)),
               f"{what}: the window is {list(size)}, not in proportion ({expected})")
    program.drive("resize", *fresh_size)
    return program.state()


def step_through_tool_window(case, kit, program, key, fresh, name):
    tool = program.drive("tool-window")["window"]
    lines = tool["list"]["items"]
    first = kit.screenshot_rect(tool["window"], f"{name}-96")
    old, times, worst = 96, [], 0
    for dpi in STEPS:
        times.append(change_to(program, dpi, old, tool=True))
        old = dpi
        tool = program.drive("tool-window")["window"]
        if key == "calc":
            tool = size_client_as(program, tool, fresh[dpi]["tool_client"])
        what = f"{name} after the change to {dpi} DPI"
        places = {c["id"]: c["rect"] for c in tool["controls"]}
        worst = max(worst, check_places(case, places, fresh[dpi]["tool"], what))
        case.equal(tool["list"]["items"], lines, f"{what}: the list's lines")
        last = kit.screenshot_rect(tool["window"], f"{name}-{dpi}" + ("-back" if dpi == 96 else ""))
    masked = full_text_scroll_bar(tool) if key == "calc" else None
    case.equal(identical(first, last, masked), "0",
               f"{name}: pixels differing after the return to 96 DPI")
    return times, worst


def size_client_as(program, tool, client):
    """The history window keeps the size it was given; for the comparison it takes the client
    size of the fresh start, and its table of sizes places the controls for that."""
    width, height = tool["window"][2:]
    frame = (width - tool["client_size"][0], height - tool["client_size"][1])
    program.drive("history", "size", client[0] + frame[0], client[1] + frame[1])
    return program.drive("tool-window")["window"]


def open_tool_window(program, key):
    program.drive("keys", "{^H}" if key == "calc" else "{^L}")


def check_changes(case, kit, key, locale, fresh):
    """fresh[dpi] is reference_of() a fresh start at that DPI, with the tool window open."""
    language = "ja" if locale == JAPANESE else "en"
    name = f"dpichange-{key}-{language}"
    with kit.running(case, key, locale=locale) as program:
        type_into(program, key)
        times, worst = step_through_main_window(case, kit, program, key, fresh, name)
        if key == "calc":
            press_keys(program, "=")
            answer = program.state().texts[program.id("IDC_CONSOLE_TEXT")]["text"]
            case.check(answer.startswith("78.3333333333"), f"1/3 + 78 after the changes: {answer}")
        open_tool_window(program, key)
        tool_name = f"dpichange-{'history' if key == 'calc' else 'all-notations'}-{language}"
        tool_times, tool_worst = step_through_tool_window(case, kit, program, key, fresh,
                                                          tool_name)
    for label, spent, off in ((name, times, worst), (tool_name, tool_times, tool_worst)):
        print(f"     {label}: changes to {', '.join(map(str, STEPS))} DPI laid out in "
              f"{', '.join(f'{t[0]:.1f}' for t in spent)} ms, repainted in "
              f"{', '.join(f'{t[1]:.1f}' for t in spent)} ms; places within {off} px of fresh "
              "starts", flush=True)
        slowest = max(t[0] for t in spent)
        case.check(slowest < CHANGE_LIMIT_MS,
                   f"{label}: a change of DPI took {slowest:.1f} ms (limit {CHANGE_LIMIT_MS})")
