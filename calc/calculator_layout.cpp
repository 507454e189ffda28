#include "calc/calculator_layout.h"

#include <cstdlib>

#include "calc/calc_ids.h"

namespace quarnic {
namespace {

void AddEntryAndClearKeys(KeyPlacementList& keys, const KeyGeometry& g) {
    const int lastDigitRow = Row(g, 5, 5);
    const int width = g.keyWidth, height = g.keyHeight;
    keys.Add(IDC_POINT, L".", KeyKind::Push, {Column(g, 3, 1) + 1, lastDigitRow, width, height});
    keys.Add(IDC_SIGN, L"+/-", KeyKind::Push, {Column(g, 4, 1) + 1, lastDigitRow, width, height});
    keys.Add(IDC_ALL_CLEAR, L"AC", KeyKind::Push, {g.margin + 1, Row(g, 7, 6), width, height});
    keys.Add(IDC_CLEAR_ENTRY, L"CE", KeyKind::Push, {g.margin + 1, Row(g, 7, 7), width, height});
}

void AddOperatorAndMemoryKeys(KeyPlacementList& keys, const KeyGeometry& g) {
    // The operator keys stand half a key lower than the clear and memory keys, and taller.
    const int top = Row(g, 6, 7) - g.halfKey;
    const int width = g.keyWidth, height = g.keyHeight + 2 * g.spacing;
    keys.Add(IDC_ADD, L"+", KeyKind::Push, {Column(g, 1, 3) + 1, top, width, height});
    keys.Add(IDC_SUBTRACT, L"-", KeyKind::Push, {Column(g, 2, 4) + 1, top, width, height});
    keys.Add(IDC_MULTIPLY, L"*", KeyKind::Push, {Column(g, 3, 5) + 1, top, width, height});
    keys.Add(IDC_DIVIDE, L"/", KeyKind::Push, {Column(g, 4, 6) + 1, top, width, height});
    keys.Add(IDC_EQUALS, L"=", KeyKind::Push, {Column(g, 5, 7) + 1, top, 2 * width, height});
    const int memoryLeft = Column(g, 9, 1) + 1;
    keys.Add(IDC_MEMORY_IN, L"Min", KeyKind::Push, {memoryLeft, Row(g, 7, 6), width, g.keyHeight});
    keys.Add(IDC_MEMORY_RECALL, L"MR", KeyKind::Push,
             {memoryLeft, Row(g, 7, 7), width, g.keyHeight});
}

}  // namespace

double CalculatorSideMargin(int, int markSampleWidth) {
    return (markSampleWidth + 4) * 0.25;
}

CalculatorKeys CalculatorKeyPlacements(const KeyGeometry& g) {
    CalculatorKeys placements;
    KeyPlacementList keys(placements);
    AddDigitKeys(keys, g, IDC_DIGIT_FIRST);
    AddEntryAndClearKeys(keys, g);
    AddOperatorAndMemoryKeys(keys, g);
    AddNotationRow(keys, g, {IDC_NOTATION_FIRST, IDC_STEP_UP, IDC_STEP_DOWN}, Row(g, 4, 1) - 2);
    keys.Add(IDC_SQRT, L"", KeyKind::OwnerDrawn,
             {Column(g, 5, 1) + 1, Row(g, 5, 5), g.keyWidth, g.keyHeight});
    return placements;
}

CalculatorTextCarriers CalculatorTextCarriersFor(const KeyGeometry& g) {
    const ConsoleFigure console = CalculatorConsole(g);
    const OtherBoxFigure box = CalculatorOtherBox(g);
    const MemoryMarkFigure mark = MemoryMarkAt(g);
    const auto through = [](int left, int top, int right, int bottom) {
        return PixelRect{left, top, right - left + 1, bottom - top + 1};
    };
    return CalculatorTextCarriers{{
        {IDC_CONSOLE_TEXT, L"", KeyKind::PaintedText,
         through(console.left, console.top, console.right, console.bottom)},
        {IDC_OTHER_NOTATION_TEXT, L"", KeyKind::PaintedText,
         through(box.frameLeft, box.frameTop, box.frameRight, box.frameBottom)},
        {IDC_MEMORY_MARK_TEXT, L"", KeyKind::PaintedText,
         through(mark.left, mark.top, mark.right, mark.bottom)},
    }};
}

CalculatorBands CalculatorBandsFor(const KeyGeometry& g, int clientWidth, int clientHeight) {
    const int left = g.margin - 1, right = Column(g, 10, 1) + 1;
    const int opTop = Row(g, 6, 7) - g.halfKey, opBottom = Row(g, 8, 8) - g.halfKey;
    const int betweenClearAndMemory = Column(g, 1, 1) + 1, memoryLeft = Column(g, 9, 1);
    const Band own[] = {
        {Row(g, 5, 5), Row(g, 5, 6), Column(g, 6, 1) + 1, right},      // right of the root key
        {Row(g, 5, 6), Row(g, 7, 6) - 1, left, right},                 // digits / lower keys
        {Row(g, 7, 6), opTop - 1, betweenClearAndMemory, memoryLeft},  // above the operators
        {opBottom, Row(g, 7, 8), betweenClearAndMemory, memoryLeft},   // below the operators
        {Row(g, 7, 8), clientHeight, left, right},                     // below the keys
        {opTop, opBottom, betweenClearAndMemory, Column(g, 1, 3)},     // "CE" / "+"
        {opTop, opBottom, Column(g, 2, 3) + 1, Column(g, 2, 4)},       // "+" / "-"
        {opTop, opBottom, Column(g, 3, 4) + 1, Column(g, 3, 5)},       // "-" / "*"
        {opTop, opBottom, Column(g, 4, 5) + 1, Column(g, 4, 6)},       // "*" / "/"
        {opTop, opBottom, Column(g, 5, 6) + 1, Column(g, 5, 7)},       // "/" / "="
        {opTop, opBottom, Column(g, 7, 7) + 1, memoryLeft},            // "=" / "Min"
    };
    return SharedBandsAnd(g, clientWidth, clientHeight, own);
}

ConsoleFigure CalculatorConsole(const KeyGeometry& g) {
    return ConsoleFigureAt(g, 0);
}

OtherBoxFigure CalculatorOtherBox(const KeyGeometry& g) {
    return OtherBoxFigureAt(g, 0);
}

RadicalSign RadicalSignPoints(int keyWidth, int keyHeight) {
    const int w = keyWidth, h = keyHeight;
    return RadicalSign{{{w - w / 4, h / 4},
                        {3 * w / 10 - 1, h / 4},
                        {3 * w / 10, h / 4},
                        {w / 4, h - h / 4},
                        {w / 5, h - h / 2},
                        {w / 5 - 2, h - h / 2 + 2}}};
}

MemoryMarkFigure MemoryMarkAt(const KeyGeometry& g) {
    const int x = 3 * g.margin + 9 * g.keyWidth;
    const int y = 7 * g.spacing + 6 * g.keyHeight;
    return MemoryMarkFigure{x - 3, y - 10, x + 3, y - 4};
}

Rgb MemoryMarkColor(const Rgb& c) {
    if (std::abs(c.red - c.green) < 10 && std::abs(c.green - c.blue) < 10 &&
        std::abs(c.blue - c.red) < 10) {
        return Rgb{255, 0, 0};
    }
    return Rgb{255 - c.red, 255 - c.green, 255 - c.blue};
}

}  // namespace quarnic
