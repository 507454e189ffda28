#include "accessibility_probe_win.h"

#include <oleacc.h>

#include <cstdio>

#include "json_line_win.h"
#include "window_probe_win.h"

namespace quarnic::e2e {
namespace {

constexpr UINT kCommandTimeoutMs = 120000;
constexpr DWORD kEventSettleMs = 500;

void EnsureCom() {
    static const HRESULT initialised = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    (void)initialised;
}

// The failing HRESULT, or S_OK with the name.
HRESULT AccessibleName(HWND window, std::wstring& name) {
    EnsureCom();
    IAccessible* accessible = nullptr;
    HRESULT found =
        AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                   reinterpret_cast<void**>(&accessible));
    if (FAILED(found) || accessible == nullptr) {
        return FAILED(found) ? found : E_FAIL;
    }
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR text = nullptr;
    HRESULT result = accessible->get_accName(self, &text);
    accessible->Release();
    if (FAILED(result)) {
        return result;
    }
    name = text != nullptr ? std::wstring(text, SysStringLen(text)) : std::wstring();
    SysFreeString(text);
    return S_OK;
}

BOOL CALLBACK CollectChild(HWND window, LPARAM param) {
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
    return TRUE;
}

struct NameChange {
    HWND window;
    std::wstring name;
};

std::vector<NameChange>* g_changes = nullptr;

void CALLBACK OnNameChange(HWINEVENTHOOK, DWORD, HWND window, LONG, LONG, DWORD, DWORD) {
    if (g_changes != nullptr && window != nullptr) {
        g_changes->push_back({window, WindowText(window)});
    }
}

void PumpFor(DWORD milliseconds) {
    DWORD start = GetTickCount();
    for (DWORD passed = 0; passed < milliseconds; passed = GetTickCount() - start) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - passed, QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
        }
    }
}

}  // namespace

std::string DescribeAccessibleNames(HWND main) {
    std::vector<HWND> children;
    EnumChildWindows(main, CollectChild, reinterpret_cast<LPARAM>(&children));
    std::string names = "[";
    for (HWND child : children) {
        if (GetParent(child) != main) {
            continue;
        }
        std::wstring name;
        HRESULT answered = AccessibleName(child, name);
        bool through_msaa = SUCCEEDED(answered);
        if (!through_msaa) {
            name = WindowText(child);
        }
        char why[40];
        std::snprintf(why, sizeof why, "window-text (0x%08lx)",
                      static_cast<unsigned long>(answered));
        names += (names.size() > 1 ? "," : "") + JsonLine()
                                                     .Number("id", GetDlgCtrlID(child))
                                                     .Text("class", ClassOf(child))
                                                     .Text("name", name)
                                                     .Utf8("via", through_msaa ? "msaa" : why)
                                                     .Finish();
    }
    return JsonLine().Raw("names", names + "]").Finish();
}

std::string PressAndWatchNameChanges(HWND main, const std::vector<int>& ids) {
    std::vector<NameChange> changes;
    g_changes = &changes;
    DWORD process_id = 0;
    GetWindowThreadProcessId(main, &process_id);
    HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr,
                                         OnNameChange, process_id, 0, WINEVENT_OUTOFCONTEXT);
    for (int id : ids) {
        DWORD_PTR ignored = 0;
        SendMessageTimeoutW(main, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED),
                            reinterpret_cast<LPARAM>(GetDlgItem(main, id)), SMTO_NORMAL,
                            kCommandTimeoutMs, &ignored);
        PumpFor(50);
    }
    PumpFor(kEventSettleMs);
    if (hook != nullptr) {
        UnhookWinEvent(hook);
    }
    g_changes = nullptr;
    std::string events = "[";
    for (const NameChange& change : changes) {
        events +=
            (events.size() > 1 ? "," : "") +
            JsonLine().Number("id", GetDlgCtrlID(change.window)).Text("name", change.name).Finish();
    }
    return JsonLine().Flag("hooked", hook != nullptr).Raw("events", events + "]").Finish();
}

}  // namespace quarnic::e2e
