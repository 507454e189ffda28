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

inline constexpr char COPY_ANSWER_ITEM_EN[] = "Co&py answer";
inline constexpr char COPY_ANSWER_ITEM_JA[] = "答のコピー(&P)";
inline constexpr char ABOUT_ITEM_EN[] = "&About...";
inline constexpr char ABOUT_ITEM_JA[] = "御案内(&A)...";
inline constexpr char CONSOLE_COLOR_ITEM_EN[] = "Set console co&lor...";
inline constexpr char CONSOLE_COLOR_ITEM_JA[] = "コンソールカラーの設定(&L)...";

}  // namespace quarnic
