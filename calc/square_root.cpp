#include "calc/square_root.h"

#include <string_view>

#include "calc/calc_ids.h"
#include "calc/calculator_state.h"
#include "calc/display_updates.h"
#include "calc/result_display.h"
#include "calc/shown_answer.h"
#include "common/wait_cursor.h"
#include "engine/console_form.h"
#include "engine/digit_text.h"
#include "engine/exact_root.h"
#include "engine/fixed_text.h"

namespace quarnic {

namespace {

constexpr int FAILED = -1;

// The first root of a run keeps the answer it started from, for saving: the recorded answer,
// not ResultDigits, which an earlier root may have overwritten since.
void RememberAnswerBeforeRoots(Calculator& calc) {
    if (calc.sqrt.SqrtRepeatCount == 0) {
        calc.sqrt.PreSqrtAnswer = calc.last.AnswerDigits;
        calc.sqrt.PreSqrtNotation = calc.last.AnswerNotation;
    }
}

// Leaves the truncated root in KeptRoot, or fails for a negative or too long operand and
// for a number that is not zero but whose root has no digit within the kept places. A zero
// with a "-" ("0 +/-") is zero, and its root is 0.
int ComputeRoot(Calculator& calc, std::string_view operandText) {
    DigitString operand;
    int sign = 1;
    if (ParseOperandText(operandText, true, operand, sign) != 0 ||
        (sign == -1 && LeadingZeroCount(operand) < DIGIT_PLACES)) {
        return FAILED;
    }
    RememberAnswerBeforeRoots(calc);
    if (calc.sqrt.SqrtRepeatCount == 0) {
        calc.sqrt.PreSqrtOperand = operand;
        calc.sqrt.PreSqrtOperandNotation = calc.sqrt.SqrtNotation;
    }
    SqrtState& sqrt = calc.sqrt;
    ExactSquareRoot(operand, sqrt.SqrtNotation, sqrt.SqrtTruncation, sqrt.KeptRoot);
    const bool rootLost =
        LeadingZeroCount(sqrt.KeptRoot) == DIGIT_PLACES && LeadingZeroCount(operand) < DIGIT_PLACES;
    return rootLost ? FAILED : 0;
}

// The root goes through the same console form as an answer; its plain text replaces the
// operand it was taken of, so "=" and further roots work on every digit of it.
void PublishRoot(Calculator& calc) {
    EngineRegisters& engine = calc.engine;
    SqrtState& sqrt = calc.sqrt;
    engine.ResultDigits = sqrt.KeptRoot;
    FormatAnswerForView(engine, *calc.view, 1, sqrt.SqrtNotation, TO_SQRT_PLAIN_TEXT,
                        TopDigitRun::RoundUp, UNITS_PLACE + sqrt.SqrtTruncation);
    // The round-up for the console may have changed the root; the saved root follows it.
    sqrt.KeptRoot = engine.ResultDigits;
    RememberComputedAnswer(calc, sqrt.SqrtNotation);

    CalculatorState& state = calc.state;
    EndEntry(state);
    SetText(state.ConsoleText, TextOf(engine.ResultConsoleText));
    RepaintConsole(calc);
    SetText(TargetOperand(state), TextOf(engine.SqrtPlainText));
    if (!state.SecondOperandActive) {
        state.AnswerSign = 1;
    }
    ++sqrt.SqrtRepeatCount;
}

void RootOfTargetOperand(Calculator& calc) {
    CalculatorState& state = calc.state;
    calc.sqrt.SqrtNotation = state.SecondOperandActive ? state.SecondNotation : state.FirstNotation;
    const PlainText& operand = TargetOperand(state);
    if (IsEmptyText(operand)) {
        return;
    }
    if (ComputeRoot(calc, TextOf(operand)) != 0) {
        ShowErrorDisplay(calc);
        return;
    }
    PublishRoot(calc);
    calc.state.Moment = HistoryMoment::Root;
}

}  // namespace

void SquareRoot(Calculator& calculator) {
    CalculatorView& view = *calculator.view;
    WaitCursor wait(view);
    view.OpenPleaseWait();
    RootOfTargetOperand(calculator);
    view.ClosePleaseWait();
}

int TruncationButtonFor(int truncation) {
    if (truncation == 100) {
        return IDC_SQRT_TRUNCATION_100;
    }
    if (truncation == 200) {
        return IDC_SQRT_TRUNCATION_200;
    }
    return IDC_SQRT_TRUNCATION_300;
}

SqrtSettingChoice::SqrtSettingChoice(SqrtState& sqrt)
    : sqrt_(sqrt), restoreTruncation_(sqrt.SqrtTruncation) {}

int SqrtSettingChoice::OnTruncationClicked(int buttonId) {
    switch (buttonId) {
        case IDC_SQRT_TRUNCATION_100:
            sqrt_.SqrtTruncation = 100;
            break;
        case IDC_SQRT_TRUNCATION_200:
            sqrt_.SqrtTruncation = 200;
            break;
        case IDC_SQRT_TRUNCATION_300:
            sqrt_.SqrtTruncation = 300;
            break;
        default:
            break;
    }
    return TruncationButtonFor(sqrt_.SqrtTruncation);
}

void SqrtSettingChoice::OnCancel() {
    sqrt_.SqrtTruncation = restoreTruncation_;
}

void SqrtSettingChoice::OnClose() {
    sqrt_.SqrtTruncation = restoreTruncation_;
}

void SqrtSettingDialog(Calculator& calculator) {
    SqrtSettingChoice choice(calculator.sqrt);
    calculator.view->RunSqrtSettingDialog(TruncationButtonFor(calculator.sqrt.SqrtTruncation),
                                          choice);
}

}  // namespace quarnic
