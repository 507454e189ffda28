// The hook half of the menu probe: loaded by Wine into the probed program, it answers the probe
// message by writing the window's system menu to the requester's file.

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
        .Finish();
}

void WriteSystemMenu(HWND window, DWORD requester) {
    HMENU menu = GetSystemMenu(window, FALSE);
    int count = menu ? GetMenuItemCount(menu) : 0;
    std::string items = "[";
    for (int pos = 0; pos < count; ++pos) {
        items += (pos ? "," : "") + DescribeMenuItem(menu, pos);
    }
    items += "]";
    if (FILE* file = _wfopen(MenuProbeFile(requester).c_str(), L"wb")) {
        std::fwrite(items.data(), 1, items.size(), file);
        std::fclose(file);
    }
}

}  // namespace
}  // namespace quarnic::e2e

extern "C" __declspec(dllexport) LRESULT CALLBACK
    QuarnicMenuProbeHook(int code, WPARAM wparam, LPARAM lparam) {
    static const UINT probe = RegisterWindowMessageW(quarnic::e2e::kMenuProbeMessage);
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lparam);
    if (code == HC_ACTION && call->message == probe) {
        quarnic::e2e::WriteSystemMenu(call->hwnd, static_cast<DWORD>(call->wParam));
    }
    return CallNextHookEx(nullptr, code, wparam, lparam);
}
