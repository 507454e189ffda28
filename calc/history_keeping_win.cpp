#include "calc/history_keeping_win.h"

#include "calc/history_texts.h"
#include "common/shell_texts.h"
#include "host/settings_store_win.h"
#include "host/shell_win.h"
#include "host/tool_window_win.h"

namespace quarnic {
namespace {

constexpr wchar_t HISTORY_SECTION[] = L"History";
constexpr wchar_t KEEP_KEY[] = L"Keep";
constexpr wchar_t HISTORY_FILE_NAME_W[] = L"KELVARIN-HISTORY.TXT";

// The file's path by the settings' rule; empty when no place can be used.
PathText HistoryFilePath() {
    PathText path{};
    SettingsPlaces places;
    Win32ProfileStore store;
    if (Shell().pathsFormed && FormKeptFilePlaces(Shell().settings, HISTORY_FILE_NAME_W, places)) {
        if (const wchar_t* use = KeptFileToUse(store, places)) {
            path = use == places.beside.data() ? places.beside : places.userFile;
        }
    }
    return path;
}

}  // namespace

void HistoryKeeping::Attach(HWND mainWindow) {
    const PathText path = HistoryFilePath();
    if (path[0] == L'\0') {
        return;
    }
    files_ = std::make_unique<Win32HistoryFiles>(path.data());
    keeper_ = std::make_unique<HistoryFileKeeper>(history_, *files_);
    keeper_->OnFirstFailure([mainWindow] {
        ShowLogicMessage(mainWindow,
                         Shell().JapaneseUi ? HISTORY_WRITE_FAILED_JA : HISTORY_WRITE_FAILED_EN);
    });
}

void HistoryKeeping::Start(HWND mainWindow) {
    if (ReadSettingNumber(HISTORY_SECTION, KEEP_KEY, 1) == 0) {
        return;
    }
    Attach(mainWindow);
    if (keeper_) {
        keeper_->Load();
        setAsideNote_ = keeper_->SetAsideFileName();
    }
}

void HistoryKeeping::SetKeep(HWND owner, bool keep) {
    const SettingNumber value{KEEP_KEY, keep ? 1 : 0};
    WriteSettingNumbers(HISTORY_SECTION, &value, 1);
    if (!keep && keeper_) {
        keeper_.reset();
        if (ShowMessage(owner, HISTORY_DELETE_FILE_QUESTION_EN, HISTORY_DELETE_FILE_QUESTION_JA,
                        WARNING_CAPTION_EN, WARNING_CAPTION_JA,
                        MB_YESNO | MB_ICONQUESTION) == IDYES) {
            files_->Remove();
        }
        files_.reset();
    } else if (keep && !keeper_) {
        Attach(Shell().mainWindow);
        if (keeper_) {
            keeper_->WriteAfresh();
        }
    }
}

std::string HistoryKeeping::TakeSetAsideNote() {
    std::string note;
    note.swap(setAsideNote_);
    return note;
}

}  // namespace quarnic
