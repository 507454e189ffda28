"""Scenarios against the driver's own test window: they check the driver and the harness
themselves (keys, checks, system menu, message boxes, the save dialog, the clipboard, single
instance), so a failure here points at the test machinery rather than at a program."""

from scenario_kit import JAPANESE, scenario


@scenario("fixture")
def fixture_keys_checks_and_menu(case, kit):
    with kit.running(case, "fixture") as program:
        before = program.state()
        case.equal(before.title, "Fixture Window", "title")
        case.check(before.menu_readable, "system menu unreadable")
        toggle = program.id("FIXTURE_KEY_TOGGLE")
        case.check(toggle not in before.enabled_ids(), "toggle key enabled at start")
        case.equal(before.checked_ids(), {program.id("FIXTURE_RADIO_A")}, "checked at start")
        case.check(not before.menu_enabled(program.id("FIXTURE_MENU_SAVE")), "save item enabled")

        program.press("FIXTURE_KEY_COUNT")
        after = program.state()
        case.check(toggle in after.enabled_ids(), "toggle key still disabled")
        case.equal(after.checked_ids(), {program.id("FIXTURE_RADIO_B")}, "checked after press")
        case.check(after.menu_enabled(program.id("FIXTURE_MENU_SAVE")), "save item still grey")


@scenario("fixture")
def fixture_message_box_and_clipboard(case, kit):
    with kit.running(case, "fixture") as program:
        program.post("FIXTURE_KEY_WARN")
        shown = program.press_in_dialog(1)
        case.equal(shown["caption"], "Warning", "message box caption")
        case.equal(shown["statics"],
                   ["Maximum number of digits is 19 for 10 notation number."], "message text")
        case.equal(program.open_dialog_after(300), None, "dialog left open after OK")

        program.press("FIXTURE_KEY_COPY")
        clipboard = program.clipboard()
        case.equal(clipboard.get("ansi"), "255 (10) = FF (16)", "CF_TEXT")


@scenario("fixture")
def fixture_save_dialog(case, kit):
    with kit.running(case, "fixture") as program:
        program.save_as("FIXTURE_MENU_SAVE", "answer.txt")
        case.equal(program.wait_for_file("answer.txt"), b"fixture\r\n", "saved bytes")

        program.save_as("FIXTURE_MENU_SAVE", "answer.dat")
        refusal = program.press_in_dialog(1)
        case.equal(refusal["statics"], ["Assign a file with TXT extension."], "refusal text")
        case.check(not (program.folder / "answer.dat").exists(), "answer.dat was written")

        again = program.save_as("FIXTURE_MENU_SAVE", "answer.txt")
        case.check(not again["closed"], "no overwrite question for an existing file")
        program.press_in_dialog(7)  # No
        program.press_in_dialog(2)  # Cancel


@scenario("fixture")
def fixture_single_instance_and_language(case, kit):
    with kit.running(case, "fixture", locale=JAPANESE) as first:
        case.equal(first.state().title, "試験ウィンドウ", "Japanese title")
        second = kit.launch(case, "fixture", folder=first.folder)
        case.equal(second.process.wait(30), 0, "exit code of the second copy")
        case.equal(first.window_count(), {"ok": True, "windows": 1, "visible": 1}, "windows")
        case.equal(first.close(), 0, "exit code after closing")
