// The calculator's main window: creation, the message handlers and the program's entry point.
// Key commands go to the logic's dispatcher; everything drawn goes through the Win32 view.
#include <iterator>

#include "calc/calc_ids.h"
#include "calc/calculator_keys_win.h"
#include "calc/calculator_paint_win.h"
#include "calc/calculator_state.h"
#include "calc/clipboard_commands.h"
#include "calc/keyboard_map.h"
#include "calc/save_answer_win.h"
#include "calc/sqrt_key_win.h"
#include "calc/square_root.h"
#include "calc/win32_calculator_view_win.h"
#include "shell/program_titles.h"
#include "shell/shell_win.h"

namespace quarnic {
namespace {

// The one calculator of the process, its view and the key colours read at creation.
struct CalculatorWindow {
    Calculator calc;
    Win32CalculatorView* view = nullptr;
    SqrtKeyColors keyColors;
};

CalculatorWindow& Window() {
    static CalculatorWindow window;
    return window;
}

// One and 56 zeros: a tenth of its width is a key's width.
constexpr wchar_t KEY_WIDTH_SAMPLE[] = L"100000000000000000000000000000000000000000000000000000000";
constexpr wchar_t MARGIN_SAMPLE[] = L"M(33)";
constexpr int HEIGHT_SPACING_UNITS = 9;

constexpr SystemMenuItem MENU_ITEMS[] = {
    {IDM_ABOUT, L"&About...", L"御案内(&A)..."},
    {IDM_CONSOLE_COLOR, L"Set console co&lor...", L"コンソールカラーの設定(&L)..."},
    {IDM_SQRT_SETTING, L"Set s&qrt calculation....", L"平方根計算の設定(&Q)..."},
    {IDM_SAVE_ANSWER, L"Sa&ve answer...", L"答の保存(&V)..."},
    {IDM_COPY, L"&Copy\tCtrl+C", L"コピー(&C)\tCtrl+C"},
    {IDM_PASTE, L"&Paste\tCtrl+V", L"貼り付け(&P)\tCtrl+V"},
};

void CreateMainWindowContents(HWND window) {
    if (BringRunningCopyForward(window)) {
        return;
    }
    SetMainWindowTitle(window);
    AddSystemMenuItems(window, MENU_ITEMS, static_cast<int>(std::size(MENU_ITEMS)));
    EnableMenuItem(GetSystemMenu(window, FALSE), IDM_SAVE_ANSWER,
                   MF_BYCOMMAND | MF_DISABLED | MF_GRAYED);
    ComputeMainLayout(window, KEY_WIDTH_SAMPLE, MARGIN_SAMPLE, HEIGHT_SPACING_UNITS);
    ShowMainWindow(window);
    CreateCalculatorKeys(window);
    static Win32CalculatorView view(window);
    Window().view = &view;
    Window().calc.JapaneseUi = Shell().JapaneseUi != 0;
    StartCalculator(Window().calc, view);
    ReadStartupFiles();
    // The window was first painted before the settings were read: show their colour.
    InvalidateRect(window, nullptr, TRUE);
}

LRESULT OnCreate(HWND window) {
    Shell().mainWindow = window;
    CalculatorWindow& w = Window();
    w.calc.state.SqrtKeyNeedsRedraw = 0;
    Shell().LabelBackground = GetSysColor(COLOR_BTNFACE);
    w.keyColors.light = GetSysColor(COLOR_3DLIGHT);
    w.keyColors.shadow = GetSysColor(COLOR_BTNSHADOW);
    DetectLanguage(window);
    DetectPlatform();
    CreateMainWindowContents(window);
    PostMessageW(window, WM_USER, 0, 0);
    return 0;
}

void OnDeactivate() {
    HWND key = Control(IDC_SQRT);
    InvalidateRect(key, nullptr, TRUE);
    UpdateWindow(key);
    Window().calc.state.SqrtKeyNeedsRedraw = 0;
}

bool OnSystemCommand(HWND window, int id) {
    switch (id) {
        case IDM_ABOUT:
            ShowAbout(window);
            return true;
        case IDM_CONSOLE_COLOR:
            ShowColorDialog(window);
            return true;
        case IDM_SAVE_ANSWER:
            SaveAnswer(window, Window().calc);
            return true;
        case IDM_SQRT_SETTING:
            SqrtSettingDialog(Window().calc);
            return true;
        default:
            return DispatchClipboardCommand(Window().calc, id);
    }
}

LRESULT CALLBACK CalculatorWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            return OnCreate(window);
        case WM_DESTROY:
            SaveSettings();
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE && Window().view != nullptr) {
                OnDeactivate();
            }
            return 0;
        case WM_PAINT:
            PaintCalculatorWindow(window, Window().calc);
            return 0;
        case WM_DRAWITEM:
            DrawSqrtKey(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), Window().keyColors);
            return 0;
        case WM_COMMAND:
            if (Window().view != nullptr) {
                DispatchCommand(Window().calc, LOWORD(wParam));
            }
            return 0;
        case WM_SYSCOMMAND:
            if (Window().view != nullptr && OnSystemCommand(window, LOWORD(wParam))) {
                return 0;
            }
            return DefWindowProcW(window, message, wParam, lParam);
        case WM_USER:
            Window().calc.state.ReadyFlag = 1;
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

const ProgramDescription& CalculatorProgram() {
    static const ProgramDescription program{
        KELVARIN_CLASS_NAME,
        KELVARIN_CREATION_CAPTION,
        KELVARIN_TITLE_EN,
        KELVARIN_TITLE_JA,
        L"KELVARIN.EXE",
        L"KELVARIN.TXT",
        L"README_Q.TXT",
        CalculatorWindowProc,
        L"ICON_1",
        IDC_CALC_RED_SCROLL,
        true,
        CalculatorCharacterKey,
        CalculatorNamedKey,
    };
    return program;
}

}  // namespace quarnic

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    return quarnic::RunProgram(instance, quarnic::CalculatorProgram());
}
