// The converter's own user-visible texts, English and Japanese (UTF-8 source). The logic's
// texts are narrow UTF-8; the window's are wide. The window's title and class also let a second
// copy, and the test driver, find a running one.
#pragma once

namespace quarnic {

inline constexpr wchar_t OSTRAMEL_CLASS_NAME[] = L"OSTRAMEL";
inline constexpr wchar_t OSTRAMEL_CREATION_CAPTION[] = L"Corvandel";
inline constexpr wchar_t OSTRAMEL_TITLE_EN[] = L"Quarnic Number Converter";
inline constexpr wchar_t OSTRAMEL_TITLE_JA[] = L"クォーニック進数変換";

// The answer console's one error display.
inline constexpr char CONVERTER_ERROR_TEXT[] = "ERROR (Press <All Clear>)";

inline constexpr char WARNING_FORMAT_EN[] =
    "Maximum number of digits is %d for %d notation number.";  // MaxDigits, FromNotation
inline constexpr char WARNING_FORMAT_JA[] =
    "%d進数の最大入力桁数は%dです.";  // FromNotation, MaxDigits

// The system-menu item of the converter alone.
inline constexpr wchar_t COPY_ANSWER_ITEM_EN[] = L"Co&py answer";
inline constexpr wchar_t COPY_ANSWER_ITEM_JA[] = L"答のコピー(&P)";

}  // namespace quarnic
