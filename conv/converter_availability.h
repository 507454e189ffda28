// Which of the converter's commands can be used now, and which notation button each pane has
// checked: one function of the state. The window shows what it says; the keyboard, the
// dispatcher and the script runner ask it.
#pragma once

#include <array>

#include "conv/converter_state.h"
#include "conv/key_ids.h"

namespace quarnic {

struct ConverterAvailability {
    std::array<bool, CONVERTER_KEY_COUNT> keys{};  // index: id - IDC_CONV_FIRST
    bool copyAnswer = false;
    bool allNotationsLines = false;  // a line of the "All notations" window can be chosen
    int fromChecked = 0;             // the checked button of each pane
    int toChecked = 0;

    bool Key(int id) const { return keys[static_cast<std::size_t>(id - IDC_CONV_FIRST)]; }
    // Any id the dispatcher takes; false for every other id.
    bool Allows(int id) const;
};

// The digit keys below the From selection; the From pane only while nothing is typed; each
// pane's steps while its selection has no button of its own; "Co&py answer" while an answer
// (not the error) is on show; the clear keys, the To pane and the other menu items always.
ConverterAvailability AvailabilityOf(const Converter& converter);

}  // namespace quarnic
