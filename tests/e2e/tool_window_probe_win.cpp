#include "tool_window_probe_win.h"

#include <windows.h>

#include "accessibility_probe_win.h"
#include "json_line_win.h"
#include "window_probe_win.h"

namespace quarnic::e2e {
namespace {

constexpr DWORD kReplyTimeoutMs = 5000;
constexpr DWORD kSettleMs = 200;

struct OwnedSearch {
    HWND owner;
    HWND found;
};

BOOL CALLBACK FindOwned(HWND window, LPARAM parameter) {
    auto& search = *reinterpret_cast<OwnedSearch*>(parameter);
    if (GetWindow(window, GW_OWNER) == search.owner && IsWindowVisible(window) &&
        ClassOf(window) == L"#32770" && IsWindowEnabled(search.owner)) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindToolWindow(const std::wstring& window_class) {
    HWND main = FindMainWindow(window_class);
    return main == nullptr ? nullptr : FindOwnedToolWindow(main);
}

HWND WaitForToolWindow(const std::wstring& window_class) {
    const DWORD start = GetTickCount();
    do {
        if (HWND window = FindToolWindow(window_class)) {
            return window;
        }
        Sleep(50);
    } while (GetTickCount() - start < kReplyTimeoutMs);
    return nullptr;
}

LRESULT Ask(HWND control, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return AskControl(control, message, wParam, lParam);
}

std::vector<long long> RectIn(HWND control, HWND window) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

std::string DescribeList(HWND list) {
    RECT client{};
    GetClientRect(list, &client);
    const auto itemHeight = static_cast<long long>(Ask(list, LB_GETITEMHEIGHT));
    const auto top = static_cast<long long>(Ask(list, LB_GETTOPINDEX));
    const auto horizontal = static_cast<long long>(Ask(list, LB_GETHORIZONTALEXTENT));
    return JsonLine()
        .Number("id", GetDlgCtrlID(list))
        .Raw("items", ListItemsJson(list))
        .Number("selected", static_cast<long long>(Ask(list, LB_GETCURSEL)))
        .Number("item_height", itemHeight)
        .Number("top_index", top)
        .Numbers("client_size", {client.right, client.bottom})
        .Number("text_extent", horizontal)
        .Finish();
}

std::string DescribeToolWindow(HWND window) {
    RECT frame{};
    GetWindowRect(window, &frame);
    RECT client{};
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    std::string controls = "[";
    std::string list = "null";
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        controls +=
            (controls.size() > 1 ? "," : "") + JsonLine()
                                                   .Number("id", GetDlgCtrlID(child))
                                                   .Text("class", ClassOf(child))
                                                   .Text("text", WindowText(child))
                                                   .Flag("visible", IsWindowVisible(child) != FALSE)
                                                   .Numbers("rect", RectIn(child, window))
                                                   .Finish();
        if (ClassOf(child) == L"ListBox") {
            list = DescribeList(child);
        }
    }
    return JsonLine()
        .Text("title", WindowText(window))
        .Flag("foreground", GetForegroundWindow() == window)
        .Numbers("window",
                 {frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top})
        .Numbers("client_origin", {origin.x, origin.y})
        .Numbers("client_size", {client.right, client.bottom})
        .Raw("controls", controls + "]")
        .Raw("list", list)
        .Raw("accessible", DescribeAccessibleNames(window))
        .Finish();
}

int Fail(const std::string& message) {
    PrintLine(JsonLine().Flag("ok", false).Utf8("error", message).Finish());
    return 1;
}

int SucceedWith(HWND window) {
    PrintLine(JsonLine().Flag("ok", true).Raw("window", DescribeToolWindow(window)).Finish());
    return 0;
}

// The program has handled the input once its window answers a message sent after it.
void LetItCatchUp(HWND window) {
    Ask(window, WM_NULL);
}

}  // namespace

HWND FindOwnedToolWindow(HWND main) {
    OwnedSearch search{main, nullptr};
    EnumWindows(FindOwned, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

LRESULT AskControl(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR reply = 0;
    SendMessageTimeoutW(control, message, wParam, lParam, SMTO_ABORTIFHUNG, kReplyTimeoutMs,
                        &reply);
    return static_cast<LRESULT>(reply);
}

std::string ListItemsJson(HWND list) {
    const auto count = static_cast<int>(AskControl(list, LB_GETCOUNT));
    std::string items = "[";
    for (int i = 0; i < count; ++i) {
        const auto length =
            static_cast<int>(AskControl(list, LB_GETTEXTLEN, static_cast<WPARAM>(i)));
        std::wstring text(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
        AskControl(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
        text.resize(wcslen(text.c_str()));
        items += (i > 0 ? "," : "") + QuoteJson(ToUtf8(text));
    }
    return items + "]";
}

void ClickAt(POINT point, int clicks) {
    SetCursorPos(point.x, point.y);
    for (int i = 0; i < clicks; ++i) {
        INPUT inputs[2]{};
        inputs[0].type = inputs[1].type = INPUT_MOUSE;
        inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        SendInput(2, inputs, sizeof(INPUT));
        Sleep(30);
    }
    Sleep(kSettleMs);
}

int ToolWindowCommand(const std::wstring& window_class, const std::vector<std::wstring>&) {
    HWND window = WaitForToolWindow(window_class);
    return window ? SucceedWith(window) : Fail("no tool window is open");
}

int ToolWindowClickCommand(const std::wstring& window_class,
                           const std::vector<std::wstring>& args) {
    HWND window = WaitForToolWindow(window_class);
    HWND control = window && !args.empty() ? GetDlgItem(window, _wtoi(args[0].c_str())) : nullptr;
    if (!control) {
        return Fail("usage: tool-window-click ID, with a tool window open");
    }
    RECT rect{};
    GetWindowRect(control, &rect);
    ClickAt({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}, 1);
    LetItCatchUp(window);
    return SucceedWith(window);
}

int ToolWindowDoubleClickCommand(const std::wstring& window_class,
                                 const std::vector<std::wstring>& args) {
    HWND window = WaitForToolWindow(window_class);
    HWND list = window ? FindWindowExW(window, nullptr, L"ListBox", nullptr) : nullptr;
    if (!list || args.empty()) {
        return Fail("usage: tool-window-double-click LINE, with a tool window open");
    }
    RECT item{};
    const auto line = static_cast<WPARAM>(_wtoi(args[0].c_str()));
    if (Ask(list, LB_GETITEMRECT, line, reinterpret_cast<LPARAM>(&item)) == LB_ERR) {
        return Fail("no such line");
    }
    POINT centre{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
    ClientToScreen(list, &centre);
    ClickAt(centre, 2);
    LetItCatchUp(window);
    return SucceedWith(window);
}

}  // namespace quarnic::e2e
