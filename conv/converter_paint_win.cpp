#include "conv/converter_paint_win.h"

#include "conv/converter_state.h"
#include "shell/shell_texts.h"
#include "shell/shell_win.h"

namespace quarnic {
namespace {

constexpr COLORREF CYAN = RGB(0, 255, 255);
constexpr COLORREF GREY = RGB(128, 128, 128);
constexpr COLORREF WHITE = RGB(255, 255, 255);
constexpr COLORREF BLACK = RGB(0, 0, 0);

// Console texts are digits and the ASCII error text: widened one byte to one character.
int Widen(const char* text, wchar_t* out, int capacity) {
    int count = 0;
    while (count < capacity - 1 && text[count] != '\0') {
        out[count] = static_cast<unsigned char>(text[count]);
        ++count;
    }
    out[count] = L'\0';
    return count;
}

void FillRows(HDC dc, int firstRow, int lastRow, int x1, int x2) {
    for (int y = firstRow; y <= lastRow; ++y) {
        DrawLine(dc, x1, y, x2, y);
    }
}

void DrawClosedFrame(HDC dc, int left, int top, int right, int bottom) {
    const POINT frame[] = {{left, top}, {right, top}, {right, bottom}, {left, bottom}, {left, top}};
    DrawPolyline(dc, frame, 5);
}

void FillConsole(HDC dc, const ConsoleFigure& c) {
    ScopedPen cyan(dc, CYAN);
    FillRows(dc, c.top + 3, c.bottom - 3, c.left + 3, c.right - 3);
}

// Black outline, then grey above and left, white below and right: a sunken panel.
void DrawConsoleFrame(HDC dc, const ConsoleFigure& c) {
    DrawClosedFrame(dc, c.left, c.top, c.right, c.bottom);
    {
        ScopedPen grey(dc, GREY);
        const POINT outer[] = {
            {c.left + 1, c.bottom - 1}, {c.left + 1, c.top + 1}, {c.right - 1, c.top + 1}};
        const POINT inner[] = {
            {c.left + 2, c.bottom - 2}, {c.left + 2, c.top + 2}, {c.right - 2, c.top + 2}};
        DrawPolyline(dc, outer, 3);
        DrawPolyline(dc, inner, 3);
    }
    ScopedPen white(dc, WHITE);
    const POINT outer[] = {
        {c.left + 2, c.bottom - 1}, {c.right - 1, c.bottom - 1}, {c.right - 1, c.top + 2}};
    const POINT inner[] = {
        {c.right - 2, c.top + 3}, {c.right - 2, c.bottom - 2}, {c.left + 3, c.bottom - 2}};
    DrawPolyline(dc, outer, 3);
    DrawPolyline(dc, inner, 3);
}

void DrawConsoleText(HDC dc, const ConsoleFigure& c, const char* text) {
    wchar_t wide[CONVERTER_DIGIT_BYTES + 1];
    const int length = Widen(text, wide, CONVERTER_DIGIT_BYTES + 1);
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, CYAN);
    SetTextColor(dc, BLACK);
    RECT rect{c.left + 5, c.top, c.right - 5, c.bottom};
    DrawTextW(dc, wide, length, &rect, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
}

void DrawNotationRow(HDC dc, const ConsoleFigure& c, const ConverterGeometry& g) {
    DrawClosedFrame(dc, c.left, c.rowTop, c.right, c.rowBottom);
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, Shell().LabelBackground);
    SetTextColor(dc, BLACK);
    RECT label{c.left + 5, c.rowTop, c.left + 3 * g.W - 5, c.rowBottom};
    DrawTextW(dc, UiText(NOTATION_ROW_LABEL_EN, NOTATION_ROW_LABEL_JA), -1, &label,
              DT_SINGLELINE | DT_VCENTER);
}

void DrawConsoleAt(HWND window, int offset, const char* text) {
    const ConverterGeometry g = CurrentConverterGeometry();
    const ConsoleFigure c = ConsoleFigureAt(g, offset);
    WindowDC dc(window);
    DrawConsoleFrame(dc, c);
    FillConsole(dc, c);
    DrawConsoleText(dc, c, text);
    DrawNotationRow(dc, c, g);
}

void ClearConsoleAt(HWND window, int offset) {
    WindowDC dc(window);
    FillConsole(dc, ConsoleFigureAt(CurrentConverterGeometry(), offset));
}

void ClearOtherBoxAt(HWND window, int offset) {
    const OtherBoxFigure box = OtherBoxFigureAt(CurrentConverterGeometry(), offset);
    WindowDC dc(window);
    ScopedPen white(dc, WHITE);
    FillRows(dc, box.clearFirstRow, box.clearLastRow, box.clearX1, box.clearX2);
}

// Drawn with the device context's default pen and colours, as the box is on the button face.
void DrawOtherBoxAt(HWND window, int offset, const char* label) {
    const OtherBoxFigure box = OtherBoxFigureAt(CurrentConverterGeometry(), offset);
    WindowDC dc(window);
    DrawClosedFrame(dc, box.frameLeft, box.frameTop, box.frameRight, box.frameBottom);
    wchar_t wide[OTHER_LABEL_BYTES + 1];
    const int length = Widen(label, wide, OTHER_LABEL_BYTES + 1);
    RECT rect{box.textLeft, box.textTop, box.textRight, box.textBottom};
    DrawTextW(dc, wide, length, &rect, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
}

int AnswerOffset() {
    return AnswerPartOffset(CurrentConverterGeometry());
}

}  // namespace

ConverterGeometry CurrentConverterGeometry() {
    const Layout& layout = Shell().layout;
    return ConverterGeometry{layout.KeyWidth, layout.KeyHeight, layout.SpacingUnit, layout.Margin(),
                             layout.HalfKey()};
}

void PaintConverterBackground(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    const auto bands = ConverterBands(CurrentConverterGeometry(), client.right - client.left,
                                      client.bottom - client.top);
    WindowDC dc(window);
    ScopedPen pen(dc, ConsoleColorRef());
    for (const Band& band : bands) {
        FillRows(dc, band.firstRow, band.lastRow, band.x1, band.x2);
    }
}

void ClearInputConsole(HWND window) {
    ClearConsoleAt(window, 0);
}

void DrawInputConsole(HWND window, const char* text) {
    DrawConsoleAt(window, 0, text);
}

void ClearAnswerConsole(HWND window) {
    ClearConsoleAt(window, AnswerOffset());
}

void DrawAnswerConsole(HWND window, const char* text) {
    DrawConsoleAt(window, AnswerOffset(), text);
}

void ClearFromOtherBox(HWND window) {
    ClearOtherBoxAt(window, 0);
}

void DrawFromOtherBox(HWND window, const char* label) {
    DrawOtherBoxAt(window, 0, label);
}

void ClearToOtherBox(HWND window) {
    ClearOtherBoxAt(window, AnswerOffset());
}

void DrawToOtherBox(HWND window, const char* label) {
    DrawOtherBoxAt(window, AnswerOffset(), label);
}

void PaintConverterWindow(HWND window, Converter& converter) {
    PAINTSTRUCT paint;
    BeginPaint(window, &paint);
    PaintConverterBackground(window);
    // The consoles and boxes are the logic's to decide; a window that never got its view (a
    // second copy closing itself) shows only its background.
    if (converter.view != nullptr) {
        RepaintConverterContents(converter);
    }
    EndPaint(window, &paint);
}

}  // namespace quarnic
