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

// The access key of a menu text: the character after the first single "&", upper-cased for
// ASCII letters; '\0' when there is none ("&&" is a plain "&").
inline wchar_t AccessKey(const wchar_t* text) {
    for (const wchar_t* at = text; *at != L'\0'; ++at) {
        if (*at != L'&') {
            continue;
        }
        ++at;
        if (*at == L'&') {
            continue;
        }
        const wchar_t key = *at;
        return key >= L'a' && key <= L'z' ? static_cast<wchar_t>(key - L'a' + L'A') : key;
    }
    return L'\0';
}

}  // namespace quarnic
