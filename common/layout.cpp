#include "common/layout.h"

#include "common/platform_rules.h"

namespace quarnic {

namespace {

// The frame Wine and Windows give a window of fixed size at every DPI, which the window's size
// rule counts in.
constexpr int FIXED_FRAME = 3;

// Floor and ceiling of a half, for overhangs below zero too.
int HalfDown(int n) {
    return n >= 0 ? n / 2 : -((1 - n) / 2);
}

int HalfUp(int n) {
    return -HalfDown(-n);
}

}  // namespace

bool CaptionInkFits(int keyHeight, const CaptionInk& caption) {
    const int overhang = keyHeight - caption.lineHeight;
    for (int lineTop : {HalfDown(overhang), HalfUp(overhang)}) {
        if (lineTop + caption.inkTop < 0 || lineTop + caption.inkEnd > keyHeight) {
            return false;
        }
    }
    return true;
}

int StepUpKeyHeight(int keyHeight, int halfKey, const CaptionInk& plus, const CaptionInk& minus) {
    if (plus.lineHeight == 0 || CaptionInkFits(halfKey, plus)) {
        return halfKey;
    }
    for (int height = halfKey + 1; height < keyHeight; ++height) {
        if (CaptionInkFits(height, plus) && CaptionInkFits(keyHeight - height, minus)) {
            return height;
        }
    }
    return halfKey;
}

Layout ComputeLayout(const LayoutInputs& in) {
    Layout out;
    out.KeyWidth = in.keySampleWidth / 10;
    out.KeyHeight = in.menuHeight + 2;
    out.SideMargin = in.sideMargin;
    out.HalfKeyHeight = out.KeyHeight * 0.5;
    out.SpacingUnit = 5;
    out.StepUpHeight =
        StepUpKeyHeight(out.KeyHeight, out.HalfKey(), in.stepUpCaption, in.stepDownCaption);
    // Only the later NT versions give the caption its own height; older ones share the menu's.
    int caption = in.platformCode == PLATFORM_LATER_NT ? in.captionHeight : in.menuHeight;
    out.WindowWidth = 2 * out.Margin() + 10 * out.KeyWidth + 6;
    out.WindowHeight = caption + in.heightSpacingUnits * out.SpacingUnit + 8 * out.KeyHeight + 9;
    out.ClientWidth = out.WindowWidth - 2 * FIXED_FRAME;
    out.ClientHeight = out.WindowHeight - caption - 2 * FIXED_FRAME;
    // C++ division truncates toward zero, as the centring wants on screens smaller than the window.
    out.WindowX = (in.screenWidth - out.WindowWidth) / 2;
    out.WindowY = (in.screenHeight - out.WindowHeight) / 2;
    return out;
}

Layout LayoutAfterDpiChange(const LayoutInputs& atNewDpi, int suggestedLeft, int suggestedTop) {
    Layout out = ComputeLayout(atNewDpi);
    out.WindowX = suggestedLeft;
    out.WindowY = suggestedTop;
    return out;
}

Layout LayoutForClient(const Layout& smallest, int clientWidth, int clientHeight) {
    Layout out = smallest;
    out.ExtraWidth = std::max(0, clientWidth - smallest.ClientWidth);
    out.ExtraHeight = std::max(0, clientHeight - smallest.ClientHeight);
    return out;
}

namespace {

constexpr const wchar_t* DIGIT_LABELS[] = {
    L"0",     L"1",     L"2",     L"3",     L"4",     L"5",     L"6",     L"7",
    L"8",     L"9",     L"A(10)", L"B(11)", L"C(12)", L"D(13)", L"E(14)", L"F(15)",
    L"G(16)", L"H(17)", L"I(18)", L"J(19)", L"K(20)", L"L(21)", L"M(22)", L"N(23)",
    L"O(24)", L"P(25)", L"Q(26)", L"R(27)", L"S(28)", L"T(29)", L"U(30)", L"V(31)",
};

constexpr const wchar_t* NOTATION_LABELS[] = {L"2", L"4", L"8", L"10", L"16", L"X"};

}  // namespace

void AddDigitKeys(KeyPlacementList& keys, const KeyGeometry& g, int firstDigitId) {
    for (int value = 0; value < 32; ++value) {
        keys.Add(
            firstDigitId + value, DIGIT_LABELS[value], KeyKind::Push,
            {Column(g, value % 10, 1) + 1, Row(g, 5, 2 + value / 10), g.keyWidth, g.keyHeight});
    }
}

void AddNotationRow(KeyPlacementList& keys, const KeyGeometry& g, const NotationRowIds& ids,
                    int top) {
    for (int i = 0; i < 6; ++i) {
        keys.Add(ids.firstButtonId + i, NOTATION_LABELS[i], KeyKind::Radio,
                 {Column(g, 3 + i, 1), top, g.keyWidth - 1, g.keyHeight});
    }
    const int stepLeft = Column(g, 9, 3) + 4;
    const int stepWidth = g.keyWidth - 2 * g.margin - 5;
    // A geometry made without the step captions measured splits the key in halves.
    const int upHeight = g.stepUpHeight > 0 ? g.stepUpHeight : g.halfKey;
    keys.Add(ids.stepUpId, L"+", KeyKind::Push, {stepLeft, top, stepWidth, upHeight});
    keys.Add(ids.stepDownId, L"-", KeyKind::Push,
             {stepLeft, top + upHeight, stepWidth, g.keyHeight - upHeight});
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

GridStretch KeyGridStretch(const KeyGeometry& g, int gridBottom, int extraWidth, int extraHeight) {
    const int gridTop = Row(g, 5, 2);
    return GridStretch{{g.margin, 10 * g.keyWidth + 1, extraWidth},
                       {gridTop, gridBottom - gridTop, extraHeight}};
}

PixelRect StretchPlace(const PixelRect& place, unsigned edges, const GridStretch& grid) {
    const ControlRect r =
        FollowGrid({place.left, place.top, place.width, place.height}, edges, grid);
    return PixelRect{r.x, r.y, r.width, r.height};
}

ConsoleFigure StretchFigure(const ConsoleFigure& c, const GridStretch& grid) {
    const GridSpan& x = grid.across;
    const GridSpan& y = grid.down;
    return ConsoleFigure{StretchFirstPixel(x, c.left),   StretchLastPixel(x, c.right),
                         StretchFirstPixel(y, c.top),    StretchLastPixel(y, c.bottom),
                         StretchFirstPixel(y, c.rowTop), StretchLastPixel(y, c.rowBottom)};
}

OtherBoxFigure StretchFigure(const OtherBoxFigure& b, const GridStretch& grid) {
    const GridSpan& x = grid.across;
    const GridSpan& y = grid.down;
    return OtherBoxFigure{
        StretchFirstPixel(x, b.frameLeft),     StretchFirstPixel(y, b.frameTop),
        StretchLastPixel(x, b.frameRight),     StretchLastPixel(y, b.frameBottom),
        StretchFirstPixel(y, b.clearFirstRow), StretchLastPixel(y, b.clearLastRow),
        StretchFirstPixel(x, b.clearX1),       StretchEdge(x, b.clearX2),
        StretchFirstPixel(x, b.textLeft),      StretchFirstPixel(y, b.textTop),
        StretchEdge(x, b.textRight),           StretchEdge(y, b.textBottom)};
}

Band StretchBand(const Band& band, const GridStretch& grid) {
    return Band{StretchFirstPixel(grid.down, band.firstRow),
                StretchLastPixel(grid.down, band.lastRow), StretchFirstPixel(grid.across, band.x1),
                StretchEdge(grid.across, band.x2)};
}

void FollowTable(KeyPlacement* places, std::size_t count, const ResizeRule* table,
                 std::size_t tableSize, const GridStretch& grid) {
    for (std::size_t i = 0; i < count; ++i) {
        for (std::size_t r = 0; r < tableSize; ++r) {
            if (table[r].id == places[i].id) {
                places[i].rect = StretchPlace(places[i].rect, table[r].edges, grid);
                break;
            }
        }
    }
}

}  // namespace quarnic
