// A state that only "AC" leaves is a fault: whatever is on show, "CE", a digit and "=" must bring
// an answer (or the error display) again.
#pragma once

#include <string>

#include "tests/kit/key_script.h"

namespace quarnic {

// Plays "CE 1 =" on a copy of the calculator and tells why the state is stuck when "=" then
// shows nothing new. After an operator whose first operand cannot be brought into the checked
// notation, a user gets out by choosing that operand's notation before typing: the copy tries
// "CE CE <its notation> 1 =" too. An empty text when the state is not stuck.
std::string FindStuckState(const ScriptedCalculator& scripted);

}  // namespace quarnic
