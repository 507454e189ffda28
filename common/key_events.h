// Typed keys as both programs' keyboard maps see them. Characters come as the platform's typed
// characters (any keyboard layout); named keys as this enum, to which the Win32 side maps its
// virtual-key codes. A key map turns either into a KeyAction: the button, menu item or
// button-less command it stands for.
#pragma once

#include "common/control_view.h"

namespace quarnic {

enum class NamedKey {
    Enter,
    Escape,
    Delete,
    Backspace,
    Insert,
    PageUp,
    PageDown,
    F3,
    F4,
    F5,
    F6,
    F7,
    F8,
    F9,
    LetterC,  // the letter keys only matter with Ctrl
    LetterH,
    LetterL,
    LetterM,
    LetterR,
    LetterS,
    LetterV,
};

struct NamedKeyPress {
    NamedKey key;
    bool ctrl = false;
    bool shift = false;
};

enum class KeyTarget {
    None,      // the key means nothing here
    Button,    // acts as a click on the button `id`
    MenuItem,  // acts as the system-menu item `id`
    Command,   // a command with no button of its own (the calculator's Backspace)
};

struct KeyAction {
    KeyTarget target = KeyTarget::None;
    int id = 0;

    friend bool operator==(const KeyAction& a, const KeyAction& b) {
        return a.target == b.target && a.id == b.id;
    }
};

// Full-width forms of ASCII (U+FF01..U+FF5E, typed by a Japanese input method) as the ASCII
// characters they stand for; every other character unchanged.
inline char32_t FoldFullWidth(char32_t c) {
    return c >= 0xFF01 && c <= 0xFF5E ? c - 0xFEE0 : c;
}

// A typed character as the ASCII character the keys know it by: full width folded, letters in
// upper case (digit keys take either case); '\0' for anything outside ASCII.
inline char TypedAscii(char32_t character) {
    const char32_t c = FoldFullWidth(character);
    if (c >= 0x80) {
        return '\0';
    }
    const char ascii = static_cast<char>(c);
    return ascii >= 'a' && ascii <= 'z' ? static_cast<char>(ascii - 'a' + 'A') : ascii;
}

}  // namespace quarnic
