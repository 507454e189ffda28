// The history's texts, English and Japanese. UTF-8 for what the logic shows in message boxes;
// wide for the window's own labels and questions.
#pragma once

namespace quarnic {

inline constexpr char HISTORY_WRITE_FAILED_EN[] =
    "Unable to write the history file. The history is kept until the calculator is closed.";
inline constexpr char HISTORY_WRITE_FAILED_JA[] =
    "履歴ファイルに書き込めませんでした. 履歴は電卓を閉じるまで保持されます.";
inline constexpr char HISTORY_NOT_CONVERTED_EN[] = "(cannot be shown in this notation)";
inline constexpr char HISTORY_NOT_CONVERTED_JA[] = "(この進法では表示できません)";
// Followed by the name of the file set aside.
inline constexpr char HISTORY_SET_ASIDE_EN[] =
    "The history file was damaged. It was kept as %s; the entries that could be read are listed.";
inline constexpr char HISTORY_SET_ASIDE_JA[] =
    "履歴ファイルが壊れていたため、%s に名前を変えて残しました. 読み取れた項目を表示しています.";

// The labels of the list and the full text without their mnemonics: what a screen reader names
// them, set on the controls too, since not every platform reads a list's name off its label.
inline constexpr wchar_t HISTORY_LIST_NAME_EN[] = L"History";
inline constexpr wchar_t HISTORY_LIST_NAME_JA[] = L"履歴";
inline constexpr wchar_t HISTORY_FULL_NAME_EN[] = L"Selected calculation";
inline constexpr wchar_t HISTORY_FULL_NAME_JA[] = L"選択した計算";
inline constexpr wchar_t HISTORY_ITEM_EN[] = L"&History...\tCtrl+H";
inline constexpr wchar_t HISTORY_ITEM_JA[] = L"履歴(&H)...\tCtrl+H";
inline constexpr wchar_t HISTORY_CLEAR_QUESTION_EN[] = L"Delete every entry of the history?";
inline constexpr wchar_t HISTORY_CLEAR_QUESTION_JA[] = L"履歴の項目をすべて削除しますか?";
inline constexpr wchar_t HISTORY_DELETE_FILE_QUESTION_EN[] =
    L"The history is no longer kept between runs. Delete the history file?";
inline constexpr wchar_t HISTORY_DELETE_FILE_QUESTION_JA[] =
    L"履歴は次回から保持されません. 履歴ファイルを削除しますか?";
inline constexpr wchar_t HISTORY_SAVE_TITLE_EN[] = L"Assign a file to save the history.";
inline constexpr wchar_t HISTORY_SAVE_TITLE_JA[] = L"履歴を保存するファイル名の選択";
inline constexpr wchar_t HISTORY_NOT_SAVED_EN[] =
    L"Unable to write the history to the file. The file was not changed.";
inline constexpr wchar_t HISTORY_NOT_SAVED_JA[] =
    L"履歴をファイルに書き込めませんでした. ファイルは変更されていません.";

}  // namespace quarnic
