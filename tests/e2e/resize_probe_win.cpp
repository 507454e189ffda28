#include "resize_probe_win.h"

#include <algorithm>
#include <cstdlib>

#include "json_line_win.h"

namespace quarnic::e2e {
namespace {

constexpr int kDragSteps = 12;
constexpr DWORD kStepMs = 40;
constexpr DWORD kSettleMs = 300;
// A drag may end a pixel short of where the pointer went, depending on where in the frame it
// took hold.
constexpr int kDragSlack = 2;

SIZE OuterSize(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

void MoveMouseTo(POINT point, DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(point.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(point.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | flags;
    SendInput(1, &input, sizeof input);
}

// A drag whose end would lie off the screen stops at its edge: the window moves up and left
// first, as far as the drag needs.
void MakeRoomToDrag(HWND main, int dx, int dy) {
    RECT rect;
    GetWindowRect(main, &rect);
    const int overRight = std::max<int>(0, rect.right + dx - GetSystemMetrics(SM_CXSCREEN) + 1);
    const int overBottom = std::max<int>(0, rect.bottom + dy - GetSystemMetrics(SM_CYSCREEN) + 1);
    const int left = rect.left - overRight, top = rect.top - overBottom;
    if (left != rect.left || top != rect.top) {
        SetWindowPos(main, nullptr, std::max(0, left), std::max(0, top), 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER);
        Sleep(kStepMs);
    }
}

// Presses on the frame's bottom-right corner and drags it by (dx, dy), as a user would.
void DragCorner(HWND main, int dx, int dy) {
    MakeRoomToDrag(main, dx, dy);
    RECT rect;
    GetWindowRect(main, &rect);
    const POINT start{rect.right - 2, rect.bottom - 2};
    SetForegroundWindow(main);
    SetCursorPos(start.x, start.y);
    Sleep(kStepMs);
    MoveMouseTo(start, MOUSEEVENTF_LEFTDOWN);
    for (int step = 1; step <= kDragSteps; ++step) {
        Sleep(kStepMs);
        MoveMouseTo({start.x + dx * step / kDragSteps, start.y + dy * step / kDragSteps}, 0);
    }
    // The last move settles before the button comes up, which ends the drag where it is.
    MoveMouseTo({start.x + dx, start.y + dy}, 0);
    Sleep(kSettleMs);
    MoveMouseTo({start.x + dx, start.y + dy}, MOUSEEVENTF_LEFTUP);
    Sleep(kSettleMs);
}

bool Reached(SIZE size, int width, int height) {
    return std::abs(size.cx - width) <= kDragSlack && std::abs(size.cy - height) <= kDragSlack;
}

int Print(HWND main, const char* method, SIZE dragged) {
    RECT window, client;
    GetWindowRect(main, &window);
    GetClientRect(main, &client);
    const std::string json =
        JsonLine()
            .Flag("ok", true)
            .Utf8("method", method)
            .Raw("dragged_to",
                 "[" + std::to_string(dragged.cx) + "," + std::to_string(dragged.cy) + "]")
            .Raw("window", "[" + std::to_string(window.left) + "," + std::to_string(window.top) +
                               "," + std::to_string(window.right - window.left) + "," +
                               std::to_string(window.bottom - window.top) + "]")
            .Raw("client",
                 "[" + std::to_string(client.right) + "," + std::to_string(client.bottom) + "]")
            .Finish();
    PrintLine(json);
    return 0;
}

}  // namespace

int ResizeCommand(HWND main, const std::vector<std::wstring>& args) {
    if (main == nullptr || args.size() < 2) {
        PrintLine(R"({"ok":false,"error":"usage: resize WIDTH HEIGHT, with the window open"})");
        return 1;
    }
    const int width = _wtoi(args[0].c_str()), height = _wtoi(args[1].c_str());
    const SIZE before = OuterSize(main);
    DragCorner(main, width - before.cx, height - before.cy);
    const SIZE dragged = OuterSize(main);
    if (Reached(dragged, width, height)) {
        return Print(main, "drag", dragged);
    }
    SetWindowPos(main, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
    Sleep(kSettleMs);
    return Print(main, "set-window-pos", dragged);
}

}  // namespace quarnic::e2e
