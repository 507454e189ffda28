// The calculator's own user-visible texts, English and Japanese (UTF-8 source). The window's
// title and class also let a second copy, and the test driver, find a running one.
#pragma once

namespace quarnic {

inline constexpr wchar_t KELVARIN_CLASS_NAME[] = L"KELVARIN";
inline constexpr wchar_t KELVARIN_CREATION_CAPTION[] = L"Brellimax";
inline constexpr wchar_t KELVARIN_TITLE_EN[] = L"Quarnic Calculator";
inline constexpr wchar_t KELVARIN_TITLE_JA[] = L"クォーニック電卓";

// The console's one error display.
inline constexpr char ERROR_DISPLAY_TEXT[] = "ERROR (Press <AC>)";

// System-menu items of the calculator alone. C is Close's letter, so Copy takes Y.
inline constexpr wchar_t SQRT_SETTING_ITEM_EN[] = L"Set s&qrt calculation....";
inline constexpr wchar_t SQRT_SETTING_ITEM_JA[] = L"平方根計算の設定(&Q)...";
inline constexpr wchar_t SAVE_ANSWER_ITEM_EN[] = L"Sa&ve answer...\tCtrl+S";
inline constexpr wchar_t SAVE_ANSWER_ITEM_JA[] = L"答の保存(&V)...\tCtrl+S";
inline constexpr wchar_t COPY_ITEM_EN[] = L"Cop&y\tCtrl+C";
inline constexpr wchar_t COPY_ITEM_JA[] = L"コピー(&Y)\tCtrl+C";

inline constexpr wchar_t PLEASE_WAIT_TEXT_EN[] = L"Please wait a moment.";
inline constexpr wchar_t PLEASE_WAIT_TEXT_JA[] = L"ちょっとお待ちください.";

// Saving the answer: the file dialog, then what can go wrong.
inline constexpr wchar_t SAVE_DIALOG_TITLE_EN[] = L"Assign a file to save the answer.";
inline constexpr wchar_t SAVE_DIALOG_TITLE_JA[] = L"答を保存するファイル名の選択";
inline constexpr wchar_t SAVE_DIALOG_FILTER[] = L"Text file (*.txt)\0*.txt\0";
inline constexpr wchar_t SAVE_DIALOG_ERROR_FORMAT_EN[] = L"GetSaveFileName error 0x%lx";
inline constexpr wchar_t SAVE_DIALOG_ERROR_FORMAT_JA[] = L"GetSaveFileName エラー 0x%lx";
inline constexpr wchar_t REMOTE_DISK_TEXT_EN[] = L"Unable to save the answer to the remote disk.";
inline constexpr wchar_t REMOTE_DISK_TEXT_JA[] = L"リモート・ディスクへは答をセーブできません.";
inline constexpr wchar_t DISK_FULL_TEXT_EN[] = L"Not enough free diskspace.";
inline constexpr wchar_t DISK_FULL_TEXT_JA[] = L"ディスクの空容量が不足です.";
inline constexpr wchar_t TXT_EXTENSION_TEXT_EN[] = L"Assign a file with TXT extension.";
inline constexpr wchar_t TXT_EXTENSION_TEXT_JA[] = L"ファイルは拡張子 TXT を持つ必要があります.";
inline constexpr wchar_t FILE_NOT_CREATED_TEXT_EN[] =
    L"Unable to create a file to save the answer.";
inline constexpr wchar_t FILE_NOT_CREATED_TEXT_JA[] =
    L"答を保存するためのファイルを作成できません.";
inline constexpr wchar_t FILE_NOT_WRITTEN_TEXT_EN[] =
    L"Unable to write the answer to the file. The file was not changed.";
inline constexpr wchar_t FILE_NOT_WRITTEN_TEXT_JA[] =
    L"答をファイルに書き込めませんでした. ファイルは変更されていません.";

// Names a screen reader gives the controls that show no text of their own.
inline constexpr wchar_t SQRT_KEY_NAME_EN[] = L"Square root";
inline constexpr wchar_t SQRT_KEY_NAME_JA[] = L"平方根";
inline constexpr wchar_t STEP_DOWN_NAME_EN[] = L"Notation down";
inline constexpr wchar_t STEP_DOWN_NAME_JA[] = L"進法を下げる";
inline constexpr wchar_t STEP_UP_NAME_EN[] = L"Notation up";
inline constexpr wchar_t STEP_UP_NAME_JA[] = L"進法を上げる";
inline constexpr wchar_t OTHER_NOTATION_NAME_EN[] = L"Other notation";
inline constexpr wchar_t OTHER_NOTATION_NAME_JA[] = L"その他の進法";

}  // namespace quarnic
