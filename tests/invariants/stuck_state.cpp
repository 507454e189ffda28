#include "tests/invariants/stuck_state.h"

#include "calc/calc_ids.h"
#include "calc/commands.h"
#include "calc/notation_buttons.h"
#include "common/notation.h"

namespace quarnic {
namespace {

// Everything of the calculator the keys read, copied beside the original; the history is left
// out, as no key of the probe reads it.
void CopyCalculator(const ScriptedCalculator& from, ScriptedCalculator& to) {
    to.view = from.view;
    to.calc.state = from.calc.state;
    to.calc.engine = from.calc.engine;
    to.calc.sqrt = from.calc.sqrt;
    to.calc.last = from.calc.last;
    to.calc.JapaneseUi = from.calc.JapaneseUi;
    to.calc.history = nullptr;
}

void PressIfEnabled(ScriptedCalculator& probe, int id) {
    if (probe.view.IsControlEnabled(id)) {
        DispatchCommand(probe.calc, id);
    }
}

void SelectNotationByKeys(ScriptedCalculator& probe, int notation) {
    for (int k = 0; k < 5; ++k) {
        if (FIXED_NOTATIONS[k] == notation) {
            PressIfEnabled(probe, IDC_NOTATION_FIRST + k);
            return;
        }
    }
    PressIfEnabled(probe, IDC_NOTATION_X);
    for (int steps = 0; steps < 26 && ReadNotation(probe.calc) != notation; ++steps) {
        PressIfEnabled(probe, IDC_STEP_UP);
    }
}

bool EqualsShowsSomething(const ScriptedCalculator& scripted, bool chooseFirstNotation) {
    ScriptedCalculator probe;
    CopyCalculator(scripted, probe);
    PressIfEnabled(probe, IDC_CLEAR_ENTRY);
    if (chooseFirstNotation) {
        PressIfEnabled(probe, IDC_CLEAR_ENTRY);
        SelectNotationByKeys(probe, probe.calc.state.FirstNotation);
    }
    PressIfEnabled(probe, IDC_DIGIT_FIRST + 1);
    PressIfEnabled(probe, IDC_EQUALS);
    return probe.calc.state.AnswerShown || probe.calc.state.ErrorShown;
}

}  // namespace

std::string FindStuckState(const ScriptedCalculator& scripted) {
    if (EqualsShowsSomething(scripted, false)) {
        return {};
    }
    const CalculatorState& s = scripted.calc.state;
    if (s.SecondOperandActive && EqualsShowsSomething(scripted, true)) {
        return {};
    }
    return "stuck: \"CE 1 =\" shows no answer, so only \"AC\" leaves this state";
}

}  // namespace quarnic
