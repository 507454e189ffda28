#include "common/layout.h"

#include "common/platform_rules.h"

namespace quarnic {

namespace {

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

}  // namespace quarnic
