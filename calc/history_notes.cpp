#include "calc/history_notes.h"

#include "calc/last_calculation.h"
#include "calc/save_text.h"
#include "history/history.h"

namespace quarnic {
namespace {

void NoteEquals(Calculator& calc, CalculationHistory* history) {
    history->Add(BuildFullSavedText(calc.last, calc.sqrt));
    history->follow = HistoryFollow::Calculation;
}

void NoteRoot(Calculator& calc, CalculationHistory* history) {
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

void NoteAnswerConverted(Calculator& calc, CalculationHistory* history) {
    if (history->follow == HistoryFollow::Calculation) {
        history->ReplaceNewest(BuildFullSavedText(calc.last, calc.sqrt));
    }
}

}  // namespace

void NoteHistory(Calculator& calc, bool saveWasAvailable) {
    CalculationHistory* history = calc.history;
    if (history == nullptr) {
        return;
    }
    if (saveWasAvailable && !calc.state.SaveAnswerAvailable &&
        history->follow == HistoryFollow::Calculation) {
        history->follow = HistoryFollow::Nothing;
    }
    switch (calc.state.Moment) {
        case HistoryMoment::Equals:
            NoteEquals(calc, history);
            break;
        case HistoryMoment::LoneEquals:
            history->follow = HistoryFollow::Nothing;
            break;
        case HistoryMoment::Root:
            NoteRoot(calc, history);
            break;
        case HistoryMoment::AnswerConverted:
            NoteAnswerConverted(calc, history);
            break;
        case HistoryMoment::None:
            break;
    }
}

}  // namespace quarnic
