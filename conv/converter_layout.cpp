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

constexpr unsigned KEY_RULE = FOLLOW_GRID_ACROSS | FOLLOW_GRID_DOWN;
constexpr unsigned TO_PANE_RULE = FOLLOW_GRID_ACROSS | MOVE_WITH_BOTTOM;

constexpr std::array<ResizeRule, CONVERTER_RESIZE_RULE_COUNT> ResizeRules() {
    std::array<ResizeRule, CONVERTER_RESIZE_RULE_COUNT> rules{};
    std::size_t n = 0;
    for (int id = IDC_CONV_DIGIT_0; id <= IDC_CONV_CLEAR_ERROR; ++id) {
        rules[n++] = {id, KEY_RULE};
    }
    for (int id = IDC_CONV_FROM_2; id <= IDC_CONV_FROM_STEP_UP; ++id) {
        rules[n++] = {id, FOLLOW_GRID_ACROSS};
    }
    for (int id = IDC_CONV_TO_2; id <= IDC_CONV_TO_STEP_UP; ++id) {
        rules[n++] = {id, TO_PANE_RULE};
    }
    rules[n++] = {IDC_CONV_INPUT_TEXT, GROW_WITH_RIGHT};
    rules[n++] = {IDC_CONV_ANSWER_TEXT, GROW_WITH_RIGHT | MOVE_WITH_BOTTOM};
    rules[n++] = {IDC_CONV_FROM_OTHER_TEXT, FOLLOW_GRID_ACROSS};
    rules[n++] = {IDC_CONV_TO_OTHER_TEXT, TO_PANE_RULE};
    return rules;
}

}  // namespace

const std::array<ResizeRule, CONVERTER_RESIZE_RULE_COUNT> CONVERTER_RESIZE_RULES = ResizeRules();

GridStretch ConverterGridStretch(const KeyGeometry& g, int extraWidth, int extraHeight) {
    return KeyGridStretch(g, Row(g, 5, 6), extraWidth, extraHeight);
}

GridStretch ConverterGridStretch(const Layout& layout) {
    return ConverterGridStretch(layout.Geometry(), layout.ExtraWidth, layout.ExtraHeight);
}

ConsoleFigure ConverterConsole(const KeyGeometry& g, int offset, const GridStretch& grid) {
    return StretchFigure(ConsoleFigureAt(g, offset), grid);
}

OtherBoxFigure ConverterOtherBox(const KeyGeometry& g, int offset, const GridStretch& grid) {
    return StretchFigure(OtherBoxFigureAt(g, offset), grid);
}

double ConverterSideMargin(int keySampleWidth, int) {
    return (keySampleWidth / 10) * 0.25;
}

std::array<KeyPlacement, CONVERTER_CONTROL_COUNT> ConverterControls(const KeyGeometry& g,
                                                                    const GridStretch& grid) {
    ConverterKeys controls{};
    KeyPlacementList keys(controls);
    AddDigitKeys(keys, g, IDC_CONV_DIGIT_0);
    PlaceClearKeys(keys, g);
    AddNotationRow(keys, g, {IDC_CONV_FROM_2, IDC_CONV_FROM_STEP_UP, IDC_CONV_FROM_STEP_DOWN},
                   Row(g, 4, 1) - 2);
    AddNotationRow(keys, g, {IDC_CONV_TO_2, IDC_CONV_TO_STEP_UP, IDC_CONV_TO_STEP_DOWN},
                   Row(g, 9, 7) - 2);
    FollowTable(controls.data(), controls.size(), CONVERTER_RESIZE_RULES.data(),
                CONVERTER_RESIZE_RULES.size(), grid);
    return controls;
}

std::array<KeyPlacement, CONVERTER_TEXT_CARRIER_COUNT> ConverterTextCarriers(
    const KeyGeometry& g, const GridStretch& grid) {
    const int answer = AnswerPartOffset(g);
    std::array<KeyPlacement, CONVERTER_TEXT_CARRIER_COUNT> carriers{{
        {IDC_CONV_INPUT_TEXT, L"", KeyKind::PaintedText, ConsolePlace(g, 0)},
        {IDC_CONV_ANSWER_TEXT, L"", KeyKind::PaintedText, ConsolePlace(g, answer)},
        {IDC_CONV_FROM_OTHER_TEXT, L"", KeyKind::PaintedText, OtherBoxPlace(g, 0)},
        {IDC_CONV_TO_OTHER_TEXT, L"", KeyKind::PaintedText, OtherBoxPlace(g, answer)},
    }};
    FollowTable(carriers.data(), carriers.size(), CONVERTER_RESIZE_RULES.data(),
                CONVERTER_RESIZE_RULES.size(), grid);
    return carriers;
}

int AnswerPartOffset(const KeyGeometry& g) {
    return Row(g, 5, 6);
}

std::array<Band, CONVERTER_BAND_COUNT> ConverterBands(const KeyGeometry& g, int clientWidth,
                                                      int clientHeight, const GridStretch& grid) {
    // Written for the smallest client area, then stretched with the keys they lie between.
    clientWidth -= grid.across.extra;
    clientHeight -= grid.down.extra;
    const int left = g.margin - 1, right = Column(g, 10, 1) + 1;
    const Band own[] = {
        {Row(g, 5, 5), Row(g, 5, 6), Column(g, 9, 1) + 1, right},  // right of "Clear Error"
        {Row(g, 5, 6), Row(g, 6, 6) - 1, left, right},             // keys / answer console
        {Row(g, 7, 7) + 1, Row(g, 8, 7) - 1, left, right},         // answer console / To row
        {Row(g, 9, 8) + 1, clientHeight, left, right},             // below the To row
    };
    auto bands = SharedBandsAnd(g, clientWidth, clientHeight, own);
    StretchBands(bands, grid);
    return bands;
}

}  // namespace quarnic
