#include "calc/keyboard_map.h"

#include "calc/calc_ids.h"
#include "engine/digit_codec.h"

namespace quarnic {
namespace {

constexpr KeyAction Button(int id) {
    return {KeyTarget::Button, id};
}

constexpr KeyAction MenuItem(int id) {
    return {KeyTarget::MenuItem, id};
}

struct CharacterBinding {
    char character;
    int id;
};

constexpr CharacterBinding CHARACTER_BINDINGS[] = {
    {'.', IDC_POINT},    {',', IDC_POINT},  {'+', IDC_ADD},    {'-', IDC_SUBTRACT},
    {'*', IDC_MULTIPLY}, {'/', IDC_DIVIDE}, {'=', IDC_EQUALS}, {'@', IDC_SQRT},
};

struct NamedBinding {
    NamedKey key;
    bool ctrl;
    bool shift;
    KeyAction action;
};

constexpr NamedBinding NAMED_BINDINGS[] = {
    {NamedKey::Enter, false, false, Button(IDC_EQUALS)},
    {NamedKey::Escape, false, false, Button(IDC_ALL_CLEAR)},
    {NamedKey::Delete, false, false, Button(IDC_CLEAR_ENTRY)},
    {NamedKey::Backspace, false, false, {KeyTarget::Command, IDK_BACKSPACE}},
    {NamedKey::F9, false, false, Button(IDC_SIGN)},
    {NamedKey::F8, false, false, Button(IDC_NOTATION_2)},
    {NamedKey::F4, false, false, Button(IDC_NOTATION_4)},
    {NamedKey::F7, false, false, Button(IDC_NOTATION_8)},
    {NamedKey::F6, false, false, Button(IDC_NOTATION_10)},
    {NamedKey::F5, false, false, Button(IDC_NOTATION_16)},
    {NamedKey::F3, false, false, Button(IDC_NOTATION_X)},
    {NamedKey::PageUp, false, false, Button(IDC_STEP_UP)},
    {NamedKey::PageDown, false, false, Button(IDC_STEP_DOWN)},
    {NamedKey::LetterM, true, false, Button(IDC_MEMORY_IN)},
    {NamedKey::LetterR, true, false, Button(IDC_MEMORY_RECALL)},
    {NamedKey::LetterS, true, false, MenuItem(IDM_SAVE_ANSWER)},
    {NamedKey::LetterC, true, false, MenuItem(IDM_COPY)},
    {NamedKey::Insert, true, false, MenuItem(IDM_COPY)},
    {NamedKey::LetterV, true, false, MenuItem(IDM_PASTE)},
    {NamedKey::LetterH, true, false, MenuItem(IDM_HISTORY)},
    {NamedKey::Insert, false, true, MenuItem(IDM_PASTE)},
};

}  // namespace

KeyAction CalculatorCharacterKey(char32_t character) {
    const char ascii = TypedAscii(character);
    if (ascii == '\0') {
        return {};
    }
    if (IsDigitChar(ascii)) {
        return Button(IDC_DIGIT_FIRST + DigitValue(ascii));
    }
    for (const CharacterBinding& binding : CHARACTER_BINDINGS) {
        if (binding.character == ascii) {
            return Button(binding.id);
        }
    }
    return {};
}

KeyAction CalculatorNamedKey(const NamedKeyPress& press) {
    for (const NamedBinding& binding : NAMED_BINDINGS) {
        if (binding.key == press.key && binding.ctrl == press.ctrl &&
            binding.shift == press.shift) {
            return binding.action;
        }
    }
    return {};
}

}  // namespace quarnic
