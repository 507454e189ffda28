// The letter that reaches a menu item after Alt+Space, for the tests of the menus' letters.
#pragma once

namespace quarnic {

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
