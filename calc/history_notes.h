// The moments at which the calculator's history gains or changes an entry. Each does nothing
// when the calculator keeps no history.
#pragma once

#include "calc/calculator_state.h"

namespace quarnic {

// After an "=" that showed an answer. The "=" of a lone number ("n + 0") adds nothing and
// ends the following of the newest entry.
void NoteEquals(Calculator& calc, bool loneNumber);

// After a root was shown. A root of the answer the newest entry follows changes that entry, as
// it changes the saved text; any other root starts a root entry or updates the one of its run.
void NoteRoot(Calculator& calc);

// After the shown answer was converted into another notation.
void NoteAnswerConverted(Calculator& calc);

// "Sa&ve answer..." was greyed: the answer is no longer on show.
void NoteSaveAnswerGreyed(Calculator& calc);

}  // namespace quarnic
