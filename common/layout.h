// Pixel sizes of the main window and its keys, derived once from the system font and the
// system metrics, and the figures both programs place and paint with. Portable: the Win32 side
// measures, this file only does the arithmetic, so the rounding rules can be checked without a
// screen.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>

#include "common/resize_rule.h"

namespace quarnic {

// A caption's line in the font a button draws it with, and the rows its ink covers counted
// from the line's top (end exclusive).
struct CaptionInk {
    int lineHeight = 0;
    int inkTop = 0;
    int inkEnd = 0;
};

// Whether the caption's ink stays inside a key of that height. A button centres the caption's
// line, which may be higher than the key and overhang both edges; it may round the half of the
// overhang either way, so the ink must fit both ways.
bool CaptionInkFits(int keyHeight, const CaptionInk& caption);

// The height of the upper step key "+": half a key, or more when its caption's ink would be
// cut there, as long as the "-" under it, which takes the rest of the key, keeps its caption.
int StepUpKeyHeight(int keyHeight, int halfKey, const CaptionInk& plus, const CaptionInk& minus);

// What the window measures before anything is sized.
struct LayoutInputs {
    int keySampleWidth = 0;  // text width of the key-width measuring string
    double sideMargin = 0;   // already derived by the program's own margin rule
    int menuHeight = 0;      // SM_CYMENU
    int captionHeight = 0;   // SM_CYCAPTION
    int platformCode = 0;
    int heightSpacingUnits = 9;  // spacing units in the window height: 9 calculator, 10 converter
    int screenWidth = 0;
    int screenHeight = 0;
    // The step keys' captions "+" and "-" in the keys' font; none measured: half a key each.
    CaptionInk stepUpCaption;
    CaptionInk stepDownCaption;
};

// The whole-pixel figures every key place and painted shape of both windows is written in.
struct KeyGeometry {
    int keyWidth = 0;
    int keyHeight = 0;
    int spacing = 5;
    int margin = 0;        // the left margin, truncated to whole pixels
    int halfKey = 0;       // half a key height, truncated to whole pixels
    int stepUpHeight = 0;  // the "+" step key; "-" takes the rest of a key height
};

struct Layout {
    int KeyWidth = 0;
    int KeyHeight = 0;
    int SpacingUnit = 5;
    double SideMargin = 0;
    double HalfKeyHeight = 0;
    int WindowWidth = 0;
    int WindowHeight = 0;
    int WindowX = 0;
    int WindowY = 0;
    int StepUpHeight = 0;
    // The smallest client area: the window less a fixed window's frame and caption. Every
    // figure is written for it; a larger window stretches them by its grid (GridStretch).
    int ClientWidth = 0;
    int ClientHeight = 0;
    // How much larger the client area is now than the smallest one.
    int ExtraWidth = 0;
    int ExtraHeight = 0;

    int Margin() const { return static_cast<int>(SideMargin); }
    int HalfKey() const { return static_cast<int>(HalfKeyHeight); }
    KeyGeometry Geometry() const {
        return KeyGeometry{KeyWidth, KeyHeight, SpacingUnit, Margin(), HalfKey(), StepUpHeight};
    }
};

// A program's own margin rule: the side margin from the width of the key sample and of the
// program's margin sample (0 when it measures none).
using SideMarginRule = double (*)(int keySampleWidth, int marginSampleWidth);

Layout ComputeLayout(const LayoutInputs& in);

// The layout after the window reached a monitor of another DPI: the rules of the start applied
// to what was measured at the new DPI, the window at the top-left corner of the rectangle
// Windows suggests rather than centred.
Layout LayoutAfterDpiChange(const LayoutInputs& atNewDpi, int suggestedLeft, int suggestedTop);

// The layout for a client area of that size: the smallest one's figures, and the extra size,
// never below none.
Layout LayoutForClient(const Layout& smallest, int clientWidth, int clientHeight);

struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// PaintedText: no key but the carrier of a painted text for screen readers, over its figure.
enum class KeyKind { Push, Radio, OwnerDrawn, PaintedText };

struct KeyPlacement {
    int id = 0;
    const wchar_t* label = L"";  // the same in both languages
    KeyKind kind = KeyKind::Push;
    PixelRect rect;
};

// Fills an array of placements in creation order.
class KeyPlacementList {
  public:
    template <std::size_t N>
    explicit KeyPlacementList(std::array<KeyPlacement, N>& keys)
        : keys_(keys.data()), capacity_(N) {}

    // A placement past the array's end is dropped; the layout tests count every control.
    void Add(int id, const wchar_t* label, KeyKind kind, PixelRect rect) {
        if (count_ < capacity_) {
            keys_[count_++] = KeyPlacement{id, label, kind, rect};
        }
    }

  private:
    KeyPlacement* keys_;
    std::size_t capacity_;
    std::size_t count_ = 0;
};

// The 32 digit keys "0" .. "V(31)" (ids firstDigitId + value): three full rows of ten under the
// notation row, then "U(30)" and "V(31)" opening the fourth.
void AddDigitKeys(KeyPlacementList& keys, const KeyGeometry& g, int firstDigitId);

// A notation row's buttons "2", "4", "8", "10", "16", "X" (ids firstButtonId on), then the "X"
// step buttons right of the box of "X": "+" on top of "-". top is the buttons' top row.
struct NotationRowIds {
    int firstButtonId;
    int stepUpId;
    int stepDownId;
};
void AddNotationRow(KeyPlacementList& keys, const KeyGeometry& g, const NotationRowIds& ids,
                    int top);

// Rows firstRow..lastRow (both included), each a line from x1 (drawn) to x2 (not drawn).
struct Band {
    int firstRow = 0;
    int lastRow = 0;
    int x1 = 0;
    int x2 = 0;
};

// The x of keyWidths key widths and margins margins, and the y of spacings spacing units and
// keyHeights key heights: the terms every figure of both windows is written in.
inline int Column(const KeyGeometry& g, int keyWidths, int margins) {
    return keyWidths * g.keyWidth + margins * g.margin;
}
inline int Row(const KeyGeometry& g, int spacings, int keyHeights) {
    return spacings * g.spacing + keyHeights * g.keyHeight;
}

// The bands both windows paint in the console colour: the side margins, above the console,
// under the console and under its notation row, and the gap from "V(31)" to the next key.
inline constexpr int SHARED_BAND_COUNT = 6;
std::array<Band, SHARED_BAND_COUNT> SharedBands(const KeyGeometry& g, int clientWidth,
                                                int clientHeight);

// The shared bands followed by a window's own.
template <std::size_t OWN>
std::array<Band, SHARED_BAND_COUNT + OWN> SharedBandsAnd(const KeyGeometry& g, int clientWidth,
                                                         int clientHeight, const Band (&own)[OWN]) {
    std::array<Band, SHARED_BAND_COUNT + OWN> bands;
    const auto shared = SharedBands(g, clientWidth, clientHeight);
    std::copy(shared.begin(), shared.end(), bands.begin());
    std::copy(own, own + OWN, bands.begin() + SHARED_BAND_COUNT);
    return bands;
}

// A console (frame rows top..bottom, both drawn) and the notation row under it. Both windows
// open with one; the converter's answer part is the same figure moved down by offset rows.
struct ConsoleFigure {
    int left = 0;
    int right = 0;  // margin + 10 key widths: the frame's right column
    int top = 0;
    int bottom = 0;
    int rowTop = 0;
    int rowBottom = 0;
};
ConsoleFigure ConsoleFigureAt(const KeyGeometry& g, int offset);

// The box beside a notation row's "X" button: frame corners, the rows and columns its clearing
// fills (x2 not drawn), and the rectangle its label is centred in (right/bottom exclusive).
struct OtherBoxFigure {
    int frameLeft = 0;
    int frameTop = 0;
    int frameRight = 0;
    int frameBottom = 0;
    int clearFirstRow = 0;
    int clearLastRow = 0;
    int clearX1 = 0;
    int clearX2 = 0;
    int textLeft = 0;
    int textTop = 0;
    int textRight = 0;
    int textBottom = 0;
};
OtherBoxFigure OtherBoxFigureAt(const KeyGeometry& g, int offset);

// The label at the left end of a notation row (right/bottom exclusive).
PixelRect NotationLabelRect(const KeyGeometry& g, const ConsoleFigure& console);

// The key grid of both windows: across, the console's columns from its left frame to its right
// one; down, from the top of the first digit row to gridBottom (the bottom of the lowest keys).
GridStretch KeyGridStretch(const KeyGeometry& g, int gridBottom, int extraWidth, int extraHeight);

// The figures of the smallest layout where a larger window's grid puts them.
PixelRect StretchPlace(const PixelRect& place, unsigned edges, const GridStretch& grid);
ConsoleFigure StretchFigure(const ConsoleFigure& console, const GridStretch& grid);
OtherBoxFigure StretchFigure(const OtherBoxFigure& box, const GridStretch& grid);
Band StretchBand(const Band& band, const GridStretch& grid);

template <std::size_t N>
void StretchBands(std::array<Band, N>& bands, const GridStretch& grid) {
    for (Band& band : bands) {
        band = StretchBand(band, grid);
    }
}

// Each control to the place its rule in the table gives it; a control the table does not name
// keeps its place (the tables name every one).
void FollowTable(KeyPlacement* places, std::size_t count, const ResizeRule* table,
                 std::size_t tableSize, const GridStretch& grid);

// The width the console form fits its digits to (FitDigitsToConsole): from the console's left
// frame to its right one, ten key widths at the smallest size.
inline int ConsoleWidth(const ConsoleFigure& console) {
    return console.right - console.left;
}

}  // namespace quarnic
