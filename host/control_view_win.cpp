#include "host/control_view_win.h"

#include "host/main_window_win.h"

namespace quarnic {

void EnableKey(int id, bool enabled) {
    EnableWindow(Control(id), enabled ? TRUE : FALSE);
}

void CheckKey(int id, bool checked) {
    SendMessageW(Control(id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void EnableSystemMenuItem(HWND window, int id, bool enabled, const SystemMenuItem& relabelled) {
    HMENU menu = GetSystemMenu(window, FALSE);
    const UINT state = enabled ? MF_ENABLED : (MF_DISABLED | MF_GRAYED);
    if (id == relabelled.id) {
        ModifyMenuW(menu, static_cast<UINT>(id), MF_BYCOMMAND | MF_STRING | state,
                    static_cast<UINT_PTR>(id),
                    UiText(relabelled.englishText, relabelled.japaneseText));
    } else {
        ::EnableMenuItem(menu, static_cast<UINT>(id), MF_BYCOMMAND | state);
    }
}

bool IsSystemMenuItemEnabled(HWND window, int id) {
    const UINT state =
        GetMenuState(GetSystemMenu(window, FALSE), static_cast<UINT>(id), MF_BYCOMMAND);
    return state != static_cast<UINT>(-1) && (state & (MF_DISABLED | MF_GRAYED)) == 0;
}

}  // namespace quarnic
