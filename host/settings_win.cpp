#include "host/settings_win.h"

#include "common/dialog_rules.h"
#include "host/main_window_place_win.h"
#include "host/settings_store_win.h"
#include "host/shell_win.h"

namespace quarnic {
namespace {

// The standard search order finds the running program's own file first; when it is not there
// under its usual name (a renamed copy), the module's own path stands in.
bool FindProgramFile(PathText& found) {
    found.fill(L'\0');
    DWORD length = SearchPathW(nullptr, Shell().program->files.programFileName, nullptr,
                               static_cast<DWORD>(found.size()), found.data(), nullptr);
    if (length > 0 && length < found.size()) {
        return true;
    }
    found.fill(L'\0');
    length = GetModuleFileNameW(nullptr, found.data(), static_cast<DWORD>(found.size()));
    return length > 0 && length < found.size();
}

bool FileExists(const wchar_t* path) {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(path, &data);
    if (find == INVALID_HANDLE_VALUE) {
        return false;
    }
    FindClose(find);
    return true;
}

// An old installation may have left the readme under its alternative name: it becomes the
// readme, or goes when the readme is there already. Failures are of no consequence.
void TidyReadme(const ProgramPaths& paths) {
    if (paths.alternativeReadme[0] == L'\0') {
        return;
    }
    switch (ChooseReadmeTidying(FileExists(paths.alternativeReadme.data()),
                                FileExists(paths.readme.data()))) {
        case ReadmeTidying::RenameAlternative:
            MoveFileW(paths.alternativeReadme.data(), paths.readme.data());
            break;
        case ReadmeTidying::DeleteAlternative:
            DeleteFileW(paths.alternativeReadme.data());
            break;
        case ReadmeTidying::Nothing:
            break;
    }
}

}  // namespace

void ReadStartupFiles() {
    ShellState& shell = Shell();
    PathText found;
    const ProgramDescription& program = *shell.program;
    if (!FindProgramFile(found) ||
        !FormProgramPaths(found.data(), program.files.readmeName,
                          program.files.alternativeReadmeName, shell.paths)) {
        return;  // no folder known: default colour, nothing read or written
    }
    shell.pathsFormed = true;
    TidyReadme(shell.paths);
    shell.settings.beside = shell.paths.settings;
    FormUserSettingsPlaces(program.files.programFileName, shell.settings);
    Win32ProfileStore store;
    const wchar_t* file = SettingsFileToRead(store, shell.settings);
    ColorSetting color = ReadColorSetting(store, file);
    shell.console = ConsoleColor{color.red, color.green, color.blue};
    const WindowSettings window = ReadWindowSettings(store, file);
    shell.keptPlace = window.place;
    shell.alwaysOnTop = window.alwaysOnTop;
}

void SaveSettings() {
    ShellState& shell = Shell();
    if (shell.pathsFormed) {
        // Where it went, or that it was lost, is of no concern at exit.
        Win32ProfileStore store;
        SaveColorSetting(store, shell.settings,
                         ColorSetting{shell.console.red, shell.console.green, shell.console.blue});
        SaveWindowSettings(store, shell.settings, PlaceToKeep(shell.mainWindow), shell.alwaysOnTop);
    }
    PostQuitMessage(0);
}

}  // namespace quarnic
