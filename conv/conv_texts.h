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

// System-menu items of the converter alone. "Copy answer" has P, so Paste takes E (A, S and T
// are About's, Size's and "All notations"').
inline constexpr wchar_t COPY_ANSWER_ITEM_EN[] = L"Co&py answer\tCtrl+C";
inline constexpr wchar_t COPY_ANSWER_ITEM_JA[] = L"答のコピー(&P)\tCtrl+C";
inline constexpr wchar_t CONVERTER_PASTE_ITEM_EN[] = L"Past&e\tCtrl+V";
inline constexpr wchar_t CONVERTER_PASTE_ITEM_JA[] = L"貼り付け(&E)\tCtrl+V";

// The "All notations" window: its system-menu item (Ctrl+L), the name a screen reader gives its
// list (the dialog templates carry the same words as their captions), the marks at the end of
// the From and the To line, and its Copy button's caption in the templates.
inline constexpr wchar_t ALL_NOTATIONS_ITEM_EN[] = L"All no&tations...\tCtrl+L";
inline constexpr wchar_t ALL_NOTATIONS_ITEM_JA[] = L"すべての進法(&T)...\tCtrl+L";
inline constexpr wchar_t ALL_NOTATIONS_NAME_EN[] = L"All notations";
inline constexpr wchar_t ALL_NOTATIONS_NAME_JA[] = L"すべての進法";
inline constexpr char FROM_MARK_EN[] = "From";
inline constexpr char FROM_MARK_JA[] = "変換元";
inline constexpr char TO_MARK_EN[] = "To";
inline constexpr char TO_MARK_JA[] = "変換先";

// Names a screen reader gives the controls that show no text of their own.
inline constexpr wchar_t FROM_STEP_DOWN_NAME_EN[] = L"From notation down";
inline constexpr wchar_t FROM_STEP_DOWN_NAME_JA[] = L"変換元の進法を下げる";
inline constexpr wchar_t FROM_STEP_UP_NAME_EN[] = L"From notation up";
inline constexpr wchar_t FROM_STEP_UP_NAME_JA[] = L"変換元の進法を上げる";
inline constexpr wchar_t TO_STEP_DOWN_NAME_EN[] = L"To notation down";
inline constexpr wchar_t TO_STEP_DOWN_NAME_JA[] = L"変換先の進法を下げる";
inline constexpr wchar_t TO_STEP_UP_NAME_EN[] = L"To notation up";
inline constexpr wchar_t TO_STEP_UP_NAME_JA[] = L"変換先の進法を上げる";
inline constexpr wchar_t FROM_OTHER_NAME_EN[] = L"Other notation to convert from";
inline constexpr wchar_t FROM_OTHER_NAME_JA[] = L"変換元のその他の進法";
inline constexpr wchar_t TO_OTHER_NAME_EN[] = L"Other notation to convert to";
inline constexpr wchar_t TO_OTHER_NAME_JA[] = L"変換先のその他の進法";

}  // namespace quarnic
