#include "host/shell_win.h"

#include "common/platform_rules.h"
#include "common/shell_texts.h"
#include "host/clipboard_win.h"
#include "host/main_window_win.h"

namespace quarnic {

ShellState& Shell() {
    static ShellState state;
    return state;
}

namespace {

bool RegisterMainClass(const ProgramDescription& program) {
    WNDCLASSW windowClass{};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = Shell().instance;
    // Each program's resource script names its class icon ICON_1.
    windowClass.hIcon = LoadIconW(Shell().instance, L"ICON_1");
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = program.names.className;
    return RegisterClassW(&windowClass) != 0;
}

bool OfferModelessDialogs(MSG& message) {
    for (HWND dialog : Shell().modelessDialogs) {
        if (dialog != nullptr && IsDialogMessageW(dialog, &message)) {
            return true;
        }
    }
    return false;
}

int RunMessageLoop() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (OfferModelessDialogs(message)) {
            continue;
        }
        if (OfferKeyMessage(message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

HWND FindRunningCopy() {
    const ProgramDescription& program = *Shell().program;
    HWND found =
        FindWindowExW(nullptr, nullptr, program.names.className, program.names.englishTitle);
    if (found == nullptr) {
        found =
            FindWindowExW(nullptr, nullptr, program.names.className, program.names.japaneseTitle);
    }
    return found;
}

void CentreOnScreen(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    int x = (GetSystemMetrics(SM_CXSCREEN) - (rect.right - rect.left)) / 2;
    int y = (GetSystemMetrics(SM_CYSCREEN) - (rect.bottom - rect.top)) / 2;
    HDWP positions = BeginDeferWindowPos(1);
    positions = DeferWindowPos(positions, window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EndDeferWindowPos(positions);
}

}  // namespace

// The window can be sized and maximized; its smallest size is its layout's.
constexpr DWORD MAIN_WINDOW_STYLE =
    WS_OVERLAPPED | WS_SYSMENU | WS_MINIMIZEBOX | WS_THICKFRAME | WS_MAXIMIZEBOX;

int RunProgram(HINSTANCE instance, const ProgramDescription& program) {
    ShellState& shell = Shell();
    shell.instance = instance;
    shell.program = &program;
    if (!RegisterMainClass(program)) {
        return 0;
    }
    // The window moves, sizes and shows itself while it is being created; these are
    // placeholders only.
    shell.mainWindow =
        CreateWindowExW(0, program.names.className, program.names.creationCaption,
                        MAIN_WINDOW_STYLE, 100, 100, 300, 100, nullptr, nullptr, instance, nullptr);
    if (shell.mainWindow == nullptr) {
        return 0;
    }
    return RunMessageLoop();
}

bool BringRunningCopyForward(HWND window) {
    HWND running = FindRunningCopy();
    if (running == nullptr) {
        return false;
    }
    if (IsIconic(running)) {
        ShowWindow(running, SW_SHOWNORMAL);
    }
    ShowWindow(running, SW_HIDE);
    CentreOnScreen(running);
    ShowWindow(running, SW_SHOW);
    SetForegroundWindow(running);
    PostMessageW(window, WM_CLOSE, 0, 0);
    return true;
}

void DetectLanguage(HWND) {
    Shell().JapaneseUi = IsJapaneseCodePage(GetACP());
}

namespace {

// Reading is all the version keys are opened for: an ordinary user may not open them for
// writing, and must not be taken for a Windows 95 user because of that.
constexpr REGSAM VERSION_KEY_ACCESS = KEY_QUERY_VALUE;
static_assert((VERSION_KEY_ACCESS & (KEY_SET_VALUE | KEY_CREATE_SUB_KEY | KEY_CREATE_LINK |
                                     WRITE_DAC | WRITE_OWNER | DELETE)) == 0,
              "the version keys are read only");

class Win32VersionRegistry final : public VersionRegistry {
  public:
    VersionRead Read(VersionValue value, wchar_t* text, int capacity) override {
        bool nt = value == VersionValue::NtCurrentVersion;
        const wchar_t* keyPath = nt ? L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion"
                                    : L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
        HKEY key;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, keyPath, 0, VERSION_KEY_ACCESS, &key) !=
            ERROR_SUCCESS) {
            return VersionRead::KeyMissing;
        }
        DWORD type = 0;
        // The last character stays the zero the caller put there.
        DWORD size = static_cast<DWORD>((capacity - 1) * sizeof(wchar_t));
        LONG status = RegQueryValueExW(key, nt ? L"CurrentVersion" : L"ProductName", nullptr, &type,
                                       reinterpret_cast<BYTE*>(text), &size);
        RegCloseKey(key);
        if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) {
            text[0] = L'\0';
            return VersionRead::ValueMissing;
        }
        return VersionRead::Read;
    }
};

}  // namespace

void DetectPlatform() {
    Win32VersionRegistry registry;
    Shell().PlatformCode = DetectPlatformCode(registry, Shell().PlatformCode);
}

const wchar_t* UiText(const wchar_t* english, const wchar_t* japanese) {
    return Shell().JapaneseUi ? japanese : english;
}

int ShowMessage(HWND owner, const wchar_t* englishText, const wchar_t* japaneseText,
                const wchar_t* englishCaption, const wchar_t* japaneseCaption, UINT flags) {
    return MessageBoxW(owner, UiText(englishText, japaneseText),
                       UiText(englishCaption, japaneseCaption), flags);
}

void ShowLogicMessage(HWND owner, std::string_view utf8Text) {
    wchar_t title[128] = {};
    GetWindowTextW(owner, title, 127);
    MessageBoxW(owner, WideFromUtf8(utf8Text).c_str(), title, MB_OK | MB_ICONEXCLAMATION);
}

void ShowDialogFailure() {
    ShowMessage(nullptr, DIALOG_FAILED_WIDE_EN, DIALOG_FAILED_WIDE_JA, SYSTEM_ERROR_WIDE_EN,
                SYSTEM_ERROR_WIDE_JA, MB_SYSTEMMODAL | MB_ICONERROR);
}

bool RunModalDialog(HWND owner, const wchar_t* englishTemplate, const wchar_t* japaneseTemplate,
                    DLGPROC procedure, LPARAM parameter) {
    const INT_PTR result = DialogBoxParamW(
        Shell().instance, UiText(englishTemplate, japaneseTemplate), owner, procedure, parameter);
    if (result == -1) {
        ShowDialogFailure();
        return false;
    }
    return true;
}

COLORREF ConsoleColorRef() {
    const ConsoleColor& c = Shell().console;
    return RGB(c.red & 0xFF, c.green & 0xFF, c.blue & 0xFF);
}

int TextWidth(HWND window, const wchar_t* text, int length) {
    MainWindowDC dc(window);
    SIZE size{};
    GetTextExtentPoint32W(dc, text, length, &size);
    return size.cx;
}

int TextWidthNarrow(HWND window, const char* text, int length) {
    // Console texts are digits, signs and points: plain ASCII, widened one to one.
    wchar_t wide[1210];
    int count = length < 1209 ? length : 1209;
    for (int i = 0; i < count; ++i) {
        wide[i] = static_cast<unsigned char>(text[i]);
    }
    return TextWidth(window, wide, count);
}

SIZE ClientSize(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    return SIZE{client.right - client.left, client.bottom - client.top};
}

void SetWaitCursorShown(bool waiting) {
    SetCursor(LoadCursorW(nullptr, waiting ? IDC_WAIT : IDC_ARROW));
}

void DrawLine(HDC dc, int x1, int y1, int x2, int y2) {
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

void DrawPolyline(HDC dc, const POINT* points, int count) {
    MoveToEx(dc, points[0].x, points[0].y, nullptr);
    for (int i = 1; i < count; ++i) {
        LineTo(dc, points[i].x, points[i].y);
    }
}

ScopedPen::ScopedPen(HDC dc, COLORREF color)
    : dc_(dc), pen_(CreatePen(PS_SOLID, 1, color)), old_(SelectObject(dc, pen_)) {}

ScopedPen::~ScopedPen() {
    SelectObject(dc_, old_);
    DeleteObject(pen_);
}

}  // namespace quarnic
