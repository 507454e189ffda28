// The user-visible texts of the shell both programs share, English and Japanese (UTF-8 source,
// wide literals for the windows).
#pragma once

// The portable converter logic hands two of these to its view as UTF-8, so they are spelt once
// here and given both as narrow and as wide texts.
#define QUARNIC_DIALOG_FAILED_EN "Unable to display dialog"
#define QUARNIC_DIALOG_FAILED_JA "ダイアログを表示できません"
#define QUARNIC_SYSTEM_ERROR_EN "System Error"
#define QUARNIC_SYSTEM_ERROR_JA "システム・エラー"

namespace quarnic {

inline constexpr char DIALOG_FAILED_TEXT_EN[] = QUARNIC_DIALOG_FAILED_EN;
inline constexpr char DIALOG_FAILED_TEXT_JA[] = QUARNIC_DIALOG_FAILED_JA;
inline constexpr char SYSTEM_ERROR_CAPTION_EN[] = QUARNIC_SYSTEM_ERROR_EN;
inline constexpr char SYSTEM_ERROR_CAPTION_JA[] = QUARNIC_SYSTEM_ERROR_JA;

inline constexpr wchar_t DIALOG_FAILED_WIDE_EN[] = L"" QUARNIC_DIALOG_FAILED_EN;
inline constexpr wchar_t DIALOG_FAILED_WIDE_JA[] = L"" QUARNIC_DIALOG_FAILED_JA;
inline constexpr wchar_t SYSTEM_ERROR_WIDE_EN[] = L"" QUARNIC_SYSTEM_ERROR_EN;
inline constexpr wchar_t SYSTEM_ERROR_WIDE_JA[] = L"" QUARNIC_SYSTEM_ERROR_JA;

inline constexpr wchar_t ERROR_CAPTION_EN[] = L"Error";
inline constexpr wchar_t ERROR_CAPTION_JA[] = L"エラー";
inline constexpr wchar_t WARNING_CAPTION_EN[] = L"Warning";
inline constexpr wchar_t WARNING_CAPTION_JA[] = L"警告";

// System-menu items both programs add.
inline constexpr wchar_t ABOUT_ITEM_EN[] = L"&About...";
inline constexpr wchar_t ABOUT_ITEM_JA[] = L"御案内(&A)...";
inline constexpr wchar_t CONSOLE_COLOR_ITEM_EN[] = L"Set console co&lor...";
inline constexpr wchar_t CONSOLE_COLOR_ITEM_JA[] = L"コンソールカラーの設定(&L)...";
// A checked item: the main window stays in front of other programs' windows.
inline constexpr wchar_t ALWAYS_ON_TOP_ITEM_EN[] = L"Always &on top";
inline constexpr wchar_t ALWAYS_ON_TOP_ITEM_JA[] = L"常に手前に表示(&O)";
// The calculator's Paste item (the converter's has a letter of its own).
inline constexpr wchar_t PASTE_ITEM_EN[] = L"&Paste\tCtrl+V";
inline constexpr wchar_t PASTE_ITEM_JA[] = L"貼り付け(&P)\tCtrl+V";

// The label of every console's notation row.
inline constexpr wchar_t NOTATION_ROW_LABEL_EN[] = L"NOTATION :";
inline constexpr wchar_t NOTATION_ROW_LABEL_JA[] = L"進法 ：";

// The readme's name goes into %ls.
inline constexpr wchar_t README_MISSING_FORMAT_EN[] =
    L"Install the readme file (%ls)\nin the same directory.";
inline constexpr wchar_t README_MISSING_FORMAT_JA[] =
    L"説明ファイル(%ls)を、本フォルダに\nインストールしてください.";
inline constexpr wchar_t README_NOT_OPENED_FORMAT_EN[] =
    L"Unable to open the readme file (%ls) by Notepad.";
inline constexpr wchar_t README_NOT_OPENED_FORMAT_JA[] =
    L"使い方のファイル(%ls)をメモ帳で開けません.";

}  // namespace quarnic
