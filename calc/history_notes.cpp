#include "calc/history_notes.h"

#include "calc/last_calculation.h"
#include "calc/save_text.h"
#include "history/history.h"

namespace quarnic {

void NoteEquals(Calculator& calc, bool loneNumber) {
    CalculationHistory* history = calc.history;
    if (history == nullptr) {
        return;
    }
    if (loneNumber) {
        history->follow = HistoryFollow::Nothing;
        return;
    }
    history->Add(BuildFullSavedText(calc.last, calc.sqrt));
    history->follow = HistoryFollow::Calculation;
}

void NoteRoot(Calculator& calc) {
    CalculationHistory* history = calc.history;
    if (history == nullptr) {
        return;
    }
    if (history->follow == HistoryFollow::Calculation && !calc.state.SecondOperandActive) {
        history->ReplaceNewest(BuildFullSavedText(calc.last, calc.sqrt));
        return;
    }
    // The count includes this root: above one, the run's entry exists already.
    if (history->follow == HistoryFollow::RootRun && calc.sqrt.SqrtRepeatCount > 1) {
        history->ReplaceNewest(BuildFullRootText(calc.sqrt));
        return;
    }
    history->Add(BuildFullRootText(calc.sqrt));
    history->follow = HistoryFollow::RootRun;
}

void NoteAnswerConverted(Calculator& calc) {
    CalculationHistory* history = calc.history;
    if (history != nullptr && history->follow == HistoryFollow::Calculation) {
        history->ReplaceNewest(BuildFullSavedText(calc.last, calc.sqrt));
    }
}

void NoteSaveAnswerGreyed(Calculator& calc) {
    CalculationHistory* history = calc.history;
    if (history != nullptr && history->follow == HistoryFollow::Calculation) {
        history->follow = HistoryFollow::Nothing;
    }
}

}  // namespace quarnic
