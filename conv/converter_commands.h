// The converter's command table, its notation panes, its clear keys and copying the answer.
#pragma once

#include <string_view>

#include "conv/converter_state.h"

namespace quarnic {

// Puts the record into its start state and shows it: both panes on "10", digit keys of
// notation 10, all four step buttons disabled, both consoles empty, "Co&py answer" greyed.
// JapaneseUi and view must be set first; the controls must exist.
void SetUpConverterStart(Converter& converter);

// The one entry for every command of the converter: its keys (WM_COMMAND's low word), its
// system-menu items and the "All notations" window's choosing (IDC_CONV_ALL_NOTATIONS_LIST) and
// copying (IDC_CONV_ALL_NOTATIONS_COPY) of the line of lineNotation. A command that is not
// available now does nothing; afterwards the window shows the new state. Returns whether the
// command was carried out: the window passes every other id on (the standard system-menu items).
bool DispatchConverterCommand(Converter& converter, int id, int lineNotation = 0);

// "FF (16)": the digits and their notation after the text already in the buffer, as copied.
void AppendNumberAndNotation(ClipboardText& text, std::string_view digits, int notation);
// The text on the clipboard, or a message when another program holds it.
void CopyToClipboard(Converter& converter, std::string_view text);

// Any notation 2..32 selected on the pane, as its button would choose it or "X" stepped to it.
void SelectNotation(Converter& converter, ConverterPane pane, int notation);
int SelectionOf(const ConverterState& state, ConverterPane pane);

}  // namespace quarnic
