#include "conv/converter_layout.h"

#include "conv/conv_ids.h"

namespace quarnic {
namespace {

constexpr const wchar_t* DIGIT_LABELS[IDC_CONV_DIGIT_COUNT] = {
    L"0",     L"1",     L"2",     L"3",     L"4",     L"5",     L"6",     L"7",
    L"8",     L"9",     L"A(10)", L"B(11)", L"C(12)", L"D(13)", L"E(14)", L"F(15)",
    L"G(16)", L"H(17)", L"I(18)", L"J(19)", L"K(20)", L"L(21)", L"M(22)", L"N(23)",
    L"O(24)", L"P(25)", L"Q(26)", L"R(27)", L"S(28)", L"T(29)", L"U(30)", L"V(31)",
};

constexpr const wchar_t* NOTATION_LABELS[] = {L"2", L"4", L"8", L"10", L"16", L"X"};

using ConverterKeys = std::array<KeyPlacement, CONVERTER_CONTROL_COUNT>;
using Placer = KeyPlacementList<CONVERTER_CONTROL_COUNT>;

void PlaceKeypad(Placer& placer, const KeyGeometry& g) {
    // Three full rows of ten digits, then "U(30)" and "V(31)" opening the fourth row.
    for (int value = 0; value < IDC_CONV_DIGIT_COUNT; ++value) {
        const int row = value / 10;
        const int column = value % 10;
        placer.Add(IDC_CONV_DIGIT_0 + value, DIGIT_LABELS[value], KeyKind::Push,
                   {Column(g, column, 1) + 1, Row(g, 5, 2 + row), g.keyWidth, g.keyHeight});
    }
    const int lastRow = Row(g, 5, 5);
    placer.Add(IDC_CONV_ALL_CLEAR, L"All Clear", KeyKind::Push,
               {Column(g, 3, 1) + 1, lastRow, 3 * g.keyWidth, g.keyHeight});
    placer.Add(IDC_CONV_CLEAR_ERROR, L"Clear Error", KeyKind::Push,
               {Column(g, 6, 1) + 1, lastRow, 3 * g.keyWidth, g.keyHeight});
}

void PlacePane(Placer& placer, const KeyGeometry& g, int firstButtonId, int stepDownId,
               int stepUpId, int top) {
    for (int j = 0; j < 6; ++j) {
        placer.Add(firstButtonId + j, NOTATION_LABELS[j], KeyKind::Radio,
                   {Column(g, 3 + j, 1), top, g.keyWidth - 1, g.keyHeight});
    }
    // "+" on top of "-", right of the "X" box.
    const int stepLeft = Column(g, 9, 3) + 4;
    const int stepWidth = g.keyWidth - 2 * g.margin - 5;
    placer.Add(stepUpId, L"+", KeyKind::Push, {stepLeft, top, stepWidth, g.halfKey});
    placer.Add(stepDownId, L"-", KeyKind::Push,
               {stepLeft, top + g.halfKey, stepWidth, g.keyHeight - g.halfKey});
}

}  // namespace

double ConverterSideMargin(int keySampleWidth, int) {
    return (keySampleWidth / 10) * 0.25;
}

std::array<KeyPlacement, CONVERTER_CONTROL_COUNT> ConverterControls(const KeyGeometry& g) {
    ConverterKeys controls{};
    Placer placer(controls);
    PlaceKeypad(placer, g);
    PlacePane(placer, g, IDC_CONV_FROM_2, IDC_CONV_FROM_STEP_DOWN, IDC_CONV_FROM_STEP_UP,
              Row(g, 4, 1) - 2);
    PlacePane(placer, g, IDC_CONV_TO_2, IDC_CONV_TO_STEP_DOWN, IDC_CONV_TO_STEP_UP,
              Row(g, 9, 7) - 2);
    return controls;
}

int AnswerPartOffset(const KeyGeometry& g) {
    return Row(g, 5, 6);
}

std::array<Band, CONVERTER_BAND_COUNT> ConverterBands(const KeyGeometry& g, int clientWidth,
                                                      int clientHeight) {
    const int left = g.margin - 1, right = Column(g, 10, 1) + 1;
    const Band own[] = {
        {Row(g, 5, 5), Row(g, 5, 6), Column(g, 9, 1) + 1, right},  // right of "Clear Error"
        {Row(g, 5, 6), Row(g, 6, 6) - 1, left, right},             // keys / answer console
        {Row(g, 7, 7) + 1, Row(g, 8, 7) - 1, left, right},         // answer console / To row
        {Row(g, 9, 8) + 1, clientHeight, left, right},             // below the To row
    };
    return SharedBandsAnd(g, clientWidth, clientHeight, own);
}

}  // namespace quarnic
