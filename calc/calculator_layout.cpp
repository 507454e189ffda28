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

constexpr unsigned KEY_RULE = FOLLOW_GRID_ACROSS | FOLLOW_GRID_DOWN;

constexpr std::array<ResizeRule, CALCULATOR_RESIZE_RULE_COUNT> ResizeRules() {
    std::array<ResizeRule, CALCULATOR_RESIZE_RULE_COUNT> rules{};
    std::size_t n = 0;
    for (int id = IDC_DIGIT_FIRST; id <= IDC_DIGIT_LAST; ++id) {
        rules[n++] = {id, KEY_RULE};
    }
    for (int id :
         {IDC_POINT, IDC_SIGN, IDC_ALL_CLEAR, IDC_CLEAR_ENTRY, IDC_ADD, IDC_SUBTRACT, IDC_MULTIPLY,
          IDC_DIVIDE, IDC_EQUALS, IDC_MEMORY_IN, IDC_MEMORY_RECALL, IDC_SQRT}) {
        rules[n++] = {id, KEY_RULE};
    }
    for (int id = IDC_NOTATION_FIRST; id <= IDC_NOTATION_LAST; ++id) {
        rules[n++] = {id, FOLLOW_GRID_ACROSS};
    }
    for (int id : {IDC_STEP_UP, IDC_STEP_DOWN, IDC_OTHER_NOTATION_TEXT}) {
        rules[n++] = {id, FOLLOW_GRID_ACROSS};
    }
    rules[n++] = {IDC_CONSOLE_TEXT, GROW_WITH_RIGHT};
    return rules;
}

PixelRect KeyPlace(const CalculatorKeys& keys, int id) {
    for (const KeyPlacement& key : keys) {
        if (key.id == id) {
            return key.rect;
        }
    }
    return {};
}

}  // namespace

const std::array<ResizeRule, CALCULATOR_RESIZE_RULE_COUNT> CALCULATOR_RESIZE_RULES = ResizeRules();

GridStretch CalculatorGridStretch(const KeyGeometry& g, int extraWidth, int extraHeight) {
    return KeyGridStretch(g, Row(g, 7, 8), extraWidth, extraHeight);
}

GridStretch CalculatorGridStretch(const Layout& layout) {
    return CalculatorGridStretch(layout.Geometry(), layout.ExtraWidth, layout.ExtraHeight);
}

double CalculatorSideMargin(int, int markSampleWidth) {
    return (markSampleWidth + 4) * 0.25;
}

CalculatorKeys CalculatorKeyPlacements(const KeyGeometry& g, const GridStretch& grid) {
    CalculatorKeys placements;
    KeyPlacementList keys(placements);
    AddDigitKeys(keys, g, IDC_DIGIT_FIRST);
    AddEntryAndClearKeys(keys, g);
    AddOperatorAndMemoryKeys(keys, g);
    AddNotationRow(keys, g, {IDC_NOTATION_FIRST, IDC_STEP_UP, IDC_STEP_DOWN}, Row(g, 4, 1) - 2);
    keys.Add(IDC_SQRT, L"", KeyKind::OwnerDrawn,
             {Column(g, 5, 1) + 1, Row(g, 5, 5), g.keyWidth, g.keyHeight});
    FollowTable(placements.data(), placements.size(), CALCULATOR_RESIZE_RULES.data(),
                CALCULATOR_RESIZE_RULES.size(), grid);
    return placements;
}

CalculatorTextCarriers CalculatorTextCarriersFor(const KeyGeometry& g, const GridStretch& grid) {
    const ConsoleFigure console = CalculatorConsole(g);
    const OtherBoxFigure box = CalculatorOtherBox(g);
    const MemoryMarkFigure mark = MemoryMarkAt(g, grid);
    const auto through = [](int left, int top, int right, int bottom) {
        return PixelRect{left, top, right - left + 1, bottom - top + 1};
    };
    CalculatorTextCarriers carriers{{
        {IDC_CONSOLE_TEXT, L"", KeyKind::PaintedText,
         through(console.left, console.top, console.right, console.bottom)},
        {IDC_OTHER_NOTATION_TEXT, L"", KeyKind::PaintedText,
         through(box.frameLeft, box.frameTop, box.frameRight, box.frameBottom)},
        {IDC_MEMORY_MARK_TEXT, L"", KeyKind::PaintedText,
         through(mark.left, mark.top, mark.right, mark.bottom)},
    }};
    // The mark's carrier is placed from the mark itself, which follows "Min".
    FollowTable(carriers.data(), carriers.size() - 1, CALCULATOR_RESIZE_RULES.data(),
                CALCULATOR_RESIZE_RULES.size(), grid);
    return carriers;
}

CalculatorBands CalculatorBandsFor(const KeyGeometry& g, int clientWidth, int clientHeight,
                                   const GridStretch& grid) {
    // Written for the smallest client area, then stretched with the keys they lie between.
    clientWidth -= grid.across.extra;
    clientHeight -= grid.down.extra;
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
    CalculatorBands bands = SharedBandsAnd(g, clientWidth, clientHeight, own);
    StretchBands(bands, grid);
    return bands;
}

ConsoleFigure CalculatorConsole(const KeyGeometry& g, const GridStretch& grid) {
    return StretchFigure(ConsoleFigureAt(g, 0), grid);
}

OtherBoxFigure CalculatorOtherBox(const KeyGeometry& g, const GridStretch& grid) {
    return StretchFigure(OtherBoxFigureAt(g, 0), grid);
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

MemoryMarkFigure MemoryMarkAt(const KeyGeometry& g, const GridStretch& grid) {
    const CalculatorKeys smallest = CalculatorKeyPlacements(g);
    const PixelRect from = KeyPlace(smallest, IDC_MEMORY_IN);
    const PixelRect to = StretchPlace(from, KEY_RULE, grid);
    const int x = 3 * g.margin + 9 * g.keyWidth + to.left - from.left;
    const int y = 7 * g.spacing + 6 * g.keyHeight + to.top - from.top;
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
