#include "tests/invariants/exact_answers.h"

#include "calc/calc_ids.h"
#include "calc/notation_buttons.h"
#include "engine/digit_codec.h"
#include "engine/fixed_text.h"
#include "tests/reference/reference_engine.h"
#include "tests/support/exact_number.h"

namespace quarnic {
namespace {

using exact::Natural;

constexpr int LAST_PLACE = DIGIT_PLACES - 1;

// An operand text read as the calculator defines it: optional "-", at most 300 integer digits,
// fraction digits after the 900th dropped.
bool ReadOperand(std::string_view text, DigitString& digits, int& sign) {
    sign = !text.empty() && text[0] == '-' ? -1 : 1;
    text.remove_prefix(sign == -1 ? 1 : 0);
    const std::size_t point = text.find('.');
    const std::string_view integer = text.substr(0, point);
    std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    if (integer.size() > static_cast<std::size_t>(INTEGER_PLACES)) {
        return false;
    }
    digits = exact::MakeDigits(integer, fraction.substr(0, FRACTION_PLACES));
    return true;
}

// How many of the notation's top digits the console has room for, beside a point and the room
// for an exponent, measured in the view's font: the same for every number on show.
int ConsoleRoom(int notation, const RecordingCalculatorView& view) {
    const int limit = view.ConsoleWidth() - 27 - view.MeasureText(" C-333") - view.MeasureText(".");
    std::string run;
    while (view.MeasureText(run + DigitChar(notation - 1)) <= limit) {
        run += DigitChar(notation - 1);
    }
    return static_cast<int>(run.size());
}

// The shown form of a computed value: its top run rounded up when it reaches lastPlace and
// is as long as the console's room. False when that rounding overflows.
bool Shown(DigitString& digits, int notation, int lastPlace, const RecordingCalculatorView& view) {
    return reference::RoundUpTopRun(digits, notation, ConsoleRoom(notation, view), lastPlace) == 0;
}

std::string FirstDifference(const char* what, const DigitString& got, const DigitString& expected) {
    const std::string_view g(got.data(), DIGIT_PLACES);
    const std::string_view e(expected.data(), DIGIT_PLACES);
    if (g == e) {
        return {};
    }
    std::size_t at = 0;
    while (g[at] == e[at]) {
        ++at;
    }
    const std::size_t from = at < 10 ? 0 : at - 10;
    return std::string(what) + " differs from the exact value from place " + std::to_string(at) +
           ": shown ..." + std::string(g.substr(from, 30)) + " exact ..." +
           std::string(e.substr(from, 30));
}

// The signed sum or difference of "=": magnitude into `result`, its sign; false on overflow.
bool SignedSum(const DigitString& a, int signA, const DigitString& b, int signB, int notation,
               DigitString& result, int& sign) {
    const Natural x = exact::ScaledValue(a, notation);
    const Natural y = exact::ScaledValue(b, notation);
    Natural magnitude;
    if (signA == signB) {
        magnitude = x + y;
        sign = signA;
    } else {
        const Natural& positive = signA == 1 ? x : y;
        const Natural& negative = signA == 1 ? y : x;
        sign = negative <= positive ? 1 : -1;
        magnitude = sign == 1 ? positive - negative : negative - positive;
    }
    return exact::ToDigitString(magnitude, notation, result);
}

// Whether a notation key converts the shown answer: one of "=" is on show and no operator is
// pending.
bool AnswerConverts(const CalculatorState& s) {
    return !s.ErrorShown && !s.SecondOperandActive && !IsEmptyText(s.LastAnswerText);
}

bool IsNotationKey(int id) {
    return (id >= IDC_NOTATION_FIRST && id <= IDC_NOTATION_LAST) || id == IDC_STEP_DOWN ||
           id == IDC_STEP_UP;
}

}  // namespace

void ExactAnswers::Expect(const Calculator& calc, const CalculatorAction& action) {
    kind_ = Kind::Nothing;
    if (action.kind != CalculatorAction::Kind::Key) {
        return;
    }
    const CalculatorState& s = calc.state;
    consoleBefore_ = s.ConsoleText;
    if (action.id == IDC_EQUALS) {
        ExpectEquals(calc);
    } else if (action.id == IDC_SQRT) {
        ExpectRoot(calc);
    } else if (IsNotationKey(action.id) && AnswerConverts(s)) {
        kind_ = Kind::Switch;
    }
}

// "=" on a lone number computes it plus a zero typed in the checked notation.
void ExactAnswers::ExpectEquals(const Calculator& calc) {
    const CalculatorState& s = calc.state;
    const bool loneNumber = !s.SecondOperandActive && !IsEmptyText(s.FirstOperandText);
    if (!loneNumber && (IsEmptyText(s.FirstOperandText) || IsEmptyText(s.SecondOperandText) ||
                        IsEmptyText(s.PendingOperator))) {
        return;
    }
    kind_ = Kind::Equals;
    first_.valid = ReadOperand(TextOf(s.FirstOperandText), first_.digits, first_.sign);
    first_.notation = s.FirstNotation;
    second_.valid =
        ReadOperand(loneNumber ? "0" : TextOf(s.SecondOperandText), second_.digits, second_.sign);
    second_.notation = loneNumber ? ReadNotation(calc) : s.SecondNotation;
    operator_ = loneNumber ? '+' : s.PendingOperator[0];
}

void ExactAnswers::ExpectRoot(const Calculator& calc) {
    const CalculatorState& s = calc.state;
    const PlainText& text = s.SecondOperandActive ? s.SecondOperandText : s.FirstOperandText;
    if (IsEmptyText(text)) {
        return;
    }
    kind_ = Kind::Root;
    first_.valid = ReadOperand(TextOf(text), first_.digits, first_.sign);
    first_.notation = s.SecondOperandActive ? s.SecondNotation : s.FirstNotation;
    truncation_ = calc.sqrt.SqrtTruncation;
}

std::string ExactAnswers::Check(const Calculator& calc, const RecordingCalculatorView& view,
                                bool pressed) {
    if (!pressed) {
        return {};
    }
    switch (kind_) {
        case Kind::Equals:
            ++equalsChecked;
            return CheckEquals(calc, view);
        case Kind::Switch:
            ++switchesChecked;
            return CheckSwitch(calc, view);
        case Kind::Root:
            ++rootsChecked;
            return CheckRoot(calc, view);
        case Kind::Nothing:
            break;
    }
    return {};
}

namespace {

// The error display is on the console (the flag alone may be left from an earlier one).
bool ErrorDisplayed(const Calculator& calc) {
    return TextOf(calc.state.ConsoleText) == ERROR_DISPLAY_TEXT;
}

std::string ExpectError(const Calculator& calc, const char* why) {
    return ErrorDisplayed(calc) ? std::string() : std::string("no error display although ") + why;
}

// The shown answer, what saving writes and what the history keeps all hold `expected`.
std::string CheckShownAnswer(const Calculator& calc, const DigitString& expected) {
    if (ErrorDisplayed(calc)) {
        return "the error display instead of an answer";
    }
    std::string broken = FirstDifference("the answer", calc.engine.ResultDigits, expected);
    if (broken.empty()) {
        broken = FirstDifference("the saved answer", calc.last.AnswerDigits, expected);
    }
    DigitString carried;
    int sign = 1;
    if (broken.empty() && ReadOperand(TextOf(calc.state.FirstOperandText), carried, sign)) {
        broken = FirstDifference("the answer carried on", carried, expected);
    }
    return broken;
}

}  // namespace

std::string ExactAnswers::CheckEquals(const Calculator& calc, const RecordingCalculatorView& view) {
    if (!first_.valid || !second_.valid) {
        return ExpectError(calc, "an operand has more than 300 integer digits");
    }
    const int notation = second_.notation;
    EngineRegisters model;
    DigitString first = first_.digits;
    if (first_.notation != notation) {
        if (reference::ConvertDigits(model, first, first_.notation, notation) != 0) {
            return TextOf(calc.state.ConsoleText) == TextOf(consoleBefore_)
                       ? std::string()
                       : "\"=\" changed the console although its first operand cannot be converted";
        }
        first = model.ResultDigits;
    }
    DigitString answer;
    int sign = first_.sign * second_.sign;
    bool fits = true;
    if (operator_ == '+' || operator_ == '-') {
        const int secondSign = operator_ == '-' ? -second_.sign : second_.sign;
        fits = SignedSum(first, first_.sign, second_.digits, secondSign, notation, answer, sign);
    } else {
        fits = (operator_ == '*'
                    ? reference::MultiplyDigits(model, first, second_.digits, notation)
                    : reference::DivideDigits(model, first, second_.digits, notation)) == 0;
        answer = model.ResultDigits;
    }
    if (!fits || !Shown(answer, notation, LAST_PLACE, view)) {
        return ExpectError(calc, "the answer overflows or divides by zero");
    }
    computed_ = answer;
    computedNotation_ = notation;
    return CheckShownAnswer(calc, answer);
}

std::string ExactAnswers::CheckSwitch(const Calculator& calc, const RecordingCalculatorView& view) {
    const int to = ReadNotation(calc);
    EngineRegisters model;
    if (reference::ConvertDigits(model, computed_, computedNotation_, to) != 0 ||
        !Shown(model.ResultDigits, to, LAST_PLACE, view)) {
        return ExpectError(calc, "the answer cannot be converted");
    }
    return CheckShownAnswer(calc, model.ResultDigits);
}

std::string ExactAnswers::CheckRoot(const Calculator& calc, const RecordingCalculatorView& view) {
    const bool zero = reference::LeadingZeroCount(first_.digits) == DIGIT_PLACES;
    if (!first_.valid || (first_.sign == -1 && !zero)) {
        return ExpectError(calc, "the operand is negative or too long");
    }
    DigitString root;
    reference::SquareRoot(first_.digits, first_.notation, truncation_, root);
    const bool lost = reference::LeadingZeroCount(root) == DIGIT_PLACES &&
                      reference::LeadingZeroCount(first_.digits) < DIGIT_PLACES;
    if (lost || !Shown(root, first_.notation, UNITS_PLACE + truncation_, view)) {
        return ExpectError(calc, "the root has no digit within its places");
    }
    if (ErrorDisplayed(calc)) {
        return "the error display instead of a root";
    }
    computed_ = root;
    computedNotation_ = first_.notation;
    std::string broken = FirstDifference("the root", calc.engine.ResultDigits, root);
    if (broken.empty()) {
        broken = FirstDifference("the kept root", calc.sqrt.KeptRoot, root);
    }
    return broken;
}

}  // namespace quarnic
