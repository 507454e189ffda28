// What "=", a notation switch and the square root must show, worked out on the exact model from
// the operands before the key: every one of the 1200 places of the shown answer is checked.
#pragma once

#include <string>

#include "calc/calculator_state.h"
#include "engine/digit_string.h"
#include "tests/invariants/calculator_actions.h"
#include "tests/kit/recording_calculator_view.h"

namespace quarnic {

class ExactAnswers {
  public:
    // Before the action: what it will compute, read from the calculator's state.
    void Expect(const Calculator& calc, const CalculatorAction& action);
    // After it (pressed: it was not a press on a disabled key): the first place where what the
    // calculator shows, keeps or saves differs from the exact value, or an empty text.
    std::string Check(const Calculator& calc, const RecordingCalculatorView& view, bool pressed);

    // How many answers were checked, by kind, for the run's report.
    long equalsChecked = 0;
    long switchesChecked = 0;
    long rootsChecked = 0;

  private:
    static DigitString ZeroDigits() {
        DigitString zero;
        zero.fill('0');
        zero[DIGIT_PLACES] = '\0';
        return zero;
    }
    enum class Kind { Nothing, Equals, Switch, Root };
    struct Operand {
        DigitString digits{};
        int sign = 1;
        int notation = 10;
        bool valid = false;
    };

    void ExpectEquals(const Calculator& calc);
    void ExpectRoot(const Calculator& calc);
    std::string CheckEquals(const Calculator& calc, const RecordingCalculatorView& view);
    std::string CheckSwitch(const Calculator& calc, const RecordingCalculatorView& view);
    std::string CheckRoot(const Calculator& calc, const RecordingCalculatorView& view);

    Kind kind_ = Kind::Nothing;
    Operand first_;
    Operand second_;
    char operator_ = 0;
    int truncation_ = 100;
    PlainText consoleBefore_{};
    // The answer "=" or the square root last computed, as the model has it; zero at start.
    DigitString computed_ = ZeroDigits();
    int computedNotation_ = 10;
};

}  // namespace quarnic
