// e2e-driver: drives a running KELVARIN.EXE or OSTRAMEL.EXE (or the test fixture) from outside,
// the way a user's clicks would, and reports what the window shows. It runs under the same Wine
// prefix as the program. Usage: e2e-driver CLASS COMMAND [ARGS...]; every command prints one JSON
// line, exits with 0 on success and 1 on failure. IDs are numbers or the macro names of the
// program's id header (NAME+N for ranges). Commands:
//   ids | titles                      the name table; the titles the programs were built with
//   wait TIMEOUT_MS [TITLE]           until a visible window of the class answers messages
//   count | state                     windows of the class; controls, checks, system menu, geometry
//   press ID... | post ID             WM_COMMAND sent (waits for the key's work) or posted
//   syscmd ID | post-syscmd ID        WM_SYSCOMMAND; post the ones that open a modal dialog
//   save-as ID PATH [TIMEOUT_MS]      chooses the system-menu item and fills in the save dialog
//   dialog [TIMEOUT_MS] | no-dialog MS  the open dialog or message box (or none after MS)
//   dialog-press ID                   presses a button that closes the dialog (1 = OK)
//   dialog-command ID | dialog-scroll ID CODE [POS]   clicks or scrolls inside the open dialog
//   clipboard | minimize | close      the clipboard text; SW_MINIMIZE; WM_CLOSE and wait
//   place X Y WIDTH HEIGHT            SetWindowPos of the main window from outside
//   hold-clipboard ID MS              keeps the clipboard open for MS while posting syscmd ID
//   decoy TITLE MS                    a hidden window of the class with another title, for MS
//   metrics | key-captions            DPI and system metrics; the keys' captions measured
//   layout-metrics DPI...             what the layout rules measure, at each DPI (text_fit_win.h)
//   dialog-fit FACE POINTS            the open dialog's static texts wrapped in that font
//   exe-info PATH | products NAME     version resource and manifest; Apps & features entries
//   msi-products NAME                 the products of that name the installer registered, with
//                                     their scope (machine or user)
//   names | press-watch ID...         accessible names; keys pressed while name changes are seen
//   keys [--as-is] KEY...             real key events (SendInput) to the main window, brought to
//                                     the front first unless --as-is (a dialog keeps the front):
//                                     a word is typed character by character; {NAME} is a named
//                                     key (ENTER ESC BACK DEL INS PGUP PGDN HOME END UP DOWN TAB
//                                     SPACE F3..F9, or a letter), with ^ for Ctrl, + for Shift
//                                     and % for Alt in front: {^C} {+INS} {+F5} {%SPACE}
//   click ID                          a real mouse click at the centre of a control (it takes the
//                                     focus, as a user's click does)
//   set-clipboard TEXT                puts TEXT on the clipboard as CF_UNICODETEXT
//   history ACTION [ARGS]             the calculator's history window (history_probe_win.h)
//   tool-window | tool-window-click ID | tool-window-double-click LINE   the open tool window
//                                     (tool_window_probe_win.h)
//   resize WIDTH HEIGHT               the main window to that outer size by a real drag of its
//                                     frame, else SetWindowPos (resize_probe_win.h)
//   dpi-change NEW OLD [tool]         WM_DPICHANGED from inside the program, to the main window
//                                     or its open tool window (menu_probe_win.h): the suggested
//                                     rectangle and the time the change took

#include <windows.h>

#include <cstring>
#include <cwchar>
#include <map>
#include <string>
#include <vector>

#include "accessibility_probe_win.h"
#include "calc/calc_texts.h"
#include "conv/conv_texts.h"
#include "history_probe_win.h"
#include "install_probe_win.h"
#include "json_line_win.h"
#include "menu_probe_win.h"
#include "resize_probe_win.h"
#include "text_fit_win.h"
#include "tool_window_probe_win.h"
#include "window_probe_win.h"

namespace quarnic::e2e {
namespace {

struct IdName {
    const wchar_t* name;
    int id;
};

#include "id_tables.inc"

constexpr DWORD kDefaultTimeoutMs = 10000;
constexpr UINT kCommandTimeoutMs = 120000;  // a 300-place square root takes a while
constexpr int kSaveDialogNameCombo = 1148;
constexpr int kSaveDialogNameEdit = 1152;

using Args = std::vector<std::wstring>;

struct Context {
    std::wstring window_class;
    Args args;  // after the command name
};

const IdName* IdTableFor(const std::wstring& window_class) {
    if (window_class == L"KELVARIN") {
        return kCalculatorIds;
    }
    if (window_class == L"OSTRAMEL") {
        return kConverterIds;
    }
    return kFixtureIds;
}

// A number, a macro name of the program's id header, or NAME+N for ranges such as digit keys.
bool ResolveId(const std::wstring& window_class, const std::wstring& text, int& id) {
    wchar_t* end = nullptr;
    long number = std::wcstol(text.c_str(), &end, 0);
    if (!text.empty() && *end == L'\0') {
        id = static_cast<int>(number);
        return true;
    }
    size_t plus = text.find(L'+');
    std::wstring name = text.substr(0, plus);
    int offset = plus == std::wstring::npos ? 0 : _wtoi(text.c_str() + plus + 1);
    for (const IdName* entry = IdTableFor(window_class); entry->name; ++entry) {
        if (name == entry->name) {
            id = entry->id + offset;
            return true;
        }
    }
    return false;
}

int Fail(const std::string& message) {
    PrintLine(JsonLine().Flag("ok", false).Utf8("error", message).Finish());
    return 1;
}

int Succeed(JsonLine line) {
    std::string body = line.Finish();
    PrintLine("{\"ok\":true" + (body.size() > 2 ? "," + body.substr(1) : "}"));
    return 0;
}

DWORD TimeoutArg(const Args& args, size_t index) {
    return args.size() > index ? static_cast<DWORD>(_wtoi(args[index].c_str())) : kDefaultTimeoutMs;
}

bool ResolveAll(const Context& context, size_t first, std::vector<int>& ids, std::string& bad) {
    for (size_t i = first; i < context.args.size(); ++i) {
        int id = 0;
        if (!ResolveId(context.window_class, context.args[i], id)) {
            bad = ToUtf8(context.args[i]);
            return false;
        }
        ids.push_back(id);
    }
    return true;
}

int ListIds(const Context& context) {
    std::string table = "{";
    for (const IdName* entry = IdTableFor(context.window_class); entry->name; ++entry) {
        table += (table.size() > 1 ? "," : "") + QuoteJson(ToUtf8(entry->name)) + ":" +
                 std::to_string(entry->id);
    }
    return Succeed(JsonLine().Raw("ids", table + "}"));
}

int Wait(const Context& context) {
    const wchar_t* title = context.args.size() > 1 ? context.args[1].c_str() : nullptr;
    HWND main = WaitForMainWindow(context.window_class, title, TimeoutArg(context.args, 0));
    if (!main) {
        return Fail("no window of the class appeared");
    }
    return Succeed(JsonLine().Text("title", WindowText(main)));
}

int Count(const Context& context) {
    long long visible = 0;
    std::vector<HWND> windows = FindTopLevelWindows(context.window_class, nullptr);
    for (HWND window : windows) {
        visible += IsWindowVisible(window) ? 1 : 0;
    }
    return Succeed(JsonLine()
                       .Number("windows", static_cast<long long>(windows.size()))
                       .Number("visible", visible));
}

HWND RequireMain(const Context& context) {
    return FindMainWindow(context.window_class);
}

int State(const Context& context) {
    HWND main = RequireMain(context);
    if (!main) {
        return Fail("window not found");
    }
    return Succeed(JsonLine().Raw("state", DescribeMainWindow(main)));
}

// Sends (synchronously) or posts one message per id to the main window.
int Deliver(const Context& context, UINT message, bool post) {
    HWND main = RequireMain(context);
    std::vector<int> ids;
    std::string bad;
    if (!ResolveAll(context, 0, ids, bad)) {
        return Fail("unknown id " + bad);
    }
    if (!main) {
        return Fail("window not found");
    }
    for (int id : ids) {
        LPARAM control = message == WM_COMMAND ? reinterpret_cast<LPARAM>(GetDlgItem(main, id)) : 0;
        WPARAM wparam = MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED);
        DWORD_PTR ignored = 0;
        bool delivered = post ? PostMessageW(main, message, wparam, control) != FALSE
                              : SendMessageTimeoutW(main, message, wparam, control, SMTO_NORMAL,
                                                    kCommandTimeoutMs, &ignored) != 0;
        if (!delivered) {
            return Fail("the window did not take id " + std::to_string(id));
        }
    }
    return Succeed(JsonLine().Number("delivered", static_cast<long long>(ids.size())));
}

HWND SaveDialogNameBox(HWND dialog) {
    HWND box = FindDescendantById(dialog, kSaveDialogNameCombo);
    if (!box) {
        box = FindDescendantById(dialog, kSaveDialogNameEdit);
    }
    if (box && ClassOf(box) == L"ComboBox") {
        box = FindWindowExW(box, nullptr, L"Edit", nullptr);
    }
    return box;
}

HWND WaitForSaveDialog(HWND main, DWORD timeout_ms) {
    DWORD start = GetTickCount();
    do {
        HWND dialog = FindProcessDialog(main);
        if (dialog && SaveDialogNameBox(dialog)) {
            return dialog;
        }
        Sleep(50);
    } while (GetTickCount() - start < timeout_ms);
    return nullptr;
}

// Types the name into the real save dialog and presses Save until the dialog is gone. A press
// that arrives while the dialog is still setting itself up is lost, hence the repeats; a dialog
// that turns disabled has opened a question or message of its own, which is reported instead.
int SaveAs(const Context& context) {
    int command = 0;
    if (context.args.size() < 2 || !ResolveId(context.window_class, context.args[0], command)) {
        return Fail("usage: save-as SYSTEM_MENU_ID PATH [TIMEOUT_MS]");
    }
    HWND main = RequireMain(context);
    if (!main) {
        return Fail("window not found");
    }
    DWORD timeout = TimeoutArg(context.args, 2);
    PostMessageW(main, WM_SYSCOMMAND, static_cast<WPARAM>(command), 0);
    HWND dialog = WaitForSaveDialog(main, timeout);
    if (!dialog) {
        return Fail("the save dialog did not open");
    }
    std::wstring caption = WindowText(dialog);
    const std::wstring& path = context.args[1];
    DWORD start = GetTickCount();
    while (IsWindow(dialog)) {
        if (!IsWindowEnabled(dialog)) {
            HWND blocker = FindProcessDialog(main);
            return Succeed(JsonLine()
                               .Text("dialog_caption", caption)
                               .Flag("closed", false)
                               .Raw("blocked_by", blocker ? DescribeDialog(blocker) : "null"));
        }
        if (GetTickCount() - start >= timeout) {
            return Fail("the save dialog stayed open");
        }
        HWND name_box = SaveDialogNameBox(dialog);
        if (name_box && WindowText(name_box) != path) {
            SendMessageTimeoutW(name_box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()),
                                SMTO_ABORTIFHUNG, 5000, nullptr);
        }
        if (HWND save = GetDlgItem(dialog, IDOK)) {
            PostMessageW(save, BM_CLICK, 0, 0);
        }
        WaitUntilGone(dialog, 700);
    }
    return Succeed(JsonLine().Text("dialog_caption", caption).Flag("closed", true));
}

int Dialog(const Context& context) {
    HWND main = RequireMain(context);
    HWND dialog = main ? WaitForProcessDialog(main, TimeoutArg(context.args, 0)) : nullptr;
    if (!dialog) {
        return Fail("no dialog is open");
    }
    return Succeed(JsonLine().Raw("dialog", DescribeDialog(dialog)));
}

int NoDialog(const Context& context) {
    HWND main = RequireMain(context);
    if (!main) {
        return Fail("window not found");
    }
    Sleep(TimeoutArg(context.args, 0));
    HWND dialog = FindProcessDialog(main);
    return Succeed(JsonLine().Raw("dialog", dialog ? DescribeDialog(dialog) : "null"));
}

// A click on a control of the open dialog that leaves the dialog open (a radio button, say).
int DialogCommand(const Context& context) {
    int id = 0;
    if (context.args.empty() || !ResolveId(context.window_class, context.args[0], id)) {
        return Fail("usage: dialog-command ID");
    }
    HWND main = RequireMain(context);
    HWND dialog = main ? WaitForProcessDialog(main, kDefaultTimeoutMs) : nullptr;
    if (!dialog) {
        return Fail("no dialog is open");
    }
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(dialog, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED),
                        reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)), SMTO_NORMAL,
                        kCommandTimeoutMs, &ignored);
    return Succeed(JsonLine().Raw("dialog", DescribeDialog(dialog)));
}

// A scroll-bar action in the open dialog, as the scroll bar would report it: CODE is an SB_
// value (SB_PAGERIGHT = 3, SB_LEFT = 6, ...), POS the thumb position for SB_THUMBPOSITION.
int DialogScroll(const Context& context) {
    int id = 0;
    if (context.args.size() < 2 || !ResolveId(context.window_class, context.args[0], id)) {
        return Fail("usage: dialog-scroll SCROLL_BAR_ID CODE [POS]");
    }
    WORD code = static_cast<WORD>(_wtoi(context.args[1].c_str()));
    WORD pos = context.args.size() > 2 ? static_cast<WORD>(_wtoi(context.args[2].c_str())) : 0;
    HWND main = RequireMain(context);
    HWND dialog = main ? WaitForProcessDialog(main, kDefaultTimeoutMs) : nullptr;
    if (!dialog) {
        return Fail("no dialog is open");
    }
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(dialog, WM_HSCROLL, MAKEWPARAM(code, pos),
                        reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)), SMTO_NORMAL,
                        kCommandTimeoutMs, &ignored);
    return Succeed(JsonLine().Raw("dialog", DescribeDialog(dialog)));
}

int DialogPress(const Context& context) {
    int id = 0;
    if (context.args.empty() || !ResolveId(context.window_class, context.args[0], id)) {
        return Fail("usage: dialog-press ID [TIMEOUT_MS]");
    }
    HWND main = RequireMain(context);
    DWORD timeout = TimeoutArg(context.args, 1);
    HWND dialog = main ? WaitForProcessDialog(main, timeout) : nullptr;
    if (!dialog) {
        return Fail("no dialog is open");
    }
    std::string described = DescribeDialog(dialog);
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
    if (!WaitUntilGone(dialog, timeout)) {
        return Fail("the dialog stayed open");
    }
    return Succeed(JsonLine().Raw("dialog", described));
}

// The titles the programs were built with, so the tests expect exactly those texts.
int Titles(const Context&) {
    JsonLine line;
    line.Text("KELVARIN_TITLE_EN", quarnic::KELVARIN_TITLE_EN)
        .Text("KELVARIN_TITLE_JA", quarnic::KELVARIN_TITLE_JA);
    line.Text("OSTRAMEL_TITLE_EN", quarnic::OSTRAMEL_TITLE_EN)
        .Text("OSTRAMEL_TITLE_JA", quarnic::OSTRAMEL_TITLE_JA);
    return Succeed(line);
}

bool OpenClipboardFor(HWND owner) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (OpenClipboard(owner)) {
            return true;
        }
        Sleep(10);
    }
    return false;
}

void PutClipboardText(const wchar_t* text) {
    size_t bytes = (std::wcslen(text) + 1) * sizeof(wchar_t);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
    std::memcpy(GlobalLock(block), text, bytes);
    GlobalUnlock(block);
    SetClipboardData(CF_UNICODETEXT, block);
}

// Wine asks the clipboard owner's window before another process may open the clipboard: an owner
// that does not answer would block the program instead of letting it find the clipboard busy.
void PumpMessagesFor(DWORD milliseconds) {
    DWORD start = GetTickCount();
    for (DWORD passed = 0; passed < milliseconds; passed = GetTickCount() - start) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - passed, QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
        }
    }
}

// Holds the clipboard open, with a text of its own on it, while the program is asked to copy:
// the program must wait for it briefly and then give up without harm.
int HoldClipboard(const Context& context) {
    int command = 0;
    if (context.args.size() < 2 || !ResolveId(context.window_class, context.args[0], command)) {
        return Fail("usage: hold-clipboard SYSTEM_MENU_ID MS");
    }
    HWND main = RequireMain(context);
    if (!main) {
        return Fail("window not found");
    }
    // A clipboard emptied without an owner window takes no data.
    HWND owner =
        CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    if (!OpenClipboardFor(owner)) {
        return Fail("the clipboard could not be opened");
    }
    EmptyClipboard();
    PutClipboardText(L"held by the test");
    PostMessageW(main, WM_SYSCOMMAND, static_cast<WPARAM>(command), 0);
    PumpMessagesFor(static_cast<DWORD>(_wtoi(context.args[1].c_str())));
    CloseClipboard();
    DestroyWindow(owner);
    return Succeed(JsonLine());
}

// A hidden window of the program's class under another title, kept for MS: a second copy must
// not take it for a running copy of itself.
int Decoy(const Context& context) {
    if (context.args.size() < 2) {
        return Fail("usage: decoy TITLE MS");
    }
    WNDCLASSW decoy_class{};
    decoy_class.lpfnWndProc = DefWindowProcW;
    decoy_class.lpszClassName = context.window_class.c_str();
    RegisterClassW(&decoy_class);
    HWND decoy = CreateWindowExW(0, context.window_class.c_str(), context.args[0].c_str(),
                                 WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    if (!decoy) {
        return Fail("the decoy window could not be made");
    }
    PumpMessagesFor(static_cast<DWORD>(_wtoi(context.args[1].c_str())));
    DestroyWindow(decoy);
    return Succeed(JsonLine());
}

// --- Real input ------------------------------------------------------------------------------

constexpr DWORD kKeyGapMs = 50;

void SendKey(WORD virtual_key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtual_key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
}

void TypeCharacter(wchar_t character) {
    INPUT inputs[2]{};
    for (INPUT& input : inputs) {
        input.type = INPUT_KEYBOARD;
        input.ki.wScan = character;
        input.ki.dwFlags = KEYEVENTF_UNICODE;
    }
    inputs[1].ki.dwFlags |= KEYEVENTF_KEYUP;
    SendInput(2, inputs, sizeof(INPUT));
}

struct KeyName {
    const wchar_t* name;
    WORD virtual_key;
};

constexpr KeyName kKeyNames[] = {
    {L"ENTER", VK_RETURN}, {L"ESC", VK_ESCAPE}, {L"BACK", VK_BACK}, {L"DEL", VK_DELETE},
    {L"INS", VK_INSERT},   {L"PGUP", VK_PRIOR}, {L"PGDN", VK_NEXT}, {L"F3", VK_F3},
    {L"F4", VK_F4},        {L"F5", VK_F5},      {L"F6", VK_F6},     {L"F7", VK_F7},
    {L"F8", VK_F8},        {L"F9", VK_F9},      {L"HOME", VK_HOME}, {L"END", VK_END},
    {L"UP", VK_UP},        {L"DOWN", VK_DOWN},  {L"TAB", VK_TAB},   {L"SPACE", VK_SPACE},
};

bool VirtualKeyOf(const std::wstring& name, WORD& virtual_key) {
    for (const KeyName& key : kKeyNames) {
        if (name == key.name) {
            virtual_key = key.virtual_key;
            return true;
        }
    }
    if (name.size() == 1 && name[0] >= L'A' && name[0] <= L'Z') {
        virtual_key = static_cast<WORD>(name[0]);
        return true;
    }
    return false;
}

// {^+%NAME}: the named key with Ctrl, Shift and Alt held around it.
bool PressNamedKey(std::wstring name) {
    std::vector<WORD> held;
    for (; !name.empty(); name.erase(0, 1)) {
        const WORD modifier = name[0] == L'^'   ? VK_CONTROL
                              : name[0] == L'+' ? VK_SHIFT
                              : name[0] == L'%' ? VK_MENU
                                                : 0;
        if (modifier == 0) {
            break;
        }
        held.push_back(modifier);
    }
    WORD virtual_key = 0;
    if (!VirtualKeyOf(name, virtual_key)) {
        return false;
    }
    for (WORD modifier : held) {
        SendKey(modifier, false);
    }
    SendKey(virtual_key, false);
    SendKey(virtual_key, true);
    for (auto modifier = held.rbegin(); modifier != held.rend(); ++modifier) {
        SendKey(*modifier, true);
    }
    return true;
}

// Input is queued: the program has taken a key once it answers a message sent after a pause.
void LetProgramCatchUp(HWND main) {
    Sleep(kKeyGapMs);
    DWORD_PTR result = 0;
    SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_NORMAL, kCommandTimeoutMs, &result);
}

bool BringToFront(HWND main) {
    SetForegroundWindow(main);
    for (int attempt = 0; attempt < 50 && GetForegroundWindow() != main; ++attempt) {
        Sleep(20);
        SetForegroundWindow(main);
    }
    return GetForegroundWindow() == main;
}

int Keys(const Context& context) {
    HWND main = RequireMain(context);
    if (!main) {
        return Fail("window not found");
    }
    Args events = context.args;
    const bool as_is = !events.empty() && events.front() == L"--as-is";
    if (as_is) {
        events.erase(events.begin());
    } else if (!BringToFront(main)) {
        return Fail("the window did not come to the front");
    }
    for (const std::wstring& key : events) {
        if (key.size() > 2 && key.front() == L'{' && key.back() == L'}') {
            if (!PressNamedKey(key.substr(1, key.size() - 2))) {
                return Fail("unknown key " + ToUtf8(key.c_str()));
            }
        } else {
            for (wchar_t character : key) {
                TypeCharacter(character);
                LetProgramCatchUp(main);
            }
        }
        LetProgramCatchUp(main);
    }
    Sleep(200);
    LetProgramCatchUp(main);
    return Succeed(JsonLine());
}

int Click(const Context& context) {
    int id = 0;
    if (context.args.empty() || !ResolveId(context.window_class, context.args[0], id)) {
        return Fail("usage: click ID");
    }
    HWND main = RequireMain(context);
    HWND control = main ? GetDlgItem(main, id) : nullptr;
    if (!control) {
        return Fail("control not found");
    }
    if (!BringToFront(main)) {
        return Fail("the window did not come to the front");
    }
    RECT rect;
    GetWindowRect(control, &rect);
    ClickAt({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}, 1);
    LetProgramCatchUp(main);
    return Succeed(JsonLine());
}

int SetClipboard(const Context& context) {
    if (context.args.empty()) {
        return Fail("usage: set-clipboard TEXT");
    }
    HWND owner =
        CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    if (!OpenClipboardFor(owner)) {
        return Fail("the clipboard could not be opened");
    }
    EmptyClipboard();
    PutClipboardText(context.args[0].c_str());
    CloseClipboard();
    DestroyWindow(owner);
    return Succeed(JsonLine());
}

int Clipboard(const Context&) {
    return Succeed(JsonLine().Raw("clipboard", DescribeClipboard()));
}

int Minimize(const Context& context) {
    HWND main = RequireMain(context);
    if (!main) {
        return Fail("window not found");
    }
    ShowWindow(main, SW_MINIMIZE);
    DWORD start = GetTickCount();
    while (!IsIconic(main) && GetTickCount() - start < kDefaultTimeoutMs) {
        Sleep(50);
    }
    return IsIconic(main) ? Succeed(JsonLine()) : Fail("the window did not minimize");
}

// Moves and sizes the main window from outside, as a user's drag of its caption and frame ends.
int Place(const Context& context) {
    if (context.args.size() < 4) {
        return Fail("usage: place X Y WIDTH HEIGHT");
    }
    HWND main = RequireMain(context);
    if (!main) {
        return Fail("window not found");
    }
    int values[4];
    for (int i = 0; i < 4; ++i) {
        values[i] = _wtoi(context.args[static_cast<size_t>(i)].c_str());
    }
    if (!SetWindowPos(main, nullptr, values[0], values[1], values[2], values[3],
                      SWP_NOZORDER | SWP_NOACTIVATE)) {
        return Fail("the window did not move");
    }
    LetProgramCatchUp(main);
    return Succeed(JsonLine());
}

int Close(const Context& context) {
    HWND main = RequireMain(context);
    if (!main) {
        return Fail("window not found");
    }
    PostMessageW(main, WM_CLOSE, 0, 0);
    if (!WaitUntilGone(main, TimeoutArg(context.args, 0))) {
        return Fail("the window stayed open");
    }
    return Succeed(JsonLine());
}

int Metrics(const Context&) {
    return Succeed(JsonLine().Raw("metrics", DescribeScreenMetrics()));
}

int KeyCaptions(const Context& context) {
    HWND main = RequireMain(context);
    if (!main) {
        return Fail("window not found");
    }
    return Succeed(JsonLine().Raw("keys", DescribeKeyCaptions(main)));
}

int LayoutMetrics(const Context& context) {
    std::vector<int> dpis;
    for (const std::wstring& dpi : context.args) {
        dpis.push_back(_wtoi(dpi.c_str()));
    }
    return Succeed(JsonLine().Raw("metrics", DescribeLayoutMetrics(dpis)));
}

int DialogFit(const Context& context) {
    if (context.args.size() < 2) {
        return Fail("usage: dialog-fit FACE POINTS");
    }
    HWND main = RequireMain(context);
    HWND dialog = main ? WaitForProcessDialog(main, kDefaultTimeoutMs) : nullptr;
    if (!dialog) {
        return Fail("no dialog is open");
    }
    std::string texts =
        DescribeDialogTextFit(dialog, context.args[0], _wtoi(context.args[1].c_str()));
    return Succeed(JsonLine().Raw("dialog", DescribeDialog(dialog)).Raw("statics", texts));
}

int ExeInfo(const Context& context) {
    if (context.args.empty()) {
        return Fail("usage: exe-info PATH");
    }
    return Succeed(JsonLine().Raw("exe", DescribeExecutable(context.args[0])));
}

int Products(const Context& context) {
    if (context.args.empty()) {
        return Fail("usage: products DISPLAY_NAME");
    }
    return Succeed(JsonLine().Raw("products", DescribeInstalledProducts(context.args[0])));
}

int InstallerProducts(const Context& context) {
    if (context.args.empty()) {
        return Fail("usage: msi-products PRODUCT_NAME");
    }
    return Succeed(JsonLine().Raw("products", DescribeInstallerProducts(context.args[0])));
}

int Names(const Context& context) {
    HWND main = RequireMain(context);
    if (!main) {
        return Fail("window not found");
    }
    return Succeed(JsonLine().Raw("accessible", DescribeAccessibleNames(main)));
}

int PressAndWatch(const Context& context) {
    HWND main = RequireMain(context);
    std::vector<int> ids;
    std::string bad;
    if (!ResolveAll(context, 0, ids, bad)) {
        return Fail("unknown id " + bad);
    }
    if (!main) {
        return Fail("window not found");
    }
    return Succeed(JsonLine().Raw("watched", PressAndWatchNameChanges(main, ids)));
}

int Send(const Context& c) {
    return Deliver(c, WM_COMMAND, false);
}
int Post(const Context& c) {
    return Deliver(c, WM_COMMAND, true);
}
int SysCommand(const Context& c) {
    return Deliver(c, WM_SYSCOMMAND, false);
}
int PostSysCommand(const Context& c) {
    return Deliver(c, WM_SYSCOMMAND, true);
}

int History(const Context& context) {
    std::string json, error;
    if (!RunHistoryProbe(RequireMain(context), context.args, json, error)) {
        return Fail(error);
    }
    return Succeed(JsonLine().Raw("history", json));
}

int DpiChange(const Context& context) {
    if (context.args.size() < 2) {
        return Fail("usage: dpi-change NEW_DPI OLD_DPI [tool]");
    }
    HWND main = RequireMain(context);
    const bool tool = context.args.size() > 2 && context.args[2] == L"tool";
    HWND window = main && tool ? FindOwnedToolWindow(main) : main;
    if (!window) {
        return Fail(tool ? "no tool window is open" : "window not found");
    }
    const std::string answer =
        ProbeDpiChange(window, _wtoi(context.args[0].c_str()), _wtoi(context.args[1].c_str()));
    if (answer == "null") {
        return Fail("the DPI probe did not run");
    }
    return Succeed(JsonLine().Raw("change", answer));
}

int Resize(const Context& context) {
    return ResizeCommand(RequireMain(context), context.args);
}

using Handler = int (*)(const Context&);

// Commands kept in files of their own take the window class and the arguments.
template <int (*Command)(const std::wstring&, const Args&)>
int FromClassAndArgs(const Context& context) {
    return Command(context.window_class, context.args);
}

const std::map<std::wstring, Handler>& Commands() {
    static const std::map<std::wstring, Handler> commands = {
        {L"ids", ListIds},
        {L"wait", Wait},
        {L"count", Count},
        {L"state", State},
        {L"press", Send},
        {L"post", Post},
        {L"syscmd", SysCommand},
        {L"post-syscmd", PostSysCommand},
        {L"save-as", SaveAs},
        {L"dialog", Dialog},
        {L"no-dialog", NoDialog},
        {L"dialog-press", DialogPress},
        {L"clipboard", Clipboard},
        {L"minimize", Minimize},
        {L"place", Place},
        {L"close", Close},
        {L"titles", Titles},
        {L"dialog-command", DialogCommand},
        {L"dialog-scroll", DialogScroll},
        {L"hold-clipboard", HoldClipboard},
        {L"decoy", Decoy},
        {L"metrics", Metrics},
        {L"key-captions", KeyCaptions},
        {L"layout-metrics", LayoutMetrics},
        {L"dialog-fit", DialogFit},
        {L"exe-info", ExeInfo},
        {L"products", Products},
        {L"msi-products", InstallerProducts},
        {L"names", Names},
        {L"press-watch", PressAndWatch},
        {L"keys", Keys},
        {L"click", Click},
        {L"set-clipboard", SetClipboard},
        {L"history", History},
        {L"dpi-change", DpiChange},
        {L"resize", Resize},
        {L"tool-window", FromClassAndArgs<ToolWindowCommand>},
        {L"tool-window-click", FromClassAndArgs<ToolWindowClickCommand>},
        {L"tool-window-double-click", FromClassAndArgs<ToolWindowDoubleClickCommand>},
    };
    return commands;
}

}  // namespace
}  // namespace quarnic::e2e

int wmain(int argc, wchar_t** argv) {
    using namespace quarnic::e2e;
    if (argc < 3) {
        PrintLine(R"({"ok":false,"error":"usage: e2e-driver CLASS COMMAND [ARGS...]"})");
        return 2;
    }
    auto found = Commands().find(argv[2]);
    if (found == Commands().end()) {
        return Fail("unknown command " + ToUtf8(argv[2]));
    }
    Context context{argv[1], Args(argv + 3, argv + argc)};
    return found->second(context);
}
