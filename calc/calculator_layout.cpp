#include "calc/calculator_layout.h"

#include <cstdlib>

#include "calc/calc_ids.h"

namespace quarnic {
namespace {

constexpr const wchar_t* DIGIT_LABELS[] = {
    L"0",     L"1",     L"2",     L"3",     L"4",     L"5",     L"6",     L"7",
    L"8",     L"9",     L"A(10)", L"B(11)", L"C(12)", L"D(13)", L"E(14)", L"F(15)",
    L"G(16)", L"H(17)", L"I(18)", L"J(19)", L"K(20)", L"L(21)", L"M(22)", L"N(23)",
    L"O(24)", L"P(25)", L"Q(26)", L"R(27)", L"S(28)", L"T(29)", L"U(30)", L"V(31)",
};

constexpr const wchar_t* NOTATION_LABELS[] = {L"2", L"4", L"8", L"10", L"16", L"X"};

using KeyList = KeyPlacementList<CALCULATOR_KEY_COUNT>;

void AddDigitRows(KeyList& keys, const KeyGeometry& g) {
    // Three full rows of ten, then "U(30)" and "V(31)" at the start of the fourth.
    for (int value = 0; value < 32; ++value) {
        keys.Add(
            IDC_DIGIT_FIRST + value, DIGIT_LABELS[value], KeyKind::Push,
            {Column(g, value % 10, 1) + 1, Row(g, 5, 2 + value / 10), g.keyWidth, g.keyHeight});
    }
}

void AddEntryAndClearKeys(KeyList& keys, const KeyGeometry& g) {
    const int lastDigitRow = Row(g, 5, 5);
    const int width = g.keyWidth, height = g.keyHeight;
    keys.Add(IDC_POINT, L".", KeyKind::Push, {Column(g, 3, 1) + 1, lastDigitRow, width, height});
    keys.Add(IDC_SIGN, L"+/-", KeyKind::Push, {Column(g, 4, 1) + 1, lastDigitRow, width, height});
    keys.Add(IDC_ALL_CLEAR, L"AC", KeyKind::Push, {g.margin + 1, Row(g, 7, 6), width, height});
    keys.Add(IDC_CLEAR_ENTRY, L"CE", KeyKind::Push, {g.margin + 1, Row(g, 7, 7), width, height});
}

void AddOperatorAndMemoryKeys(KeyList& keys, const KeyGeometry& g) {
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

void AddNotationRow(KeyList& keys, const KeyGeometry& g) {
    const int top = Row(g, 4, 1) - 2;
    for (int i = 0; i < 6; ++i) {
        keys.Add(IDC_NOTATION_FIRST + i, NOTATION_LABELS[i], KeyKind::Radio,
                 {Column(g, 3 + i, 1), top, g.keyWidth - 1, g.keyHeight});
    }
    const int stepLeft = Column(g, 9, 3) + 4;
    const int stepWidth = g.keyWidth - 2 * g.margin - 5;
    keys.Add(IDC_STEP_UP, L"+", KeyKind::Push, {stepLeft, top, stepWidth, g.halfKey});
    keys.Add(IDC_STEP_DOWN, L"-", KeyKind::Push,
             {stepLeft, top + g.halfKey, stepWidth, g.keyHeight - g.halfKey});
}

}  // namespace

double CalculatorSideMargin(int, int markSampleWidth) {
    return (markSampleWidth + 4) * 0.25;
}

CalculatorKeys CalculatorKeyPlacements(const KeyGeometry& g) {
    CalculatorKeys placements;
    KeyList keys(placements);
    AddDigitRows(keys, g);
    AddEntryAndClearKeys(keys, g);
    AddOperatorAndMemoryKeys(keys, g);
    AddNotationRow(keys, g);
    keys.Add(IDC_SQRT, L"", KeyKind::OwnerDrawn,
             {Column(g, 5, 1) + 1, Row(g, 5, 5), g.keyWidth, g.keyHeight});
    return placements;
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
