"""Both programs at 96, 144 and 192 DPI (the prefix's LogPixels): the window grows with the menu
height and the system font, every key's caption fits inside its key, no control leaves the
client area or covers another, and the window stays on the screen; so do the converter's "All
notations" window, whose lines all show in full, and the calculator's history window. Screenshots
of each are kept.
Wine hands the real DPI to every program, aware or not, so this shows that the layout holds; what
the manifest changes on Windows (no stretched bitmap) cannot be seen here. The places of the
controls at 144 and 192 DPI are then what a change of DPI must reproduce (dpi_change_scenarios)."""

import time
from collections import Counter

from all_notations_scenarios import open_and_check_fit
from history_scenarios import open_history_and_check_fit
from common_checks import SCREEN_HEIGHT, SCREEN_WIDTH, check_layout
from dpi_change_scenarios import check_changes, reference_of
from scenario_kit import ENGLISH, JAPANESE, scenario

CONTROL_COUNTS = {"calc": 52, "conv": 50}
# A push button's caption keeps off its 3-D edge; a radio button's also off its round mark.
EDGE = 2
RADIO_MARK = 13


def caption_fits(key, dpi):
    """Whether the caption's line fits the key's width and its ink the key's height. The line
    is centred vertically; on the half-height step keys it is higher than the key, while the
    "+" and "-" drawn in it are not."""
    _, _, width, height = key["rect"]
    mark = RADIO_MARK * dpi // 96 + EDGE if key["kind"] == "radio" else 0
    text_width, line_height = key["text_size"]
    ink_top, ink_end = key["ink_rows"]
    line_top = (height - line_height) // 2
    return (text_width <= width - 2 * EDGE - mark and line_top + ink_top >= 0
            and line_top + ink_end <= height)


def check_captions_fit(case, keys, dpi, what):
    measured = 0
    for key in keys:
        if key["kind"] == "owner-drawn" or not key["text"]:
            continue  # the square-root key draws a figure, not a caption
        measured += 1
        case.check(caption_fits(key, dpi),
                   f"{what}: caption {key['text']!r} {key['text_size']} ink rows "
                   f"{key['ink_rows']} does not fit in key {key['id']} {key['rect']}")
    case.check(measured > 0, f"{what}: no key caption measured")


def look_at(case, kit, key, locale, dpi, references):
    """Starts the program, checks its layout at this DPI and keeps a screenshot; returns the
    window's size and the height of a row of keys, and records the places of its controls and of
    its tool window's in references[key, locale][dpi]."""
    language = "ja" if locale == JAPANESE else "en"
    what = f"{key} {language} at {dpi} DPI"
    with kit.running(case, key, locale=locale) as program:
        state = program.state()
        check_layout(case, state, CONTROL_COUNTS[key])
        x, y, width, height = state.window_rect()
        case.check(x >= 0 and y >= 0 and x + width <= SCREEN_WIDTH and y + height <= SCREEN_HEIGHT,
                   f"{what}: window {state.window_rect()} leaves the screen")
        keys = program.drive("key-captions", in_locale=True)["keys"]
        check_captions_fit(case, keys, dpi, what)
        shot = kit.screenshot(state, f"dpi{dpi}-{key}-{language}")
        print(f"     {what}: window {width}x{height}, screenshot {shot.name}", flush=True)
        if key == "conv":
            open_and_check_fit(case, kit, program, language, dpi, (SCREEN_WIDTH, SCREEN_HEIGHT))
        else:
            open_history_and_check_fit(case, kit, program, language, dpi)
        tool = program.drive("tool-window")["window"]
        references.setdefault((key, locale), {})[dpi] = reference_of(state, tool)
        # The digit keys, the most of one height, set the row height.
        heights = Counter(k["rect"][3] for k in keys if k["kind"] == "push")
        return (width, height), heights.most_common(1)[0][0]


@scenario("calc")
def layouts_at_96_144_and_192_dpi(case, kit):
    """Both programs in one scenario: every change of DPI restarts the prefix's server."""
    keys = [key for key in ("calc", "conv") if key in kit.programs]
    metrics, sizes, key_heights, references = {}, {}, {}, {}

    def look_at_all(dpi, locales):
        metrics[dpi] = kit.prefix.driver("-", "metrics")["metrics"]
        case.equal(metrics[dpi]["dpi"], dpi, "DPI the prefix reports")
        for key in keys:
            for locale in locales:
                sizes[key, dpi, locale], key_heights[key, dpi, locale] = look_at(
                    case, kit, key, locale, dpi, references)

    # 144 and 192 first: the other scenarios find the prefix at 96 DPI afterwards, whatever
    # happens.
    try:
        for dpi in (144, 192):
            kit.prefix.set_dpi(dpi)
            look_at_all(dpi, [ENGLISH, JAPANESE])
    finally:
        kit.prefix.set_dpi(96)
    look_at_all(96, [ENGLISH, JAPANESE])
    started = time.time()
    for (key, locale), fresh in references.items():
        check_changes(case, kit, key, locale, fresh)
    print(f"     the changes of DPI took {time.time() - started:.1f} s of this scenario", flush=True)

    for (key, dpi, locale), key_height in key_heights.items():
        # A key is as high as a menu bar and its border.
        case.equal(key_height, metrics[dpi]["menu_height"] + 2, f"{key} key height at {dpi} DPI")
    grown = metrics[144]["menu_height"] - metrics[96]["menu_height"]
    case.check(grown > 0, f"menu height did not grow at 144 DPI: {metrics}")
    for key in keys:
        (width_96, height_96) = sizes[key, 96, ENGLISH]
        for dpi in (144, 192):
            grown = metrics[dpi]["menu_height"] - metrics[96]["menu_height"]
            (width, height) = sizes[key, dpi, ENGLISH]
            case.check(height >= height_96 + 8 * grown,
                       f"{key}: window height {height_96} at 96 DPI, {height} at {dpi}: eight "
                       f"rows of keys should have grown by {grown} each")
            case.check(width >= width_96, f"{key}: narrower at {dpi} DPI: {width_96} -> {width}")
