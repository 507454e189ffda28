#include "conv/converter_layout.h"

#include "conv/conv_ids.h"

namespace quarnic {
namespace {

using ConverterKeys = std::array<KeyPlacement, CONVERTER_CONTROL_COUNT>;

void PlaceClearKeys(KeyPlacementList& keys, const KeyGeometry& g) {
    const int lastRow = Row(g, 5, 5);
    keys.Add(IDC_CONV_ALL_CLEAR, L"All Clear", KeyKind::Push,
             {Column(g, 3, 1) + 1, lastRow, 3 * g.keyWidth, g.keyHeight});
    keys.Add(IDC_CONV_CLEAR_ERROR, L"Clear Error", KeyKind::Push,
             {Column(g, 6, 1) + 1, lastRow, 3 * g.keyWidth, g.keyHeight});
}

// Frames include their right and bottom edges, hence the + 1.
PixelRect ConsolePlace(const KeyGeometry& g, int offset) {
    const ConsoleFigure c = ConsoleFigureAt(g, offset);
    return PixelRect{c.left, c.top, c.right - c.left + 1, c.bottom - c.top + 1};
}

PixelRect OtherBoxPlace(const KeyGeometry& g, int offset) {
    const OtherBoxFigure box = OtherBoxFigureAt(g, offset);
    return PixelRect{box.frameLeft, box.frameTop, box.frameRight - box.frameLeft + 1,
                     box.frameBottom - box.frameTop + 1};
}

}  // namespace

double ConverterSideMargin(int keySampleWidth, int) {
    return (keySampleWidth / 10) * 0.25;
}

std::array<KeyPlacement, CONVERTER_CONTROL_COUNT> ConverterControls(const KeyGeometry& g) {
    ConverterKeys controls{};
    KeyPlacementList keys(controls);
    AddDigitKeys(keys, g, IDC_CONV_DIGIT_0);
    PlaceClearKeys(keys, g);
    AddNotationRow(keys, g, {IDC_CONV_FROM_2, IDC_CONV_FROM_STEP_UP, IDC_CONV_FROM_STEP_DOWN},
                   Row(g, 4, 1) - 2);
    AddNotationRow(keys, g, {IDC_CONV_TO_2, IDC_CONV_TO_STEP_UP, IDC_CONV_TO_STEP_DOWN},
                   Row(g, 9, 7) - 2);
    return controls;
}

std::array<KeyPlacement, CONVERTER_TEXT_CARRIER_COUNT> ConverterTextCarriers(const KeyGeometry& g) {
    const int answer = AnswerPartOffset(g);
    return {{
        {IDC_CONV_INPUT_TEXT, L"", KeyKind::PaintedText, ConsolePlace(g, 0)},
        {IDC_CONV_ANSWER_TEXT, L"", KeyKind::PaintedText, ConsolePlace(g, answer)},
        {IDC_CONV_FROM_OTHER_TEXT, L"", KeyKind::PaintedText, OtherBoxPlace(g, 0)},
        {IDC_CONV_TO_OTHER_TEXT, L"", KeyKind::PaintedText, OtherBoxPlace(g, answer)},
    }};
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
