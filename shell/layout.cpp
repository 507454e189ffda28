#include "shell/layout.h"

#include "shell/platform_rules.h"

namespace quarnic {

Layout ComputeLayout(const LayoutInputs& in) {
    Layout out;
    out.KeyWidth = in.keySampleWidth / 10;
    out.KeyHeight = in.menuHeight + 2;
    out.SideMargin = in.sideMargin;
    out.HalfKeyHeight = out.KeyHeight * 0.5;
    out.SpacingUnit = 5;
    // Only the later NT versions give the caption its own height; older ones share the menu's.
    int caption = in.platformCode == PLATFORM_LATER_NT ? in.captionHeight : in.menuHeight;
    out.WindowWidth = 2 * out.Margin() + 10 * out.KeyWidth + 6;
    out.WindowHeight = caption + in.heightSpacingUnits * out.SpacingUnit + 8 * out.KeyHeight + 9;
    // C++ division truncates toward zero, as the centring wants on screens smaller than the window.
    out.WindowX = (in.screenWidth - out.WindowWidth) / 2;
    out.WindowY = (in.screenHeight - out.WindowHeight) / 2;
    return out;
}

std::array<Band, SHARED_BAND_COUNT> SharedBands(const KeyGeometry& g, int clientWidth,
                                                int clientHeight) {
    // The full-width bands reach one pixel past each side of the console's frame.
    const int left = g.margin - 1, right = Column(g, 10, 1) + 1;
    return {{
        {0, clientHeight, 0, g.margin},
        {0, clientHeight, right, clientWidth},
        {0, g.spacing - 1, left, right},
        {Row(g, 2, 1) + 1, Row(g, 3, 1) - 1, left, right},
        {Row(g, 4, 2) + 1, Row(g, 5, 2) - 1, left, right},
        {Row(g, 5, 5), Row(g, 5, 6), Column(g, 2, 1) + 1, Column(g, 3, 1)},
    }};
}

ConsoleFigure ConsoleFigureAt(const KeyGeometry& g, int offset) {
    const int s = g.spacing, h = g.keyHeight;
    ConsoleFigure console;
    console.left = g.margin;
    console.right = g.margin + 10 * g.keyWidth;
    console.top = s + offset;
    console.bottom = 2 * s + h + offset;
    console.rowTop = 3 * s + h + offset;
    console.rowBottom = 4 * s + 2 * h + offset;
    return console;
}

OtherBoxFigure OtherBoxFigureAt(const KeyGeometry& g, int offset) {
    const int top = 4 * g.spacing + g.keyHeight - 2 + offset;
    const int bottom = 4 * g.spacing + 2 * g.keyHeight - 3 + offset;
    const int left = g.margin + 9 * g.keyWidth;
    const int right = 3 * g.margin + 9 * g.keyWidth + 2;
    return OtherBoxFigure{left,     top,       right, bottom, top + 1,   bottom - 1,
                          left + 1, right - 1, left,  top,    right + 1, bottom + 1};
}

PixelRect NotationLabelRect(const KeyGeometry& g, const ConsoleFigure& console) {
    const int left = console.left + 5;
    const int right = console.left + 3 * g.keyWidth - 5;
    return PixelRect{left, console.rowTop, right - left, console.rowBottom - console.rowTop};
}

}  // namespace quarnic
