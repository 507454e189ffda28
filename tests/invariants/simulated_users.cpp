#include "tests/invariants/simulated_users.h"

#include <algorithm>
#include <array>

#include "calc/calc_ids.h"
#include "calc/notation_buttons.h"
#include "conv/conv_ids.h"
#include "engine/digit_codec.h"
#include "engine/digit_string.h"

namespace quarnic {
namespace {

enum CalculatorChoice {
    DIGIT,
    POINT,
    SIGN,
    OPERATOR,
    EQUALS,
    CLEAR_ENTRY,
    ALL_CLEAR,
    NOTATION_BUTTON,
    STEP,
    MEMORY_IN,
    MEMORY_RECALL,
    SQUARE_ROOT,
    SQRT_SETTING,
    ANY_ACTION,
    BACKSPACE,
    PASTE,
    CALCULATOR_CHOICES
};

constexpr std::array<double, CALCULATOR_CHOICES> CALCULATOR_WEIGHTS = {36, 3, 3, 12, 9, 3, 2, 6,
                                                                       3,  2, 2, 2,  1, 3, 3, 2};

enum ConverterChoice {
    CONV_DIGIT,
    CONV_ALL_CLEAR,
    CONV_CLEAR_ERROR,
    FROM_BUTTON,
    FROM_STEP,
    TO_BUTTON,
    TO_STEP,
    COPY,
    CONV_ANY_ACTION,
    CONVERTER_CHOICES
};

constexpr std::array<double, CONVERTER_CHOICES> CONVERTER_WEIGHTS = {55, 3, 6, 6, 3, 8, 4, 5, 3};

// The setting dialog's actions close the list: three radios, three endings.
constexpr int SQRT_SETTING_ACTIONS = 9;

constexpr PaneKeys FROM_PANE_KEYS{IDC_CONV_FROM_2, IDC_CONV_FROM_STEP_DOWN, IDC_CONV_FROM_STEP_UP};
constexpr PaneKeys TO_PANE_KEYS{IDC_CONV_TO_2, IDC_CONV_TO_STEP_DOWN, IDC_CONV_TO_STEP_UP};

// The longest burst of one step key: 25 steps visit every notation behind "X".
constexpr int LONGEST_STEP_BURST = 26;

int FromNotationNow(const ScriptedConverter& scripted) {
    return scripted.converter.state.FromSelection;
}

}  // namespace

int ChooseSequenceLength(KeyChoices& choices) {
    if (choices.InRange(1, 100) <= 90) {
        return choices.InRange(1, 40);
    }
    return choices.InRange(41, 200);
}

// Digits of a number typed in one go: usually a few, sometimes past the 24-character limit.
int SimulatedCalculatorUser::RunLength() {
    int percent = choices_.Below(100);
    if (percent < 70) {
        return 1 + choices_.Below(3);
    }
    if (percent < 95) {
        return 4 + choices_.Below(9);
    }
    return 13 + choices_.Below(18);
}

void SimulatedCalculatorUser::PlanStepBurst() {
    repeated_ = CalculatorKey(choices_.Below(2) == 0 ? IDC_STEP_UP : IDC_STEP_DOWN);
    repeatsLeft_ = choices_.Below(LONGEST_STEP_BURST);
}

CalculatorAction SimulatedCalculatorUser::NextAction(const ScriptedCalculator& scripted) {
    if (repeatsLeft_ > 0) {
        --repeatsLeft_;
        if (digitRun_) {
            int notation = ReadNotation(scripted.calc);
            return CalculatorKey(IDC_DIGIT_FIRST + choices_.Below(notation));
        }
        return repeated_;
    }
    return ChooseFresh(scripted);
}

CalculatorAction SimulatedCalculatorUser::ChooseFresh(const ScriptedCalculator& scripted) {
    static constexpr int OPERATORS[] = {IDC_ADD, IDC_SUBTRACT, IDC_MULTIPLY, IDC_DIVIDE};
    std::span<const CalculatorAction> all = AllCalculatorActions();
    digitRun_ = false;
    switch (choices_.Weighted(CALCULATOR_WEIGHTS)) {
        case DIGIT:
            digitRun_ = true;
            repeatsLeft_ = RunLength() - 1;
            return CalculatorKey(IDC_DIGIT_FIRST + choices_.Below(ReadNotation(scripted.calc)));
        case POINT:
            return CalculatorKey(IDC_POINT);
        case SIGN:
            return CalculatorKey(IDC_SIGN);
        case OPERATOR:
            return CalculatorKey(OPERATORS[choices_.Below(4)]);
        case EQUALS:
            return CalculatorKey(IDC_EQUALS);
        case CLEAR_ENTRY:
            return CalculatorKey(IDC_CLEAR_ENTRY);
        case ALL_CLEAR:
            return CalculatorKey(IDC_ALL_CLEAR);
        case NOTATION_BUTTON: {
            int button = IDC_NOTATION_FIRST + choices_.Below(6);
            if (button == IDC_NOTATION_X) {
                PlanStepBurst();  // "X", then on to the wanted notation
            }
            return CalculatorKey(button);
        }
        case STEP:
            PlanStepBurst();
            return repeated_;
        case MEMORY_IN:
            return CalculatorKey(IDC_MEMORY_IN);
        case MEMORY_RECALL:
            return CalculatorKey(IDC_MEMORY_RECALL);
        case SQUARE_ROOT:
            return CalculatorKey(IDC_SQRT);
        case SQRT_SETTING:
            return all[all.size() - SQRT_SETTING_ACTIONS + choices_.Below(SQRT_SETTING_ACTIONS)];
        case BACKSPACE:
            return CalculatorKey(IDK_BACKSPACE);  // typed only: no button stands for it
        case PASTE:
            return ChoosePaste(ReadNotation(scripted.calc));
        default:
            return all[choices_.Below(static_cast<int>(all.size()))];
    }
}

std::string SimulatedCalculatorUser::RandomDigits(int count, int notation) {
    std::string digits;
    for (int k = 0; k < count; ++k) {
        digits += DigitChar(choices_.Below(notation));
    }
    return digits;
}

CalculatorAction SimulatedCalculatorUser::ChoosePaste(int notation) {
    pasteText_ = choices_.Below(4) == 0 ? "-" : "";
    const int shape = choices_.Below(3);
    if (shape == 0) {
        pasteText_ += RandomDigits(1 + choices_.Below(5), notation);
    } else if (shape == 1) {
        const int zeros = choices_.Below(FRACTION_PLACES);
        const int digits = 1 + choices_.Below(std::min(5, FRACTION_PLACES - zeros));
        pasteText_ += "0." + std::string(static_cast<std::size_t>(zeros), '0') +
                      RandomDigits(digits - 1, notation) +
                      DigitChar(1 + choices_.Below(notation - 1));
    } else {
        pasteText_ += "1" + RandomDigits(choices_.Below(INTEGER_PLACES), notation) + "." +
                      RandomDigits(choices_.Below(FRACTION_PLACES + 1), notation);
    }
    return {CalculatorAction::Kind::Paste, 0, 0, pasteText_};
}

void SimulatedConverterUser::PlanStepBurst(const PaneKeys& pane) {
    repeated_ = choices_.Below(2) == 0 ? pane.stepUp : pane.stepDown;
    repeatsLeft_ = choices_.Below(LONGEST_STEP_BURST);
}

// One of the pane's six buttons; "X" is followed by steps to the wanted notation.
int SimulatedConverterUser::ChooseButtonOf(const PaneKeys& pane) {
    int button = pane.first + choices_.Below(6);
    if (button == pane.first + 5) {
        PlanStepBurst(pane);
    }
    return button;
}

int SimulatedConverterUser::NextAction(const ScriptedConverter& scripted) {
    if (repeatsLeft_ > 0) {
        --repeatsLeft_;
        if (digitRun_) {
            return IDC_CONV_DIGIT_0 + choices_.Below(FromNotationNow(scripted));
        }
        return repeated_;
    }
    return ChooseFresh(scripted);
}

int SimulatedConverterUser::ChooseFresh(const ScriptedConverter& scripted) {
    digitRun_ = false;
    switch (choices_.Weighted(CONVERTER_WEIGHTS)) {
        case CONV_DIGIT:
            // Runs long enough to reach the digit limit of every notation now and then.
            digitRun_ = true;
            repeatsLeft_ = choices_.Below(choices_.Below(4) == 0 ? 70 : 8);
            return IDC_CONV_DIGIT_0 + choices_.Below(FromNotationNow(scripted));
        case CONV_ALL_CLEAR:
            return IDC_CONV_ALL_CLEAR;
        case CONV_CLEAR_ERROR:
            return IDC_CONV_CLEAR_ERROR;
        case FROM_BUTTON:
            return ChooseButtonOf(FROM_PANE_KEYS);
        case FROM_STEP:
            PlanStepBurst(FROM_PANE_KEYS);
            return repeated_;
        case TO_BUTTON:
            return ChooseButtonOf(TO_PANE_KEYS);
        case TO_STEP:
            PlanStepBurst(TO_PANE_KEYS);
            return repeated_;
        case COPY:
            return IDM_CONV_COPY_ANSWER;
        default: {
            std::span<const int> all = AllConverterActions();
            return all[choices_.Below(static_cast<int>(all.size()))];
        }
    }
}

}  // namespace quarnic
