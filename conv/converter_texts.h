// The converter's own user-visible texts, English and Japanese (UTF-8 here), shared by the
// logic, the window and the runner.
#pragma once

namespace quarnic {

inline constexpr char CONVERTER_ERROR_TEXT[] = "ERROR (Press <All Clear>)";

inline constexpr char WARNING_FORMAT_EN[] =
    "Maximum number of digits is %d for %d notation number.";  // MaxDigits, FromNotation
inline constexpr char WARNING_FORMAT_JA[] =
    "%d進数の最大入力桁数は%dです.";  // FromNotation, MaxDigits

inline constexpr char DIALOG_FAILED_TEXT_EN[] = "Unable to display dialog";
inline constexpr char DIALOG_FAILED_TEXT_JA[] = "ダイアログを表示できません";
inline constexpr char SYSTEM_ERROR_CAPTION_EN[] = "System Error";
inline constexpr char SYSTEM_ERROR_CAPTION_JA[] = "システム・エラー";

}  // namespace quarnic
