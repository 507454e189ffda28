#include "menu_probe_win.h"

#include <cstdio>

#include "json_line_win.h"

namespace quarnic::e2e {
namespace {

std::wstring ProbeDllPath() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring text = path;
    return text.substr(0, text.find_last_of(L"\\/") + 1) + L"e2e-probe.dll";
}

std::string ReadAndRemove(const std::wstring& path) {
    std::string content;
    if (FILE* file = _wfopen(path.c_str(), L"rb")) {
        char buffer[4096];
        size_t got = 0;
        while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
            content.append(buffer, got);
        }
        std::fclose(file);
        DeleteFileW(path.c_str());
    }
    return content;
}

// Hooks the window's thread, sends it the probe message (the requester's process id and the
// parameter) and returns what the hook wrote, or "null".
std::string RunProbe(HWND window, const wchar_t* message, LPARAM parameter) {
    HMODULE probe = LoadLibraryW(ProbeDllPath().c_str());
    auto hook = probe ? reinterpret_cast<HOOKPROC>(
                            reinterpret_cast<void*>(GetProcAddress(probe, kProbeExport)))
                      : nullptr;
    if (!hook) {
        return "null";
    }
    DWORD thread = GetWindowThreadProcessId(window, nullptr);
    HHOOK handle = SetWindowsHookExW(WH_CALLWNDPROC, hook, probe, thread);
    std::string answer;
    if (handle) {
        std::wstring file = ProbeAnswerFile(GetCurrentProcessId());
        DeleteFileW(file.c_str());
        DWORD_PTR ignored = 0;
        SendMessageTimeoutW(window, RegisterWindowMessageW(message), GetCurrentProcessId(),
                            parameter, SMTO_ABORTIFHUNG, 10000, &ignored);
        answer = ReadAndRemove(file);
        UnhookWindowsHookEx(handle);
    }
    FreeLibrary(probe);
    return answer.empty() ? "null" : answer;
}

}  // namespace

std::wstring ProbeAnswerFile(DWORD requester_process_id) {
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    return std::wstring(folder) + L"quarnic-e2e-probe-" + std::to_wstring(requester_process_id) +
           L".json";
}

std::string ProbeSystemMenu(HWND main) {
    return RunProbe(main, kMenuProbeMessage, 0);
}

std::string ProbeDpiChange(HWND window, int new_dpi, int old_dpi) {
    return RunProbe(window, kDpiChangeProbeMessage, MAKELPARAM(new_dpi, old_dpi));
}

}  // namespace quarnic::e2e
