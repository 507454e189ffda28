// What a user can do to the converter's window, passed on the way the window does: through
// DispatchConverterCommand, which drops presses of disabled keys and greyed menu items.
#pragma once

#include <span>
#include <string>

#include "conv/converter_commands.h"
#include "conv/converter_state.h"
#include "tests/kit/recording_converter_view.h"

namespace quarnic {

// A converter in its start state on a recording view, as the window creates it.
struct ScriptedConverter {
    RecordingConverterView view;
    Converter converter;

    explicit ScriptedConverter(bool japanese = false) {
        converter.JapaneseUi = japanese;
        converter.view = &view;
        SetUpConverterStart(converter);
    }
    ScriptedConverter(const ScriptedConverter&) = delete;
    ScriptedConverter& operator=(const ScriptedConverter&) = delete;
};

// The 50 key ids, then the "Co&py answer" menu command.
std::span<const int> AllConverterActions();

// Performs a key id or IDM_CONV_COPY_ANSWER. Returns false when the control was disabled or the
// item greyed, which changes nothing.
bool PerformConverterAction(ScriptedConverter& scripted, int id);

// The runner's token of the action ("7", "F16", "T+", "COPY").
std::string ConverterActionName(int id);

}  // namespace quarnic
