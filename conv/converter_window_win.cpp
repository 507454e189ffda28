// The converter's main window: creation, the message handlers and the program's entry point.
// Key commands go to the converter's dispatcher; everything drawn goes through the Win32 view.
#include <iterator>

#include "conv/conv_ids.h"
#include "conv/converter_layout.h"
#include "conv/converter_paint_win.h"
#include "conv/converter_state.h"
#include "conv/keyboard_map.h"
#include "conv/win32_converter_view_win.h"
#include "shell/program_titles.h"
#include "shell/shell_win.h"

namespace quarnic {
namespace {

Converter& TheConverter() {
    static Converter converter;
    return converter;
}

// A one and 67 zeros: a tenth of its width is a key's width.
constexpr wchar_t KEY_WIDTH_SAMPLE[] =
    L"10000000000000000000000000000000000000000000000000000000000000000000";
constexpr int HEIGHT_SPACING_UNITS = 10;

constexpr SystemMenuItem MENU_ITEMS[] = {
    {IDM_CONV_ABOUT, L"&About...", L"御案内(&A)..."},
    {IDM_CONV_CONSOLE_COLOR, L"Set console co&lor...", L"コンソールカラーの設定(&L)..."},
    {IDM_CONV_COPY_ANSWER, L"Co&py answer", L"答のコピー(&P)"},
    {IDM_CONV_PASTE, L"&Paste\tCtrl+V", L"貼り付け(&P)\tCtrl+V"},
};

void CreateConverterControls(HWND window) {
    for (const ControlPlacement& control : ConverterControls(CurrentConverterGeometry())) {
        wchar_t label[16] = {};
        for (int i = 0; control.label[i] != '\0' && i < 15; ++i) {
            label[i] = static_cast<unsigned char>(control.label[i]);
        }
        const DWORD style = control.kind == ControlKind::Radio ? BS_RADIOBUTTON : BS_PUSHBUTTON;
        CreateKey(window, control.id, label, style, control.rect.x, control.rect.y,
                  control.rect.width, control.rect.height);
    }
}

void CreateMainWindowContents(HWND window) {
    if (BringRunningCopyForward(window)) {
        return;
    }
    SetMainWindowTitle(window);
    AddSystemMenuItems(window, MENU_ITEMS, static_cast<int>(std::size(MENU_ITEMS)));
    EnableMenuItem(GetSystemMenu(window, FALSE), IDM_CONV_COPY_ANSWER,
                   MF_BYCOMMAND | MF_DISABLED | MF_GRAYED);
    ComputeMainLayout(window, KEY_WIDTH_SAMPLE, nullptr, HEIGHT_SPACING_UNITS);
    // The first paint comes while the window is shown, before any control exists; it draws
    // through the view but reads no control until ReadyFlag is set.
    Converter& converter = TheConverter();
    static Win32ConverterView view(window, Shell().JapaneseUi != 0);
    converter.JapaneseUi = Shell().JapaneseUi != 0;
    converter.view = &view;
    ShowMainWindow(window);
    CreateConverterControls(window);
    SetUpConverterStart(converter);
    ReadStartupFiles();
    // The window was first painted before the settings were read: show their colour.
    InvalidateRect(window, nullptr, TRUE);
}

LRESULT OnCreate(HWND window) {
    Shell().mainWindow = window;
    const COLORREF buttonFace = GetSysColor(COLOR_BTNFACE);
    Shell().LabelBackground = buttonFace;
    TheConverter().LabelBackground = buttonFace;
    DetectLanguage(window);
    DetectPlatform();
    CreateMainWindowContents(window);
    PostMessageW(window, WM_USER, 0, 0);
    return 0;
}

bool OnSystemCommand(HWND window, int id) {
    switch (id) {
        case IDM_CONV_ABOUT:
            ShowAbout(window);
            return true;
        case IDM_CONV_CONSOLE_COLOR:
            ShowColorDialog(window);
            return true;
        default:
            return DispatchConverterSystemCommand(TheConverter(), id);
    }
}

LRESULT CALLBACK ConverterWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Converter& converter = TheConverter();
    switch (message) {
        case WM_CREATE:
            return OnCreate(window);
        case WM_DESTROY:
            SaveSettings();
            return 0;
        case WM_PAINT:
            PaintConverterWindow(window, converter);
            return 0;
        case WM_COMMAND:
            if (converter.view != nullptr) {
                DispatchConverterCommand(converter, LOWORD(wParam));
            }
            return 0;
        case WM_SYSCOMMAND:
            if (converter.view != nullptr && OnSystemCommand(window, LOWORD(wParam))) {
                return 0;
            }
            return DefWindowProcW(window, message, wParam, lParam);
        case WM_USER:
            converter.ReadyFlag = 1;
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

const ProgramDescription& ConverterProgram() {
    static const ProgramDescription program{
        OSTRAMEL_CLASS_NAME,
        OSTRAMEL_CREATION_CAPTION,
        OSTRAMEL_TITLE_EN,
        OSTRAMEL_TITLE_JA,
        L"OSTRAMEL.EXE",
        L"OSTRAMEL.TXT",
        nullptr,
        ConverterWindowProc,
        L"ICON_1",
        IDC_CONV_RED_SCROLL,
        false,
        ConverterCharacterKey,
        ConverterNamedKey,
    };
    return program;
}

}  // namespace quarnic

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    return quarnic::RunProgram(instance, quarnic::ConverterProgram());
}
