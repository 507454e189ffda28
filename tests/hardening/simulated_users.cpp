#include "tests/hardening/simulated_users.h"

#include <array>

#include "calc/calc_ids.h"
#include "calc/notation_buttons.h"
#include "conv/conv_ids.h"

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
    CALCULATOR_CHOICES
};

constexpr std::array<double, CALCULATOR_CHOICES> CALCULATOR_WEIGHTS = {36, 3, 3, 12, 9, 3, 2,
                                                                       6,  3, 2, 2,  2, 1, 3};

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

// The From selection; a broken pane with nothing checked still yields a notation.
int FromNotationNow(const ScriptedConverter& scripted) {
    int notation = ReadFromSelection(scripted.converter);
    return notation >= 2 ? notation : 2;
}

}  // namespace

int ChooseSequenceLength(std::mt19937_64& rng) {
    std::uniform_int_distribution<int> percent(1, 100);
    if (percent(rng) <= 90) {
        return std::uniform_int_distribution<int>(1, 40)(rng);
    }
    return std::uniform_int_distribution<int>(41, 200)(rng);
}

int SimulatedCalculatorUser::RandomBelow(int n) {
    return std::uniform_int_distribution<int>(0, n - 1)(rng_);
}

// Digits of a number typed in one go: usually a few, sometimes past the 24-character limit.
int SimulatedCalculatorUser::RunLength() {
    int percent = RandomBelow(100);
    if (percent < 70) {
        return 1 + RandomBelow(3);
    }
    if (percent < 95) {
        return 4 + RandomBelow(9);
    }
    return 13 + RandomBelow(18);
}

void SimulatedCalculatorUser::PlanStepBurst() {
    repeated_ = CalculatorKey(RandomBelow(2) == 0 ? IDC_STEP_UP : IDC_STEP_DOWN);
    repeatsLeft_ = RandomBelow(LONGEST_STEP_BURST);
}

CalculatorAction SimulatedCalculatorUser::NextAction(const ScriptedCalculator& scripted) {
    if (repeatsLeft_ > 0) {
        --repeatsLeft_;
        if (digitRun_) {
            int notation = ReadNotation(scripted.calc);
            return CalculatorKey(IDC_DIGIT_FIRST + RandomBelow(notation));
        }
        return repeated_;
    }
    return ChooseFresh(scripted);
}

CalculatorAction SimulatedCalculatorUser::ChooseFresh(const ScriptedCalculator& scripted) {
    static constexpr int OPERATORS[] = {IDC_ADD, IDC_SUBTRACT, IDC_MULTIPLY, IDC_DIVIDE};
    std::discrete_distribution<int> choice(CALCULATOR_WEIGHTS.begin(), CALCULATOR_WEIGHTS.end());
    std::span<const CalculatorAction> all = AllCalculatorActions();
    digitRun_ = false;
    switch (choice(rng_)) {
        case DIGIT:
            digitRun_ = true;
            repeatsLeft_ = RunLength() - 1;
            return CalculatorKey(IDC_DIGIT_FIRST + RandomBelow(ReadNotation(scripted.calc)));
        case POINT:
            return CalculatorKey(IDC_POINT);
        case SIGN:
            return CalculatorKey(IDC_SIGN);
        case OPERATOR:
            return CalculatorKey(OPERATORS[RandomBelow(4)]);
        case EQUALS:
            return CalculatorKey(IDC_EQUALS);
        case CLEAR_ENTRY:
            return CalculatorKey(IDC_CLEAR_ENTRY);
        case ALL_CLEAR:
            return CalculatorKey(IDC_ALL_CLEAR);
        case NOTATION_BUTTON: {
            int button = IDC_NOTATION_FIRST + RandomBelow(6);
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
            return all[all.size() - SQRT_SETTING_ACTIONS + RandomBelow(SQRT_SETTING_ACTIONS)];
        default:
            return all[RandomBelow(static_cast<int>(all.size()))];
    }
}

int SimulatedConverterUser::RandomBelow(int n) {
    return std::uniform_int_distribution<int>(0, n - 1)(rng_);
}

void SimulatedConverterUser::PlanStepBurst(const PaneKeys& pane) {
    repeated_ = RandomBelow(2) == 0 ? pane.stepUp : pane.stepDown;
    repeatsLeft_ = RandomBelow(LONGEST_STEP_BURST);
}

// One of the pane's six buttons; "X" is followed by steps to the wanted notation.
int SimulatedConverterUser::ChooseButtonOf(const PaneKeys& pane) {
    int button = pane.first + RandomBelow(6);
    if (button == pane.first + 5) {
        PlanStepBurst(pane);
    }
    return button;
}

int SimulatedConverterUser::NextAction(const ScriptedConverter& scripted) {
    if (repeatsLeft_ > 0) {
        --repeatsLeft_;
        if (digitRun_) {
            return IDC_CONV_DIGIT_0 + RandomBelow(FromNotationNow(scripted));
        }
        return repeated_;
    }
    return ChooseFresh(scripted);
}

int SimulatedConverterUser::ChooseFresh(const ScriptedConverter& scripted) {
    std::discrete_distribution<int> choice(CONVERTER_WEIGHTS.begin(), CONVERTER_WEIGHTS.end());
    digitRun_ = false;
    switch (choice(rng_)) {
        case CONV_DIGIT:
            // Runs long enough to reach the digit limit of every notation now and then.
            digitRun_ = true;
            repeatsLeft_ = RandomBelow(RandomBelow(4) == 0 ? 70 : 8);
            return IDC_CONV_DIGIT_0 + RandomBelow(FromNotationNow(scripted));
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
            return all[RandomBelow(static_cast<int>(all.size()))];
        }
    }
}

}  // namespace quarnic
