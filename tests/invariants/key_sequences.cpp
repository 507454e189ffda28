#include "tests/invariants/key_sequences.h"

#include "conv/conv_ids.h"
#include "tests/invariants/calculator_invariants.h"
#include "tests/invariants/converter_invariants.h"
#include "tests/invariants/stuck_state.h"

namespace quarnic {
namespace {

std::string Join(const std::vector<std::string>& keys) {
    std::string script;
    for (const std::string& key : keys) {
        script += (script.empty() ? "" : " ") + key;
    }
    return script;
}

}  // namespace

CalculatorSequence::CalculatorSequence(KeyChoices& choices)
    : choices_(choices), user_(choices), length_(ChooseSequenceLength(choices)) {}

std::optional<CalculatorAction> CalculatorSequence::NextAction() {
    if (chosen_ >= length_ || choices_.Exhausted()) {
        return std::nullopt;
    }
    ++chosen_;
    return user_.NextAction(scripted_);
}

void CalculatorSequence::Press(const CalculatorAction& action) {
    keys_.push_back(CalculatorActionName(action));
    exact_.Expect(scripted_.calc, action);
    lastPressed_ = PerformCalculatorAction(scripted_, action);
    answerToCheck_ = true;
}

std::string CalculatorSequence::BrokenRule() const {
    if (answerToCheck_) {
        inexactAnswer_ = exact_.Check(scripted_.calc, scripted_.view, lastPressed_);
        answerToCheck_ = false;
    }
    if (!inexactAnswer_.empty()) {
        return inexactAnswer_;
    }
    std::string broken = FindCalculatorViolation(scripted_.calc, scripted_.view);
    return broken.empty() ? FindStuckState(scripted_) : broken;
}

std::string CalculatorSequence::KeyScript() const {
    return Join(keys_);
}

ConverterSequence::ConverterSequence(KeyChoices& choices) : choices_(choices), user_(choices) {
    const bool japanese = choices.Below(2) == 1;
    const bool withoutWarningDialog = choices.Below(2) == 1;
    scripted_.emplace(japanese);
    if (withoutWarningDialog) {
        scripted_->view.FailDialogs();
    }
    length_ = ChooseSequenceLength(choices);
}

std::optional<int> ConverterSequence::NextAction() {
    if (chosen_ >= length_ || choices_.Exhausted()) {
        return std::nullopt;
    }
    ++chosen_;
    return user_.NextAction(*scripted_);
}

void ConverterSequence::Press(int id) {
    keys_.push_back(ConverterActionName(id));
    lastId_ = id;
    lastPressed_ = PerformConverterAction(*scripted_, id);
}

std::string ConverterSequence::BrokenRule() const {
    std::string broken = FindConverterViolation(scripted_->converter, scripted_->view);
    if (broken.empty() && lastPressed_ && lastId_ == IDM_CONV_COPY_ANSWER) {
        broken = FindClipboardViolation(scripted_->converter, scripted_->view);
    }
    return broken;
}

std::string ConverterSequence::KeyScript() const {
    return Join(keys_);
}

}  // namespace quarnic
