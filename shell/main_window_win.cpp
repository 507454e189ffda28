#include <cwchar>

#include "shell/shell_win.h"

namespace quarnic {

void SetMainWindowTitle(HWND window) {
    const ProgramDescription& program = *Shell().program;
    SetWindowTextW(window, UiText(program.englishTitle, program.japaneseTitle));
}

void AddSystemMenuItems(HWND window, const SystemMenuItem* items, int count) {
    HMENU menu = GetSystemMenu(window, FALSE);
    // The standard items (Restore .. Close) take positions 0..4; ours follow a separator.
    InsertMenuW(menu, 5, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
    for (int i = 0; i < count; ++i) {
        InsertMenuW(menu, static_cast<UINT>(6 + i), MF_BYPOSITION | MF_STRING,
                    static_cast<UINT_PTR>(items[i].id),
                    UiText(items[i].englishText, items[i].japaneseText));
    }
}

void ComputeMainLayout(HWND window, const wchar_t* keyWidthSample, const wchar_t* markSample,
                       int heightSpacingUnits) {
    LayoutInputs in;
    int markWidth = 0;
    if (markSample != nullptr) {
        markWidth = TextWidth(window, markSample, static_cast<int>(std::wcslen(markSample)));
    }
    in.keySampleWidth =
        TextWidth(window, keyWidthSample, static_cast<int>(std::wcslen(keyWidthSample)));
    in.sideMargin = markSample != nullptr ? CalculatorSideMargin(markWidth)
                                          : ConverterSideMargin(in.keySampleWidth);
    in.menuHeight = GetSystemMetrics(SM_CYMENU);
    in.captionHeight = GetSystemMetrics(SM_CYCAPTION);
    in.platformCode = Shell().PlatformCode;
    in.heightSpacingUnits = heightSpacingUnits;
    in.screenWidth = GetSystemMetrics(SM_CXSCREEN);
    in.screenHeight = GetSystemMetrics(SM_CYSCREEN);
    Shell().layout = ComputeLayout(in);
}

void ShowMainWindow(HWND window) {
    const Layout& layout = Shell().layout;
    MoveWindow(window, layout.WindowX, layout.WindowY, layout.WindowWidth, layout.WindowHeight,
               FALSE);
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
}

HWND CreateKey(HWND parent, int id, const wchar_t* label, DWORD style, int x, int y, int width,
               int height) {
    HWND key = CreateWindowExW(0, L"BUTTON", label, WS_CHILD | WS_VISIBLE | style, x, y, width,
                               height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               Shell().instance, nullptr);
    int slot = id - FIRST_CONTROL_ID;
    if (slot >= 0 && slot < CONTROL_TABLE_SIZE) {
        Shell().controls[slot] = key;
    }
    ShowWindow(key, SW_SHOW);
    return key;
}

HWND Control(int id) {
    int slot = id - FIRST_CONTROL_ID;
    if (slot < 0 || slot >= CONTROL_TABLE_SIZE) {
        return nullptr;
    }
    return Shell().controls[slot];
}

}  // namespace quarnic
