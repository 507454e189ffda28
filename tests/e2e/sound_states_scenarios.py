"""Sound in every state, seen from outside with real keys (SendInput), the real clipboard and
real files: a number of every place pasted, carried on and copied back whole; "Save answer"
writing 900 places; the error display left by digits after an operator; "CE" after an operator;
the converter pasting back the All notations line of 2^64 - 1 in notation 32."""

from all_notations_scenarios import tool_keys
from calc_scenarios import save_and_read
from keyboard_scenarios import check_copied, keys, paste
from scenario_kit import ENGLISH, scenario

FULL_NUMBER = "7" + "3" * 298 + "1." + "5" * 450 + "2" * 449 + "9"


@scenario("calc")
def calc_sound_states(case, kit):
    with kit.running(case, "calc", locale=ENGLISH) as program:
        paste(program, FULL_NUMBER)
        keys(program, "+0=")
        check_copied(case, program, FULL_NUMBER, "a pasted number of 300 + 900 digits + 0 =")
        keys(program, "{F9}")  # +/- on every digit
        check_copied(case, program, "-" + FULL_NUMBER, "its sign changed")

        keys(program, "{ESC}", "1/3=")
        case.equal(save_and_read(case, program, "third.txt"),
                   b"1 (10) /\r\n3 (10) =\r\n0." + b"3" * 900 + b" (10)\r\n",
                   "Save answer after 1 / 3 =")

        keys(program, "{ESC}", "1/0=")
        kit.screenshot(program.state(), "sound-error-display")
        keys(program, "+2=")
        check_copied(case, program, "2", "the error display, +, 2 =")
        keys(program, "{ESC}", "1/0=", "+9@")
        case.check(program.state().menu_enabled(program.id("IDM_COPY")),
                   "Copy grey after the error display, + and the root of 9")
        check_copied(case, program, "3", "the error display, +, the root of 9")

        keys(program, "{ESC}", "5+", "{DEL}", "3+1=")
        check_copied(case, program, "4", "5 + CE 3 + 1 =")

        tiny = "0." + "0" * 899 + "9"
        paste(program, tiny)
        keys(program, "+0=")
        check_copied(case, program, tiny, "9 at the 900th place + 0 =")
        kit.screenshot(program.state(), "sound-tiny-number")


@scenario("conv")
def conv_paste_takes_every_number_below_two_to_the_64(case, kit):
    with kit.running(case, "conv", locale=ENGLISH) as program:
        keys(program, "{F5}", "FFFFFFFFFFFFFFFF")  # From 16: 2^64 - 1
        keys(program, "{^L}")
        tool_keys(program, "{END}", "{^C}")  # the line of notation 32
        line = program.clipboard().get("unicode")
        case.equal(line, "FVVVVVVVVVVVV (32)", "the All notations line of notation 32")
        tool_keys(program, "{ESC}")
        keys(program, "{ESC}", "{+F6}")  # To 10
        program.drive("set-clipboard", line)
        keys(program, "{^V}")
        program.syscmd("IDM_CONV_COPY_ANSWER")
        case.equal(program.clipboard().get("unicode"),
                   "FVVVVVVVVVVVV (32) = 18446744073709551615 (10)",
                   "the line of 32 pasted back, 13 digits against a typing limit of 12")
        program.drive("set-clipboard", "1" + "0" * 64 + " (2)")
        keys(program, "{^V}")
        warning = program.press_in_dialog(1)
        case.equal(warning["caption"], "Warning", "the warning for 2^64 pasted")
        program.syscmd("IDM_CONV_COPY_ANSWER")
        case.equal(program.clipboard().get("unicode"),
                   "FVVVVVVVVVVVV (32) = 18446744073709551615 (10)", "after 2^64 was refused")
