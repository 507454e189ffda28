// The main window both programs run in: its creation steps and its window procedure. What is
// the program's own goes to its ProgramWindow.
#include "host/main_window_win.h"

#include <algorithm>
#include <cwchar>

#include "common/shell_texts.h"
#include "host/about_win.h"
#include "host/color_dialog_win.h"
#include "host/dpi_win.h"
#include "host/main_window_place_win.h"
#include "host/main_window_size_win.h"
#include "host/settings_win.h"
#include "host/shell_win.h"

namespace quarnic {
namespace {

const ProgramDescription& Program() {
    return *Shell().program;
}

void SetMainWindowTitle(HWND window) {
    SetWindowTextW(window, UiText(Program().names.englishTitle, Program().names.japaneseTitle));
}

void InsertMenuItem(HMENU menu, int position, const SystemMenuItem& item) {
    InsertMenuW(menu, static_cast<UINT>(position), MF_BYPOSITION | MF_STRING,
                static_cast<UINT_PTR>(item.id), UiText(item.englishText, item.japaneseText));
}

void AddSystemMenuItems(HWND window) {
    HMENU menu = GetSystemMenu(window, FALSE);
    // The standard items (Restore .. Close) take positions 0..4; ours follow a separator.
    InsertMenuW(menu, 5, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
    const ProgramMenu& items = Program().menu;
    InsertMenuItem(menu, 6, {items.aboutId, ABOUT_ITEM_EN, ABOUT_ITEM_JA});
    InsertMenuItem(menu, 7, {items.colorId, CONSOLE_COLOR_ITEM_EN, CONSOLE_COLOR_ITEM_JA});
    for (int i = 0; i < items.ownItemCount; ++i) {
        InsertMenuItem(menu, 8 + i, items.ownItems[i]);
    }
    InsertMenuItem(menu, 8 + items.ownItemCount,
                   {items.alwaysOnTopId, ALWAYS_ON_TOP_ITEM_EN, ALWAYS_ON_TOP_ITEM_JA});
    EnableMenuItem(menu, static_cast<UINT>(items.relabelledItem->id),
                   MF_BYCOMMAND | MF_DISABLED | MF_GRAYED);
}

int SampleWidth(HWND window, const wchar_t* sample) {
    if (sample == nullptr) {
        return 0;
    }
    return TextWidth(window, sample, static_cast<int>(std::wcslen(sample)));
}

// The caption's line and ink in the layout's font, the one the keys draw with. A font without
// glyph outlines counts its whole line as ink.
CaptionInk MeasureCaption(HWND window, wchar_t caption) {
    MainWindowDC dc(window);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    CaptionInk ink{static_cast<int>(metrics.tmHeight), 0, static_cast<int>(metrics.tmHeight)};
    const MAT2 identity{{0, 1}, {0, 0}, {0, 0}, {0, 1}};
    GLYPHMETRICS glyph{};
    if (GetGlyphOutlineW(dc, caption, GGO_METRICS, &glyph, 0, nullptr, &identity) != GDI_ERROR) {
        ink.inkTop = static_cast<int>(metrics.tmAscent - glyph.gmptGlyphOrigin.y);
        ink.inkEnd = ink.inkTop + static_cast<int>(glyph.gmBlackBoxY);
    }
    return ink;
}

// Takes the system font for the DPI and measures with it what the layout rules need; the font
// it replaces is the caller's to delete, once no key uses it any more.
LayoutInputs MeasureAtDpi(HWND window, int dpi) {
    Shell().font = CreateSystemFontFor(dpi);
    Shell().layoutDpi = dpi;
    LayoutInputs in;
    const ProgramLayoutRules& rules = Program().layout;
    in.keySampleWidth = SampleWidth(window, rules.keyWidthSample);
    in.sideMargin = rules.marginRule(in.keySampleWidth, SampleWidth(window, rules.marginSample));
    in.menuHeight = MetricForDpi(SM_CYMENU, dpi);
    in.captionHeight = MetricForDpi(SM_CYCAPTION, dpi);
    in.platformCode = Shell().PlatformCode;
    in.heightSpacingUnits = rules.heightSpacingUnits;
    in.screenWidth = GetSystemMetrics(SM_CXSCREEN);
    in.screenHeight = GetSystemMetrics(SM_CYSCREEN);
    in.stepUpCaption = MeasureCaption(window, L'+');
    in.stepDownCaption = MeasureCaption(window, L'-');
    return in;
}

// MoveWindow to the computed place at the smallest size, show and paint.
void ShowMainWindow(HWND window) {
    const SIZE size = SmallestWindowSize();
    // Centred as the layout centres its own size (truncating toward zero), for the frame the
    // window really has.
    const int x = (GetSystemMetrics(SM_CXSCREEN) - size.cx) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - size.cy) / 2;
    MoveWindow(window, x, y, size.cx, size.cy, FALSE);
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
}

// The settings are read first, since they say where the window opens. A window that opens where
// it was kept shows once its keys exist, so it is laid out at its kept size before anything shows.
void CreateMainWindowContents(HWND window) {
    if (BringRunningCopyForward(window)) {
        return;
    }
    SetMainWindowTitle(window);
    AddSystemMenuItems(window);
    ReadStartupFiles();
    Shell().layout = ComputeLayout(MeasureAtDpi(window, WindowDpi(window)));
    ProgramWindow& program = *Program().window;
    program.AttachView(window);
    const bool placeKept = Shell().keptPlace.has_value();
    if (!placeKept) {
        ShowMainWindow(window);
    }
    program.CreateKeysAndStart(window);
    if (placeKept) {
        ShowMainWindowAtKeptPlace(window);
    }
    ShowAlwaysOnTop(window);
    // The text carriers for screen readers take their names as the window paints, and a window
    // shown before its keys was painted before they existed.
    InvalidateRect(window, nullptr, TRUE);
}

LRESULT OnCreate(HWND window) {
    Shell().mainWindow = window;
    Shell().LabelBackground = GetSysColor(COLOR_BTNFACE);
    DetectLanguage(window);
    DetectPlatform();
    CreateMainWindowContents(window);
    PostMessageW(window, WM_USER, 0, 0);
    return 0;
}

// The window moved to a monitor of another DPI: the smallest layout is made again by the rules
// of the start, at the new DPI, the window takes the rectangle Windows suggests (its size in
// proportion to the DPI), never smaller than that layout, and the layout follows its size. The
// logic's state is untouched, so what is typed and shown stays.
void OnDpiChanged(HWND window, int dpi, const RECT& suggested) {
    ShellState& shell = Shell();
    HFONT replaced = shell.font;
    shell.layout = LayoutAfterDpiChange(MeasureAtDpi(window, dpi), suggested.left, suggested.top);
    const SIZE smallest = SmallestWindowSize();
    const int width = std::max<int>(suggested.right - suggested.left, smallest.cx);
    const int height = std::max<int>(suggested.bottom - suggested.top, smallest.cy);
    SetWindowPos(window, nullptr, suggested.left, suggested.top, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    // Also when the size stayed and no WM_SIZE came: the keys take the new font here.
    RelayoutToClient(window);
    if (replaced != nullptr) {
        DeleteObject(replaced);
    }
}

// A program that carries out the About and colour items itself has them first.
bool OnSystemCommand(HWND window, int id) {
    if (Program().window->OnSystemCommand(window, id)) {
        return true;
    }
    if (id == Program().menu.aboutId) {
        ShowAbout(window);
        return true;
    }
    if (id == Program().menu.colorId) {
        ShowColorDialog(window);
        return true;
    }
    return false;
}

}  // namespace

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    ProgramWindow& program = *Program().window;
    switch (message) {
        case WM_CREATE:
            return OnCreate(window);
        case WM_DESTROY:
            SaveSettings();
            return 0;
        case WM_PAINT:
            program.Paint(window);
            return 0;
        case WM_COMMAND:
            if (program.TakesCommands()) {
                program.OnCommand(LOWORD(wParam));
            }
            return 0;
        case WM_SYSCOMMAND:
            if (program.TakesCommands() && OnSystemCommand(window, LOWORD(wParam))) {
                return 0;
            }
            return DefWindowProcW(window, message, wParam, lParam);
        case WM_USER:
            ShowKeptMaximizedWindow(window);
            program.OnReady();
            return 0;
        case WM_GETMINMAXINFO:
            LimitToSmallestSize(*reinterpret_cast<MINMAXINFO*>(lParam));
            return 0;
        case WM_SIZE:
            if (program.TakesCommands() && wParam != SIZE_MINIMIZED) {
                RelayoutToClient(window);
            }
            return 0;
        case WM_ERASEBKGND:
            EraseAroundKeys(window, reinterpret_cast<HDC>(wParam));
            return 1;
        case WM_WINDOWPOSCHANGED:
            NoteNormalPlace(window);
            return DefWindowProcW(window, message, wParam, lParam);
        case WM_DPICHANGED:
            if (program.TakesCommands()) {
                OnDpiChanged(window, HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            }
            return 0;
        default:
            if (program.OnOtherMessage(window, message, wParam, lParam)) {
                return 0;
            }
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

namespace {

void SetKeyFont(HWND key) {
    SendMessageW(key, WM_SETFONT, reinterpret_cast<WPARAM>(Shell().font), FALSE);
}

}  // namespace

void CreateKeys(HWND parent, const KeyPlacement* keys, int count) {
    for (int i = 0; i < count; ++i) {
        const KeyPlacement& key = keys[i];
        // Radio buttons are not the automatic kind: the programs set and clear the checks.
        const DWORD style = key.kind == KeyKind::Radio        ? BS_RADIOBUTTON
                            : key.kind == KeyKind::OwnerDrawn ? BS_OWNERDRAW
                                                              : BS_PUSHBUTTON;
        HWND button = CreateWindowExW(0, L"BUTTON", key.label, WS_CHILD | WS_VISIBLE | style,
                                      key.rect.left, key.rect.top, key.rect.width, key.rect.height,
                                      parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(key.id)),
                                      Shell().instance, nullptr);
        const int slot = key.id - FIRST_CONTROL_ID;
        if (slot >= 0 && slot < CONTROL_TABLE_SIZE) {
            Shell().controls[slot] = button;
        }
        // At the system DPI the keys keep the system font every button starts with.
        if (Shell().font != nullptr) {
            SetKeyFont(button);
        }
        ShowWindow(button, SW_SHOW);
    }
}

void MoveControls(const KeyPlacement* controls, int count) {
    HDWP moves = BeginDeferWindowPos(count);
    for (int i = 0; i < count; ++i) {
        const KeyPlacement& place = controls[i];
        HWND control = GetDlgItem(Shell().mainWindow, place.id);
        if (control == nullptr) {
            continue;
        }
        if (place.kind != KeyKind::PaintedText) {
            SetKeyFont(control);
        }
        // Nothing is drawn while the controls move: the caller repaints the whole window.
        moves = DeferWindowPos(moves, control, nullptr, place.rect.left, place.rect.top,
                               place.rect.width, place.rect.height,
                               SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW | SWP_NOCOPYBITS);
    }
    EndDeferWindowPos(moves);
}

HWND Control(int id) {
    int slot = id - FIRST_CONTROL_ID;
    if (slot < 0 || slot >= CONTROL_TABLE_SIZE) {
        return nullptr;
    }
    return Shell().controls[slot];
}

}  // namespace quarnic
