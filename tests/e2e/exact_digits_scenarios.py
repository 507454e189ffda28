"""Every digit exact, seen from outside: real keys (SendInput) to the calculator, its answers read
back from the real clipboard with every digit and compared with Python's exact integers; a
notation switch back and forth loses nothing, an integer of top digits keeps its value, a third
times three is 1, and the square root of 0 is 0."""

from keyboard_scenarios import check_copied, keys, paste
from scenario_kit import ENGLISH, scenario

PLACES = 900


def spelled(scaled, notation):
    """A value times notation^900 as the calculator writes it: no leading or trailing zeros."""
    digits = "0123456789ABCDEFGHIJKLMNOPQRSTUV"
    text = ""
    while scaled:
        scaled, digit = divmod(scaled, notation)
        text = digits[digit] + text
    text = text.rjust(PLACES + 1, "0")
    whole, fraction = text[:-PLACES].lstrip("0") or "0", text[-PLACES:].rstrip("0")
    return f"{whole}.{fraction}" if fraction else whole


@scenario("calc")
def calc_exact_digits(case, kit):
    with kit.running(case, "calc", locale=ENGLISH) as program:
        decimal_third = 10**PLACES // 3
        keys(program, "1/3=", "{F8}")  # notation 2
        check_copied(case, program, spelled(decimal_third * 2**PLACES // 10**PLACES, 2),
                     "1 / 3 = in notation 2")
        kit.screenshot(program.state(), "exact-third-in-2")
        keys(program, "{F5}", "{F6}")  # notation 16, back to 10
        check_copied(case, program, "0." + "3" * PLACES, "1 / 3 = in notation 2, 16 and 10")
        keys(program, "*3=")
        check_copied(case, program, "1", "1 / 3 = * 3 =")

        keys(program, "{ESC}")
        paste(program, "FFFFFFFFFFFFFFFF (16)")
        keys(program, "+0=", "{F8}")
        check_copied(case, program, "1" * 64, "FFFFFFFFFFFFFFFF (16) + 0 = in notation 2")
        keys(program, "{F6}")
        check_copied(case, program, str(2**64 - 1), "the same in notation 10")

        keys(program, "{ESC}", "0@")  # the square root of 0
        check_copied(case, program, "0", "the square root of 0")
        case.check(program.state().menu_enabled(program.id("IDM_COPY")),
                   "Copy grey after the root of 0 (the error display?)")
