#include "conv/keyboard_map.h"

#include "conv/conv_ids.h"
#include "engine/digit_codec.h"

namespace quarnic {
namespace {

constexpr KeyAction Button(int id) {
    return {KeyTarget::Button, id};
}

// The notation keys, as offsets from a pane's "2" button: F8 "2", F4 "4", F7 "8", F6 "10",
// F5 "16", F3 "X", then Page Down and Page Up for the step buttons.
struct PaneKey {
    NamedKey key;
    int offset;
};

constexpr PaneKey PANE_KEYS[] = {
    {NamedKey::F8, 0}, {NamedKey::F4, 1}, {NamedKey::F7, 2},       {NamedKey::F6, 3},
    {NamedKey::F5, 4}, {NamedKey::F3, 5}, {NamedKey::PageDown, 6}, {NamedKey::PageUp, 7},
};

static_assert(IDC_CONV_FROM_STEP_DOWN - IDC_CONV_FROM_2 == 6 &&
                  IDC_CONV_TO_STEP_UP - IDC_CONV_TO_2 == 7,
              "both panes: six notation buttons, then step down and step up");

KeyAction PaneKeyAction(const NamedKeyPress& press) {
    const int firstButton = press.shift ? IDC_CONV_TO_2 : IDC_CONV_FROM_2;
    for (const PaneKey& paneKey : PANE_KEYS) {
        if (paneKey.key == press.key) {
            return Button(firstButton + paneKey.offset);
        }
    }
    return {};
}

KeyAction ControlKeyAction(NamedKey key) {
    if (key == NamedKey::LetterC) {
        return {KeyTarget::MenuItem, IDM_CONV_COPY_ANSWER};
    }
    if (key == NamedKey::LetterV) {
        return {KeyTarget::MenuItem, IDM_CONV_PASTE};
    }
    if (key == NamedKey::LetterL) {
        return {KeyTarget::MenuItem, IDM_CONV_ALL_NOTATIONS};
    }
    return {};
}

}  // namespace

KeyAction ConverterCharacterKey(char32_t character) {
    const char ascii = TypedAscii(character);
    if (ascii == '\0') {
        return {};
    }
    if (IsDigitChar(ascii)) {
        return Button(IDC_CONV_DIGIT_0 + DigitValue(ascii));
    }
    return {};
}

KeyAction ConverterNamedKey(const NamedKeyPress& press) {
    if (press.ctrl) {
        return press.shift ? KeyAction{} : ControlKeyAction(press.key);
    }
    if (!press.shift && press.key == NamedKey::Backspace) {
        return Button(IDC_CONV_CLEAR_ERROR);
    }
    if (!press.shift && press.key == NamedKey::Escape) {
        return Button(IDC_CONV_ALL_CLEAR);
    }
    return PaneKeyAction(press);
}

}  // namespace quarnic
