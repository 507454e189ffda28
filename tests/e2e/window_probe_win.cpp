#include "window_probe_win.h"

#include "json_line_win.h"
#include "menu_probe_win.h"

namespace quarnic::e2e {
namespace {

constexpr DWORD kPollMs = 50;
constexpr UINT kReplyTimeoutMs = 5000;

struct ProcessDialogSearch {
    DWORD process_id;
    HWND main;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectProcessDialog(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<ProcessDialogSearch*>(param);
    DWORD process_id = 0;
    GetWindowThreadProcessId(window, &process_id);
    if (process_id == search->process_id && window != search->main && IsWindowVisible(window) &&
        ClassOf(window) == L"#32770") {
        search->found.push_back(window);
    }
    return TRUE;
}

BOOL CALLBACK CollectChild(HWND window, LPARAM param) {
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
    return TRUE;
}

std::vector<HWND> Descendants(HWND window) {
    std::vector<HWND> children;
    EnumChildWindows(window, CollectChild, reinterpret_cast<LPARAM>(&children));
    return children;
}

LRESULT AskControl(HWND control, UINT message) {
    DWORD_PTR reply = 0;
    SendMessageTimeoutW(control, message, 0, 0, SMTO_ABORTIFHUNG, kReplyTimeoutMs, &reply);
    return static_cast<LRESULT>(reply);
}

bool IsCheckable(HWND control) {
    if (ClassOf(control) != L"Button") {
        return false;
    }
    LONG kind = GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK;
    return kind == BS_RADIOBUTTON || kind == BS_AUTORADIOBUTTON || kind == BS_CHECKBOX ||
           kind == BS_AUTOCHECKBOX;
}

std::vector<long long> ClientRectOf(HWND control, HWND main) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

std::string DescribeControl(HWND control, HWND main) {
    JsonLine line;
    line.Number("id", GetDlgCtrlID(control))
        .Text("class", ClassOf(control))
        .Text("text", WindowText(control))
        .Flag("enabled", IsWindowEnabled(control) != FALSE)
        .Flag("visible", IsWindowVisible(control) != FALSE)
        .Numbers("rect", ClientRectOf(control, main));
    if (IsCheckable(control)) {
        line.Flag("checked", AskControl(control, BM_GETCHECK) == BST_CHECKED);
    }
    return line.Finish();
}

}  // namespace

std::wstring WindowText(HWND window) {
    // WM_GETTEXT through a timeout, so a hung program cannot hang the driver.
    wchar_t text[1024] = {};
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, 1023, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                        kReplyTimeoutMs, &copied);
    return text;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 255);
    return name;
}

std::vector<HWND> FindTopLevelWindows(const std::wstring& window_class, const wchar_t* title) {
    std::vector<HWND> found;
    HWND window = nullptr;
    while ((window = FindWindowExW(nullptr, window, window_class.c_str(), title)) != nullptr) {
        found.push_back(window);
    }
    return found;
}

HWND FindMainWindow(const std::wstring& window_class) {
    std::vector<HWND> windows = FindTopLevelWindows(window_class, nullptr);
    for (HWND window : windows) {
        if (IsWindowVisible(window)) {
            return window;
        }
    }
    return windows.empty() ? nullptr : windows.front();
}

HWND WaitForMainWindow(const std::wstring& window_class, const wchar_t* title, DWORD timeout_ms) {
    DWORD start = GetTickCount();
    do {
        for (HWND window : FindTopLevelWindows(window_class, title)) {
            DWORD_PTR ignored = 0;
            // A window that answers WM_NULL has finished WM_CREATE and runs its message loop.
            if (IsWindowVisible(window) &&
                SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kReplyTimeoutMs,
                                    &ignored)) {
                return window;
            }
        }
        Sleep(kPollMs);
    } while (GetTickCount() - start < timeout_ms);
    return nullptr;
}

std::string DescribeMainWindow(HWND main) {
    RECT frame{};
    GetWindowRect(main, &frame);
    RECT client{};
    GetClientRect(main, &client);
    POINT origin{0, 0};
    ClientToScreen(main, &origin);
    std::string controls = "[";
    bool first = true;
    for (HWND child : Descendants(main)) {
        if (GetParent(child) == main) {
            controls += (first ? "" : ",") + DescribeControl(child, main);
            first = false;
        }
    }
    JsonLine line;
    line.Text("title", WindowText(main))
        .Text("class", ClassOf(main))
        .Flag("visible", IsWindowVisible(main) != FALSE)
        .Flag("iconic", IsIconic(main) != FALSE)
        .Flag("zoomed", IsZoomed(main) != FALSE)
        .Flag("topmost", (GetWindowLongW(main, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0)
        .Flag("foreground", GetForegroundWindow() == main)
        .Numbers("window",
                 {frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top})
        .Numbers("client_origin", {origin.x, origin.y})
        .Numbers("client_size", {client.right, client.bottom})
        .Raw("controls", controls + "]")
        .Raw("menu", ProbeSystemMenu(main));
    return line.Finish();
}

HWND FindProcessDialog(HWND main) {
    ProcessDialogSearch search{0, main, {}};
    GetWindowThreadProcessId(main, &search.process_id);
    EnumWindows(CollectProcessDialog, reinterpret_cast<LPARAM>(&search));
    for (HWND dialog : search.found) {
        if (IsWindowEnabled(dialog)) {
            return dialog;
        }
    }
    return search.found.empty() ? nullptr : search.found.front();
}

HWND WaitForProcessDialog(HWND main, DWORD timeout_ms) {
    DWORD start = GetTickCount();
    do {
        if (HWND dialog = FindProcessDialog(main)) {
            return dialog;
        }
        Sleep(kPollMs);
    } while (GetTickCount() - start < timeout_ms);
    return nullptr;
}

std::string DescribeDialog(HWND dialog) {
    std::string statics = "[";
    std::string buttons = "[";
    std::vector<long long> checked;
    std::string texts = "{";
    for (HWND child : Descendants(dialog)) {
        if (int id = GetDlgCtrlID(child); id != 0 && id != -1 && id != 0xFFFF) {
            texts += (texts.size() > 1 ? ",\"" : "\"") + std::to_string(id) +
                     "\":" + QuoteJson(ToUtf8(WindowText(child)));
        }
        if (IsCheckable(child) && AskControl(child, BM_GETCHECK) == BST_CHECKED) {
            checked.push_back(GetDlgCtrlID(child));
        }
        std::wstring kind = ClassOf(child);
        std::wstring text = WindowText(child);
        if (!IsWindowVisible(child) || text.empty()) {
            continue;
        }
        std::string& list = kind == L"Static" ? statics : buttons;
        if (kind == L"Static" || kind == L"Button") {
            list += (list.size() > 1 ? "," : "") + QuoteJson(ToUtf8(text));
        }
    }
    RECT frame{};
    GetWindowRect(dialog, &frame);
    JsonLine line;
    line.Text("caption", WindowText(dialog))
        .Flag("enabled", IsWindowEnabled(dialog) != FALSE)
        .Numbers("window",
                 {frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top})
        .Raw("statics", statics + "]")
        .Raw("buttons", buttons + "]")
        .Numbers("checked", checked)
        .Raw("texts", texts + "}");
    return line.Finish();
}

HWND FindDescendantById(HWND window, int id) {
    for (HWND child : Descendants(window)) {
        if (GetDlgCtrlID(child) == id) {
            return child;
        }
    }
    return nullptr;
}

bool WaitUntilGone(HWND window, DWORD timeout_ms) {
    DWORD start = GetTickCount();
    while (IsWindow(window)) {
        if (GetTickCount() - start >= timeout_ms) {
            return false;
        }
        Sleep(kPollMs);
    }
    return true;
}

namespace {

bool OpenClipboardPatiently() {
    // Wine's clipboard manager holds the clipboard for a moment after every change.
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (OpenClipboard(nullptr)) {
            return true;
        }
        Sleep(10);
    }
    return false;
}

std::wstring AnsiToWide(const char* text) {
    int size = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    std::wstring out(static_cast<size_t>(size > 0 ? size - 1 : 0), L'\0');
    if (size > 1) {
        MultiByteToWideChar(CP_ACP, 0, text, -1, out.data(), size);
    }
    return out;
}

}  // namespace

std::string DescribeClipboard() {
    JsonLine line;
    if (!OpenClipboardPatiently()) {
        return line.Flag("opened", false).Finish();
    }
    line.Flag("opened", true);
    std::vector<long long> formats;
    for (UINT format = EnumClipboardFormats(0); format != 0;
         format = EnumClipboardFormats(format)) {
        formats.push_back(format);
    }
    line.Numbers("formats", formats);
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (auto* text = static_cast<const wchar_t*>(GlobalLock(data))) {
            line.Text("unicode", text);
            GlobalUnlock(data);
        }
    }
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (auto* text = static_cast<const char*>(GlobalLock(data))) {
            line.Text("ansi", AnsiToWide(text));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return line.Finish();
}

}  // namespace quarnic::e2e
