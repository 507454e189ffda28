// The hook half of the probes: loaded by Wine into the probed program, it answers the menu probe
// by writing the window's system menu to the requester's file, and the DPI probe by sending the
// window WM_DPICHANGED and writing how long the window took.

#include <windows.h>

#include <cstdio>

#include "json_line_win.h"
#include "menu_probe_win.h"

namespace quarnic::e2e {
namespace {

std::string DescribeMenuItem(HMENU menu, int pos) {
    wchar_t text[256] = {};
    GetMenuStringW(menu, static_cast<UINT>(pos), text, 255, MF_BYPOSITION);
    UINT state = GetMenuState(menu, static_cast<UINT>(pos), MF_BYPOSITION);
    return JsonLine()
        .Number("id", static_cast<int>(GetMenuItemID(menu, pos)))
        .Text("text", text)
        .Flag("separator", (state & MF_SEPARATOR) != 0)
        .Flag("grayed", (state & MF_GRAYED) != 0)
        .Flag("disabled", (state & MF_DISABLED) != 0)
        .Flag("checked", (state & MF_CHECKED) != 0)
        .Finish();
}

void WriteAnswer(DWORD requester, const std::string& answer) {
    if (FILE* file = _wfopen(ProbeAnswerFile(requester).c_str(), L"wb")) {
        std::fwrite(answer.data(), 1, answer.size(), file);
        std::fclose(file);
    }
}

void WriteSystemMenu(HWND window, DWORD requester) {
    HMENU menu = GetSystemMenu(window, FALSE);
    int count = menu ? GetMenuItemCount(menu) : 0;
    std::string items = "[";
    for (int pos = 0; pos < count; ++pos) {
        items += (pos ? "," : "") + DescribeMenuItem(menu, pos);
    }
    WriteAnswer(requester, items + "]");
}

// What Windows does when the window reaches a monitor of another DPI: WM_DPICHANGED with both
// words the new DPI and a rectangle scaled at the window's top-left corner.
void ChangeDpi(HWND window, DWORD requester, int newDpi, int oldDpi) {
    RECT frame{};
    GetWindowRect(window, &frame);
    RECT suggested{frame.left, frame.top,
                   frame.left + MulDiv(frame.right - frame.left, newDpi, oldDpi),
                   frame.top + MulDiv(frame.bottom - frame.top, newDpi, oldDpi)};
    LARGE_INTEGER frequency{}, start{}, laidOut{}, painted{};
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(newDpi, newDpi),
                 reinterpret_cast<LPARAM>(&suggested));
    QueryPerformanceCounter(&laidOut);
    // The repaint the change asked for, window and keys, as a user waits for it.
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    QueryPerformanceCounter(&painted);
    const auto micros = [&](const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
        return (to.QuadPart - from.QuadPart) * 1000000 / frequency.QuadPart;
    };
    WriteAnswer(requester, JsonLine()
                               .Numbers("suggested", {suggested.left, suggested.top,
                                                      suggested.right - suggested.left,
                                                      suggested.bottom - suggested.top})
                               .Number("layout_us", micros(start, laidOut))
                               .Number("paint_us", micros(laidOut, painted))
                               .Finish());
}

}  // namespace
}  // namespace quarnic::e2e

extern "C" __declspec(dllexport) LRESULT CALLBACK
    QuarnicMenuProbeHook(int code, WPARAM wparam, LPARAM lparam) {
    static const UINT menuProbe = RegisterWindowMessageW(quarnic::e2e::kMenuProbeMessage);
    static const UINT dpiProbe = RegisterWindowMessageW(quarnic::e2e::kDpiChangeProbeMessage);
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lparam);
    const auto requester = static_cast<DWORD>(call->wParam);
    if (code == HC_ACTION && call->message == menuProbe) {
        quarnic::e2e::WriteSystemMenu(call->hwnd, requester);
    } else if (code == HC_ACTION && call->message == dpiProbe) {
        quarnic::e2e::ChangeDpi(call->hwnd, requester, LOWORD(call->lParam), HIWORD(call->lParam));
    }
    return CallNextHookEx(nullptr, code, wparam, lparam);
}
