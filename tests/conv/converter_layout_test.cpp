// The converter window's figures: every control, console, notation row and "X" box at its own
// place, and the bands painted in the console colour never over any of them, for key sizes from
// a small system font to a large one.
#include "conv/converter_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "conv/conv_ids.h"

namespace quarnic {

void PrintTo(const KeyGeometry& g, std::ostream* out) {
    *out << "keyWidth " << g.keyWidth << " keyHeight " << g.keyHeight << " spacing " << g.spacing
         << " margin " << g.margin << " halfKey " << g.halfKey;
}

namespace {

// Pixel boxes with both ends included.
struct Box {
    int left, top, right, bottom;
    std::string what;
};

bool Overlap(const Box& a, const Box& b) {
    return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

Box BoxOf(const KeyPlacement& c) {
    return {c.rect.left, c.rect.top, c.rect.left + c.rect.width - 1, c.rect.top + c.rect.height - 1,
            "control " + std::to_string(c.id)};
}

// Key width from the measuring string, margin a quarter of it, half a key height: as the shell
// derives them from a font.
KeyGeometry FromKey(int keyWidth, int keyHeight) {
    return {keyWidth, keyHeight, 5, keyWidth / 4, keyHeight / 2};
}

// Consoles, notation rows and "X" boxes of both parts, as drawn.
std::vector<Box> Figures(const KeyGeometry& g) {
    std::vector<Box> figures;
    for (int offset : {0, AnswerPartOffset(g)}) {
        const ConsoleFigure c = ConsoleFigureAt(g, offset);
        const OtherBoxFigure x = OtherBoxFigureAt(g, offset);
        const std::string part = offset == 0 ? "input" : "answer";
        figures.push_back({c.left, c.top, c.right, c.bottom, part + " console"});
        figures.push_back({c.left, c.rowTop, c.right, c.rowBottom, part + " notation row"});
        figures.push_back({x.frameLeft, x.frameTop, x.frameRight, x.frameBottom, part + " X box"});
    }
    return figures;
}

class ConverterLayoutTest : public ::testing::TestWithParam<KeyGeometry> {};

TEST_P(ConverterLayoutTest, FiftyControlsWithTheirIdsKindsAndCreationOrder) {
    const auto controls = ConverterControls(GetParam());
    std::set<int> ids;
    std::vector<int> order;
    for (const KeyPlacement& c : controls) {
        ids.insert(c.id);
        order.push_back(c.id);
        const bool radio = (c.id >= IDC_CONV_FROM_2 && c.id <= IDC_CONV_FROM_X) ||
                           (c.id >= IDC_CONV_TO_2 && c.id <= IDC_CONV_TO_X);
        EXPECT_EQ(c.kind == KeyKind::Radio, radio) << c.id;
    }
    EXPECT_EQ(ids.size(), 50u);
    EXPECT_EQ(*ids.begin(), IDC_CONV_FIRST);
    EXPECT_EQ(*ids.rbegin(), IDC_CONV_LAST);
    auto position = [&](int id) {
        return std::find(order.begin(), order.end(), id) - order.begin();
    };
    EXPECT_LT(position(IDC_CONV_FROM_STEP_UP), position(IDC_CONV_FROM_STEP_DOWN));
    EXPECT_LT(position(IDC_CONV_TO_STEP_UP), position(IDC_CONV_TO_STEP_DOWN));
    EXPECT_STREQ(controls[IDC_CONV_DIGIT_V - IDC_CONV_FIRST].label, L"V(31)");
    EXPECT_STREQ(controls[IDC_CONV_CLEAR_ERROR - IDC_CONV_FIRST].label, L"Clear Error");
}

TEST_P(ConverterLayoutTest, NoTwoControlsOrFiguresOverlap) {
    const KeyGeometry g = GetParam();
    std::vector<Box> boxes;
    for (const KeyPlacement& c : ConverterControls(g)) {
        boxes.push_back(BoxOf(c));
    }
    const std::size_t controlCount = boxes.size();
    const std::vector<Box> figures = Figures(g);
    for (std::size_t i = 0; i < controlCount; ++i) {
        for (std::size_t j = i + 1; j < controlCount; ++j) {
            EXPECT_FALSE(Overlap(boxes[i], boxes[j])) << boxes[i].what << " / " << boxes[j].what;
        }
        // Consoles are drawn over nothing; radio buttons and step buttons sit inside their
        // notation row, so only the consoles and the "X" boxes must stay clear of controls.
        for (const Box& figure : figures) {
            if (figure.what.find("row") == std::string::npos) {
                EXPECT_FALSE(Overlap(boxes[i], figure)) << boxes[i].what << " / " << figure.what;
            }
        }
    }
}

TEST_P(ConverterLayoutTest, EverythingLiesBetweenTheMarginAndTenKeyWidths) {
    const KeyGeometry g = GetParam();
    for (const KeyPlacement& c : ConverterControls(g)) {
        const Box b = BoxOf(c);
        EXPECT_GE(b.left, g.margin) << b.what;
        EXPECT_LE(b.right, g.margin + 10 * g.keyWidth) << b.what;
    }
    // The step buttons end one pixel short of the consoles' right frame column.
    for (int id : {IDC_CONV_FROM_STEP_UP, IDC_CONV_FROM_STEP_DOWN, IDC_CONV_TO_STEP_UP,
                   IDC_CONV_TO_STEP_DOWN}) {
        const PixelRect r = ConverterControls(g)[id - IDC_CONV_FIRST].rect;
        EXPECT_EQ(r.left + r.width, ConsoleFigureAt(g, 0).right - 1) << id;
        EXPECT_GT(r.width, 0) << id;
    }
}

TEST_P(ConverterLayoutTest, PaneButtonsSitInsideTheirNotationRowsAndKeysBetweenThem) {
    const KeyGeometry g = GetParam();
    const ConsoleFigure input = ConsoleFigureAt(g, 0);
    const ConsoleFigure answer = ConsoleFigureAt(g, AnswerPartOffset(g));
    // Top to bottom: input console and row, the keypad, answer console and row.
    EXPECT_GT(input.top, 0);
    EXPECT_LT(input.bottom, input.rowTop);
    EXPECT_LT(input.rowBottom, answer.top);
    EXPECT_LT(answer.bottom, answer.rowTop);
    for (const KeyPlacement& c : ConverterControls(g)) {
        const Box b = BoxOf(c);
        int top = input.rowBottom + 1, bottom = answer.top - 1;  // the keypad
        if (c.id >= IDC_CONV_FROM_2 && c.id <= IDC_CONV_FROM_STEP_UP) {
            top = input.rowTop + 1, bottom = input.rowBottom - 1;
        } else if (c.id >= IDC_CONV_TO_2) {
            top = answer.rowTop + 1, bottom = answer.rowBottom - 1;
        }
        EXPECT_GE(b.top, top) << b.what;
        EXPECT_LE(b.bottom, bottom) << b.what;
    }
}

TEST_P(ConverterLayoutTest, BandsNeverPaintOverAControlOrAFigure) {
    const KeyGeometry g = GetParam();
    const int clientWidth = 2 * g.margin + 10 * g.keyWidth;
    const int clientHeight = 10 * g.spacing + 8 * g.keyHeight + 2;
    std::vector<Box> keep;
    for (const KeyPlacement& c : ConverterControls(g)) {
        keep.push_back(BoxOf(c));
    }
    for (const Box& figure : Figures(g)) {
        keep.push_back(figure);
    }
    for (const Band& band : ConverterBands(g, clientWidth, clientHeight)) {
        const Box painted{band.x1, band.firstRow, band.x2 - 1, band.lastRow, "band"};
        for (const Box& k : keep) {
            EXPECT_FALSE(Overlap(painted, k))
                << "band rows " << band.firstRow << ".." << band.lastRow << " x " << band.x1 << ".."
                << band.x2 << " over " << k.what;
        }
    }
}

// The gaps of the last key row ("V(31)" to "All Clear", right of "Clear Error") are painted
// over the key height, from the key's edge up to the next key or the right frame column; the
// band's end column itself is never drawn, so one column of button face may stay.
TEST_P(ConverterLayoutTest, BandsCloseTheGapsOfTheLastKeyRow) {
    const KeyGeometry g = GetParam();
    const auto controls = ConverterControls(g);
    const auto bands =
        ConverterBands(g, 2 * g.margin + 10 * g.keyWidth, 10 * g.spacing + 8 * g.keyHeight);
    const Box v = BoxOf(controls[IDC_CONV_DIGIT_V - IDC_CONV_FIRST]);
    const Box allClear = BoxOf(controls[IDC_CONV_ALL_CLEAR - IDC_CONV_FIRST]);
    const Box clearError = BoxOf(controls[IDC_CONV_CLEAR_ERROR - IDC_CONV_FIRST]);
    auto paintsGap = [&](int from, int to) {
        return std::any_of(bands.begin(), bands.end(), [&](const Band& b) {
            return b.x1 == from && b.x2 >= to - 1 && b.x2 <= to + 1 && b.firstRow <= v.top &&
                   b.lastRow >= v.bottom;
        });
    };
    EXPECT_TRUE(paintsGap(v.right + 1, allClear.left));
    EXPECT_TRUE(paintsGap(clearError.right + 1, g.margin + 10 * g.keyWidth));
}

TEST(ConverterMargin, AQuarterOfAWholeKeyWidth) {
    EXPECT_DOUBLE_EQ(ConverterSideMargin(680, 0), 17.0);
    EXPECT_DOUBLE_EQ(ConverterSideMargin(687, 0), 17.0);  // key width 68, not 68.7
    EXPECT_DOUBLE_EQ(ConverterSideMargin(540, 0), 13.5);
}

// The plan worked out by hand for keys 47 x 21 (S = 5, L = 11): each console and its notation
// row H + S high and S apart, the answer part 5S + 6H below the input part.
TEST(ConverterLayout, VerticalPlanFor47By21Keys) {
    const KeyGeometry g = FromKey(47, 21);
    const ConsoleFigure input = ConsoleFigureAt(g, 0);
    const ConsoleFigure answer = ConsoleFigureAt(g, AnswerPartOffset(g));
    EXPECT_EQ(input.top, 5);
    EXPECT_EQ(input.rowBottom, 62);
    EXPECT_EQ(answer.top, 156);
    EXPECT_EQ(answer.bottom, 182);
    EXPECT_EQ(answer.rowTop, 187);
    EXPECT_EQ(answer.rowBottom, 213);
    EXPECT_EQ(input.left, 11);
    EXPECT_EQ(input.right, 481);
}

INSTANTIATE_TEST_SUITE_P(KeySizes, ConverterLayoutTest,
                         ::testing::Values(FromKey(47, 21), FromKey(54, 20), FromKey(40, 19),
                                           FromKey(68, 27), FromKey(30, 15), FromKey(57, 22)));

}  // namespace
}  // namespace quarnic
