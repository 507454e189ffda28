#include "host/dpi_win.h"

namespace quarnic {
namespace {

using DpiForWindowFunction = UINT(WINAPI*)(HWND);
using MetricsForDpiFunction = int(WINAPI*)(int, UINT);
using AdjustForDpiFunction = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
using DialogBehaviorFunction = BOOL(WINAPI*)(HWND, int, int);

// DDC_DISABLE_ALL of SetDialogDpiChangeBehavior: no resize, no font update, no relayout.
constexpr int DIALOG_DPI_CHANGES_DISABLED = 0x0001 | 0x0002 | 0x0004;

struct PerDpiFunctions {
    DpiForWindowFunction dpiForWindow = nullptr;
    MetricsForDpiFunction metricsForDpi = nullptr;
    AdjustForDpiFunction adjustForDpi = nullptr;
    DialogBehaviorFunction dialogBehavior = nullptr;
};

template <typename Function>
Function Lookup(HMODULE module, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

const PerDpiFunctions& Functions() {
    static const PerDpiFunctions functions = [] {
        PerDpiFunctions found;
        HMODULE user = GetModuleHandleW(L"user32.dll");
        if (user != nullptr) {
            found.dpiForWindow = Lookup<DpiForWindowFunction>(user, "GetDpiForWindow");
            found.metricsForDpi = Lookup<MetricsForDpiFunction>(user, "GetSystemMetricsForDpi");
            found.adjustForDpi = Lookup<AdjustForDpiFunction>(user, "AdjustWindowRectExForDpi");
            found.dialogBehavior =
                Lookup<DialogBehaviorFunction>(user, "SetDialogDpiChangeBehavior");
        }
        return found;
    }();
    return functions;
}

}  // namespace

bool HasPerDpiFunctions() {
    const PerDpiFunctions& f = Functions();
    return f.dpiForWindow != nullptr && f.metricsForDpi != nullptr && f.adjustForDpi != nullptr;
}

int SystemDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

int WindowDpi(HWND window) {
    if (HasPerDpiFunctions()) {
        const UINT dpi = Functions().dpiForWindow(window);
        if (dpi != 0) {
            return static_cast<int>(dpi);
        }
    }
    return SystemDpi();
}

int MetricForDpi(int index, int dpi) {
    if (HasPerDpiFunctions()) {
        return Functions().metricsForDpi(index, static_cast<UINT>(dpi));
    }
    return GetSystemMetrics(index);
}

SIZE WindowSizeForClient(DWORD style, DWORD exStyle, int clientWidth, int clientHeight, int dpi) {
    RECT rect{0, 0, clientWidth, clientHeight};
    if (HasPerDpiFunctions()) {
        Functions().adjustForDpi(&rect, style, FALSE, exStyle, static_cast<UINT>(dpi));
    } else {
        AdjustWindowRectEx(&rect, style, FALSE, exStyle);
    }
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

LOGFONTW SystemFontAt(int dpi) {
    LOGFONTW font{};
    GetObjectW(GetStockObject(SYSTEM_FONT), sizeof font, &font);
    font.lfHeight = MulDiv(font.lfHeight, dpi, SystemDpi());
    return font;
}

HFONT CreateSystemFontFor(int dpi) {
    if (dpi == SystemDpi()) {
        return nullptr;
    }
    const LOGFONTW font = SystemFontAt(dpi);
    return CreateFontIndirectW(&font);
}

void KeepDialogFromRescaling(HWND dialog) {
    if (DialogBehaviorFunction set = Functions().dialogBehavior) {
        set(dialog, DIALOG_DPI_CHANGES_DISABLED, DIALOG_DPI_CHANGES_DISABLED);
    }
}

}  // namespace quarnic
