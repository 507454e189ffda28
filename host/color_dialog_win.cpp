// The console-colour dialog: three scroll bars, their values and a live preview painted
// straight onto the dialog. The console colour follows the scroll bars while the dialog is
// open; Set keeps it, Cancel and the close box bring back the colour it opened with.
#include "host/color_dialog_win.h"

#include "common/dialog_rules.h"
#include "host/shell_win.h"

namespace quarnic {
namespace {

static_assert(SCROLL_LINE_LEFT == SB_LINELEFT && SCROLL_LINE_RIGHT == SB_LINERIGHT &&
              SCROLL_PAGE_LEFT == SB_PAGELEFT && SCROLL_PAGE_RIGHT == SB_PAGERIGHT &&
              SCROLL_THUMB_POSITION == SB_THUMBPOSITION && SCROLL_THUMB_TRACK == SB_THUMBTRACK &&
              SCROLL_LEFT == SB_LEFT && SCROLL_RIGHT == SB_RIGHT && SCROLL_END == SB_ENDSCROLL);

struct ColorDialogState {
    int working[3] = {};
    ConsoleColor saved;
    RECT preview{};
    int scrollGuard = 0;
    int committed = 0;
};

ColorDialogState g_dialog;

int FirstScrollBar() {
    return Shell().program->firstColorScrollBarId;
}

// Scroll bars are 3 above their value texts.
int ValueTextOf(int scrollBarId) {
    return scrollBarId - 3;
}

void CopyWorkingToConsole() {
    Shell().console = ConsoleColor{g_dialog.working[0], g_dialog.working[1], g_dialog.working[2]};
}

// A Rectangle can fail while GDI is short of resources; it is tried again with a fresh brush.
void FillWithConsoleColor(HDC dc, int left, int top, int right, int bottom) {
    HBRUSH brush = CreateSolidBrush(ConsoleColorRef());
    HGDIOBJ old = SelectObject(dc, brush);
    if (!Rectangle(dc, left, top, right, bottom)) {
        SelectObject(dc, old);
        DeleteObject(brush);
        brush = CreateSolidBrush(ConsoleColorRef());
        old = SelectObject(dc, brush);
        Rectangle(dc, left, top, right, bottom);
    }
    SelectObject(dc, old);
    DeleteObject(brush);
}

void DrawSunkenFrame(HDC dc, const RECT& r) {
    struct Stroke {
        COLORREF color;
        POINT points[3];
    };
    const Stroke strokes[] = {
        {RGB(0, 0, 0),
         {{r.right - 2, r.top + 1}, {r.left + 1, r.top + 1}, {r.left + 1, r.bottom - 1}}},
        {Shell().LabelBackground,
         {{r.left + 1, r.bottom - 1}, {r.right - 1, r.bottom - 1}, {r.right - 1, r.top + 1}}},
        {RGB(128, 128, 128), {{r.right - 1, r.top}, {r.left, r.top}, {r.left, r.bottom}}},
        {RGB(255, 255, 255), {{r.left, r.bottom}, {r.right, r.bottom}, {r.right, r.top - 1}}},
    };
    for (const Stroke& stroke : strokes) {
        ScopedPen pen(dc, stroke.color);
        DrawPolyline(dc, stroke.points, 3);
    }
}

void PaintPreview(HWND dialog) {
    g_dialog.preview = RECT{10, 53, 110, 80};
    MapDialogRect(dialog, &g_dialog.preview);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(dialog, &paint);
    const RECT& r = g_dialog.preview;
    FillWithConsoleColor(dc, r.left, r.top, r.right, r.bottom);
    DrawSunkenFrame(dc, r);
    EndPaint(dialog, &paint);
    g_dialog.scrollGuard = 0;
}

// Only the inside changes, so the sunken frame stays as it is.
void RepaintPreviewInside(HWND dialog) {
    WindowDC dc(dialog);
    const RECT& r = g_dialog.preview;
    FillWithConsoleColor(dc, r.left + 2, r.top + 2, r.right - 1, r.bottom - 1);
    ScopedPen pen(dc, ConsoleColorRef());
    const POINT outline[] = {{r.left + 2, r.top + 2},
                             {r.left + 2, r.bottom - 2},
                             {r.right - 2, r.bottom - 2},
                             {r.right - 2, r.top + 2},
                             {r.left + 2, r.top + 2}};
    DrawPolyline(dc, outline, 5);
}

void InitColorDialog(HWND dialog) {
    const ConsoleColor& console = Shell().console;
    g_dialog.working[0] = console.red;
    g_dialog.working[1] = console.green;
    g_dialog.working[2] = console.blue;
    for (int i = 0; i < 3; ++i) {
        HWND bar = GetDlgItem(dialog, FirstScrollBar() + i);
        SetScrollRange(bar, SB_CTL, 0, 255, FALSE);
        SetScrollPos(bar, SB_CTL, g_dialog.working[i], FALSE);
        SetDlgItemInt(dialog, ValueTextOf(FirstScrollBar() + i),
                      static_cast<UINT>(g_dialog.working[i]), FALSE);
    }
    g_dialog.saved = console;
}

void OnColorScroll(HWND dialog, WPARAM wParam, HWND bar) {
    // A scroll message sent while one is being handled would fight over the preview.
    if (g_dialog.scrollGuard) {
        return;
    }
    g_dialog.scrollGuard = 1;
    int barId = GetWindowLongW(bar, GWL_ID);
    int index = barId - FirstScrollBar();
    if (index < 0 || index > 2) {
        g_dialog.scrollGuard = 0;
        return;
    }
    int value = ScrolledColorValue(g_dialog.working[index], LOWORD(wParam),
                                   static_cast<short>(HIWORD(wParam)));
    g_dialog.working[index] = value;
    SetScrollPos(bar, SB_CTL, value, TRUE);
    SetDlgItemInt(dialog, ValueTextOf(barId), static_cast<UINT>(value), FALSE);
    CopyWorkingToConsole();
    RepaintPreviewInside(dialog);
    g_dialog.scrollGuard = 0;
}

INT_PTR CALLBACK ColorDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            InitColorDialog(dialog);
            return TRUE;
        case WM_PAINT:
            PaintPreview(dialog);
            return TRUE;
        case WM_HSCROLL:
            OnColorScroll(dialog, wParam, reinterpret_cast<HWND>(lParam));
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK) {
                g_dialog.committed = 1;
                CopyWorkingToConsole();
                EndDialog(dialog, 1);
            } else if (LOWORD(wParam) == IDCANCEL) {
                Shell().console = g_dialog.saved;
                EndDialog(dialog, 0);
            }
            return TRUE;
        case WM_CLOSE:
            Shell().console = g_dialog.saved;
            EndDialog(dialog, 0);
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace

void ShowColorDialog(HWND owner) {
    g_dialog.committed = 0;
    if (!RunModalDialog(owner, L"RGBSHOW_DLG", L"RGBSHOW_DLG_J", ColorDialogProc, 0)) {
        return;
    }
    if (g_dialog.committed) {
        InvalidateRect(owner, nullptr, TRUE);
        UpdateWindow(owner);
    }
}

}  // namespace quarnic
