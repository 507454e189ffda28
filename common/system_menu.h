// The items a program adds to its system menu. Alt+Space and then an item's letter (the one
// after "&") must reach exactly one item, so each letter is used once in a menu, the standard
// items' (Restore, Move, Size, Minimize, Maximize, Close) included; an item that has a shortcut
// key names it after a tab, as the standard Close names Alt+F4.
#pragma once

namespace quarnic {

struct SystemMenuItem {
    int id;
    const wchar_t* englishText;
    const wchar_t* japaneseText;
};

}  // namespace quarnic
