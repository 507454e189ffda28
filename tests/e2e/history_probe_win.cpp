#include "history_probe_win.h"

#include <cwchar>

#include "accessibility_probe_win.h"
#include "calc/calc_ids.h"
#include "json_line_win.h"
#include "tool_window_probe_win.h"

namespace quarnic::e2e {
namespace {

bool IsHistoryTitle(HWND window) {
    wchar_t title[64] = {};
    GetWindowTextW(window, title, 63);
    return std::wcscmp(title, L"History") == 0 || std::wcscmp(title, L"履歴") == 0;
}

// The history window, given some time to come up after the key that opens it.
HWND FindHistoryWindow(HWND main) {
    for (int i = 0; i < 50; ++i) {
        HWND found = FindOwnedToolWindow(main);
        if (found != nullptr && IsHistoryTitle(found)) {
            return found;
        }
        Sleep(100);
    }
    return nullptr;
}

LRESULT Ask(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return AskControl(window, message, wParam, lParam);
}

std::wstring ControlText(HWND control) {
    const LRESULT length = Ask(control, WM_GETTEXTLENGTH);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    Ask(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

// Every control lies inside the client area, and none covers another.
bool ControlsFit(HWND dialog) {
    RECT client{};
    GetClientRect(dialog, &client);
    std::vector<RECT> rects;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT rect{};
        GetWindowRect(child, &rect);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
        if (GetDlgCtrlID(child) == IDC_HISTORY_NOTATION) {
            rect.bottom = rect.top + 14;  // the closed combo box, not its drop-down
        }
        if (rect.left < 0 || rect.top < 0 || rect.right > client.right ||
            rect.bottom > client.bottom) {
            return false;
        }
        for (const RECT& other : rects) {
            RECT overlap{};
            if (IntersectRect(&overlap, &rect, &other)) {
                return false;
            }
        }
        rects.push_back(rect);
    }
    return true;
}

std::string Describe(HWND dialog) {
    RECT window{};
    GetWindowRect(dialog, &window);
    RECT client{};
    GetClientRect(dialog, &client);
    HWND list = GetDlgItem(dialog, IDC_HISTORY_LIST);
    HWND combo = GetDlgItem(dialog, IDC_HISTORY_NOTATION);
    const LRESULT notation = Ask(combo, CB_GETCURSEL);
    return JsonLine()
        .Numbers("rect",
                 {window.left, window.top, window.right - window.left, window.bottom - window.top})
        .Numbers("client", {client.right, client.bottom})
        .Raw("lines", ListItemsJson(list))
        .Number("selected", Ask(list, LB_GETCURSEL))
        .Text("full", ControlText(GetDlgItem(dialog, IDC_HISTORY_FULL)))
        .Number("notation", notation == CB_ERR ? 0 : notation + 2)
        .Text("number", ControlText(GetDlgItem(dialog, IDC_HISTORY_NUMBER)))
        .Flag("keep", Ask(GetDlgItem(dialog, IDC_HISTORY_KEEP), BM_GETCHECK) == BST_CHECKED)
        .Flag("fits", ControlsFit(dialog))
        .Flag("foreground", GetForegroundWindow() == dialog)
        .Finish();
}

int Number(const std::vector<std::wstring>& args, std::size_t index) {
    return args.size() > index ? _wtoi(args[index].c_str()) : 0;
}

}  // namespace

bool RunHistoryProbe(HWND main, const std::vector<std::wstring>& args, std::string& json,
                     std::string& error) {
    HWND dialog = main ? FindHistoryWindow(main) : nullptr;
    const std::wstring action = args.empty() ? L"show" : args[0];
    if (dialog == nullptr) {
        if (action == L"show") {
            json = R"({"open":false})";
            return true;
        }
        error = "the history window is not open";
        return false;
    }
    if (action == L"select") {
        Ask(GetDlgItem(dialog, IDC_HISTORY_LIST), LB_SETCURSEL, Number(args, 1));
        Ask(dialog, WM_COMMAND, MAKEWPARAM(IDC_HISTORY_LIST, LBN_SELCHANGE),
            reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_HISTORY_LIST)));
    } else if (action == L"notation") {
        Ask(GetDlgItem(dialog, IDC_HISTORY_NOTATION), CB_SETCURSEL, Number(args, 1) - 2);
        Ask(dialog, WM_COMMAND, MAKEWPARAM(IDC_HISTORY_NOTATION, CBN_SELCHANGE),
            reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_HISTORY_NOTATION)));
    } else if (action == L"command") {
        Ask(dialog, WM_COMMAND, MAKEWPARAM(Number(args, 1), BN_CLICKED), 0);
    } else if (action == L"post") {
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(Number(args, 1), BN_CLICKED), 0);
    } else if (action == L"click") {
        PostMessageW(GetDlgItem(dialog, Number(args, 1)), BM_CLICK, 0, 0);
    } else if (action == L"size") {
        SetWindowPos(dialog, nullptr, 0, 0, Number(args, 1), Number(args, 2),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    } else if (action == L"names") {
        json = DescribeAccessibleNames(dialog);
        return true;
    } else if (action != L"show") {
        error = "unknown history action";
        return false;
    }
    if (!IsWindow(dialog)) {
        json = R"({"open":false})";
        return true;
    }
    json = R"({"open":true,)" + Describe(dialog).substr(1);
    return true;
}

}  // namespace quarnic::e2e
