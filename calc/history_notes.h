// The moments at which the calculator's history gains or changes an entry. Nothing is noted
// when the calculator keeps no history.
#pragma once

#include "calc/calculator_state.h"

namespace quarnic {

// After a command: greying "Sa&ve answer..." ends the following of the newest entry; an "="
// that showed an answer adds one (the "=" of a lone number, "n + 0", adds nothing and ends the
// following); a root of the answer the newest entry follows changes that entry, as it changes
// the saved text, and any other root starts a root entry or updates the one of its run; an
// answer converted into another notation changes the entry that follows it.
void NoteHistory(Calculator& calc, bool saveWasAvailable);

}  // namespace quarnic
