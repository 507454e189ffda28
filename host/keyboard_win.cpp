#include "host/keyboard_win.h"

#include "host/control_view_win.h"
#include "host/main_window_win.h"
#include "host/shell_win.h"

namespace quarnic {
namespace {

// How long a button taken from the keyboard shows pressed.
constexpr UINT PRESSED_LOOK_MS = 100;
constexpr UINT_PTR PRESSED_LOOK_TIMER = 0x4B45;

HWND& PressedButton() {
    static HWND button = nullptr;
    return button;
}

void ReleasePressedButton() {
    HWND& button = PressedButton();
    if (button != nullptr) {
        SendMessageW(button, BM_SETSTATE, FALSE, 0);
        button = nullptr;
    }
}

void CALLBACK OnPressedLookTimer(HWND window, UINT, UINT_PTR timer, DWORD) {
    KillTimer(window, timer);
    ReleasePressedButton();
}

void ShowPressedForAMoment(HWND mainWindow, HWND button) {
    ReleasePressedButton();
    SendMessageW(button, BM_SETSTATE, TRUE, 0);
    PressedButton() = button;
    SetTimer(mainWindow, PRESSED_LOOK_TIMER, PRESSED_LOOK_MS, OnPressedLookTimer);
}

bool IsKeyDown(int virtualKey) {
    return (GetKeyState(virtualKey) & 0x8000) != 0;
}

struct VirtualKeyName {
    WPARAM virtualKey;
    NamedKey key;
};

constexpr VirtualKeyName VIRTUAL_KEY_NAMES[] = {
    {VK_RETURN, NamedKey::Enter},   {VK_ESCAPE, NamedKey::Escape}, {VK_DELETE, NamedKey::Delete},
    {VK_BACK, NamedKey::Backspace}, {VK_INSERT, NamedKey::Insert}, {VK_PRIOR, NamedKey::PageUp},
    {VK_NEXT, NamedKey::PageDown},  {VK_F3, NamedKey::F3},         {VK_F4, NamedKey::F4},
    {VK_F5, NamedKey::F5},          {VK_F6, NamedKey::F6},         {VK_F7, NamedKey::F7},
    {VK_F8, NamedKey::F8},          {VK_F9, NamedKey::F9},         {'C', NamedKey::LetterC},
    {'H', NamedKey::LetterH},       {'L', NamedKey::LetterL},      {'M', NamedKey::LetterM},
    {'R', NamedKey::LetterR},       {'S', NamedKey::LetterS},      {'V', NamedKey::LetterV},
};

KeyAction NamedKeyAction(WPARAM virtualKey) {
    for (const VirtualKeyName& name : VIRTUAL_KEY_NAMES) {
        if (name.virtualKey == virtualKey) {
            const NamedKeyPress press{name.key, IsKeyDown(VK_CONTROL), IsKeyDown(VK_SHIFT)};
            return Shell().program->namedKeys(press);
        }
    }
    return {};
}

KeyAction ActionOf(const MSG& message) {
    if (message.message == WM_KEYDOWN) {
        return NamedKeyAction(message.wParam);
    }
    // Ctrl+letters arrive as control characters, which the named keys already handled. AltGr
    // (Ctrl and Alt together) types ordinary characters on many layouts: "@" on a German one.
    const auto character = static_cast<char32_t>(message.wParam);
    const bool ctrlOnly = IsKeyDown(VK_CONTROL) && !IsKeyDown(VK_MENU);
    if (character < 0x20 || ctrlOnly) {
        return {};
    }
    return Shell().program->characterKeys(character);
}

// A disabled button and a greyed item cannot be clicked: their keys do nothing either.
void CarryOut(HWND mainWindow, const KeyAction& action) {
    if (action.target == KeyTarget::Button) {
        HWND button = Control(action.id);
        if (button == nullptr || !IsWindowEnabled(button)) {
            return;
        }
        ShowPressedForAMoment(mainWindow, button);
        SendMessageW(mainWindow, WM_COMMAND, MAKEWPARAM(action.id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(button));
    } else if (action.target == KeyTarget::MenuItem) {
        if (IsSystemMenuItemEnabled(mainWindow, action.id)) {
            SendMessageW(mainWindow, WM_SYSCOMMAND, static_cast<WPARAM>(action.id), 0);
        }
    } else if (action.target == KeyTarget::Command) {
        SendMessageW(mainWindow, WM_COMMAND, MAKEWPARAM(action.id, 0), 0);
    }
}

bool BelongsToMainWindow(HWND mainWindow, HWND target) {
    return target == mainWindow ||
           (target != nullptr && GetAncestor(target, GA_ROOT) == mainWindow);
}

}  // namespace

bool OfferKeyMessage(const MSG& message) {
    if (message.message != WM_KEYDOWN && message.message != WM_CHAR) {
        return false;
    }
    const ShellState& shell = Shell();
    HWND mainWindow = shell.mainWindow;
    if (shell.program == nullptr || shell.program->characterKeys == nullptr ||
        !BelongsToMainWindow(mainWindow, message.hwnd) || GetActiveWindow() != mainWindow ||
        !IsWindowEnabled(mainWindow)) {
        return false;
    }
    const KeyAction action = ActionOf(message);
    if (action.target == KeyTarget::None) {
        return false;
    }
    CarryOut(mainWindow, action);
    return true;
}

}  // namespace quarnic
