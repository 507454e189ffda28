"""The About boxes of both programs, English and Japanese: every static text, wrapped as the
dialog wraps it in the dialog's own font, fits its place (the English boxes ask for "Helv",
which the prefixes map to a face of the right width). Screenshots of all four are kept."""

from scenario_kit import ENGLISH, JAPANESE, scenario

ABOUT_ITEMS = {"calc": "IDM_ABOUT", "conv": "IDM_CONV_ABOUT"}
# The templates' fonts: FONT 8, "Helv" and FONT 9, "ＭＳ Ｐゴシック".
DIALOG_FONTS = {ENGLISH: ("Helv", 8), JAPANESE: ("ＭＳ Ｐゴシック", 9)}


def check_about_box(case, kit, key, locale):
    language = "ja" if locale == JAPANESE else "en"
    with kit.running(case, key, locale=locale) as program:
        program.post_syscmd(ABOUT_ITEMS[key])
        face, points = DIALOG_FONTS[locale]
        answer = program.drive("dialog-fit", face, points, in_locale=True)
        texts = answer["statics"]
        case.check(len(texts) >= 2, f"{key} {language}: About texts {texts}")
        for text in texts:
            room, needed = text["room"], text["needed"]
            case.check(needed[0] <= room[0] and needed[1] <= room[1],
                       f"{key} {language}: {text['text']!r} needs {needed}, has {room}")
        shot = kit.screenshot_rect(answer["dialog"]["window"], f"about-{key}-{language}")
        print(f"     {key} {language}: About box {answer['dialog']['window'][2:]}, {shot.name}",
              flush=True)


@scenario("calc")
def about_boxes_fit_their_texts(case, kit):
    for key in ("calc", "conv"):
        if key in kit.programs:
            for locale in (ENGLISH, JAPANESE):
                check_about_box(case, kit, key, locale)
