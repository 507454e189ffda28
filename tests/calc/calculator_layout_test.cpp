#include "calc/calculator_layout.h"

#include <gtest/gtest.h>

#include <set>

#include "calc/calc_ids.h"

namespace quarnic {
namespace {

Layout MakeLayout(int keyWidth, int keyHeight, double sideMargin) {
    Layout layout;
    layout.KeyWidth = keyWidth;
    layout.KeyHeight = keyHeight;
    layout.SpacingUnit = 5;
    layout.SideMargin = sideMargin;
    layout.HalfKeyHeight = keyHeight * 0.5;
    return layout;
}

// The document's example figures, a typical Windows system font and what Wine measures.
const Layout LAYOUTS[] = {MakeLayout(48, 20, 8.5), MakeLayout(48, 21, 8.5), MakeLayout(39, 21, 7.0),
                          MakeLayout(45, 19, 11.0)};

const KeyPlacement* Find(const CalculatorKeys& keys, int id) {
    for (const KeyPlacement& key : keys) {
        if (key.id == id) {
            return &key;
        }
    }
    return nullptr;
}

bool Overlap(const PixelRect& a, const PixelRect& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

TEST(CalculatorMargin, AQuarterOfTheMarkSamplePlusFourPixels) {
    EXPECT_DOUBLE_EQ(CalculatorSideMargin(480, 30), 8.5);
    EXPECT_DOUBLE_EQ(CalculatorSideMargin(999, 30), 8.5);  // the key sample does not count
    EXPECT_DOUBLE_EQ(CalculatorSideMargin(480, 41), 11.25);
}

TEST(CalculatorKeys, FiftyTwoDistinctControlsInCreationOrder) {
    CalculatorKeys keys = CalculatorKeyPlacements(LAYOUTS[0].Geometry());
    std::set<int> ids;
    for (const KeyPlacement& key : keys) {
        ids.insert(key.id);
    }
    EXPECT_EQ(ids.size(), 52u);
    for (int i = 0; i < 32; ++i) {
        EXPECT_EQ(keys[i].id, IDC_DIGIT_FIRST + i);
    }
    const int rest[] = {IDC_POINT,      IDC_SIGN,       IDC_ALL_CLEAR,     IDC_CLEAR_ENTRY,
                        IDC_ADD,        IDC_SUBTRACT,   IDC_MULTIPLY,      IDC_DIVIDE,
                        IDC_EQUALS,     IDC_MEMORY_IN,  IDC_MEMORY_RECALL, IDC_NOTATION_2,
                        IDC_NOTATION_4, IDC_NOTATION_8, IDC_NOTATION_10,   IDC_NOTATION_16,
                        IDC_NOTATION_X, IDC_STEP_UP,    IDC_STEP_DOWN,     IDC_SQRT};
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(keys[32 + i].id, rest[i]) << "position " << 32 + i;
    }
    EXPECT_EQ(Find(keys, IDC_SQRT)->kind, KeyKind::OwnerDrawn);
    EXPECT_EQ(Find(keys, IDC_NOTATION_X)->kind, KeyKind::Radio);
    EXPECT_STREQ(Find(keys, IDC_DIGIT_V)->label, L"V(31)");
}

TEST(CalculatorKeys, DocumentedPlacesForW48H20L8) {
    CalculatorKeys keys = CalculatorKeyPlacements(LAYOUTS[0].Geometry());
    // The document's worked figures for W 48, H 20, L 8, S 5 (h = 10).
    const PixelRect add = Find(keys, IDC_ADD)->rect;
    EXPECT_EQ(add.left, 73);
    EXPECT_EQ(add.top, 160);
    EXPECT_EQ(add.height, 30);
    EXPECT_EQ(Find(keys, IDC_EQUALS)->rect.width, 96);
    EXPECT_EQ(Find(keys, IDC_DIGIT_U)->rect.top, 125);
    EXPECT_EQ(Find(keys, IDC_DIGIT_9)->rect.left, 441);
    // The step buttons split the key height: h above, H - h below.
    const PixelRect up = Find(keys, IDC_STEP_UP)->rect;
    const PixelRect down = Find(keys, IDC_STEP_DOWN)->rect;
    EXPECT_EQ(up.height + down.height, 20);
    EXPECT_EQ(down.top, up.top + up.height);
    EXPECT_EQ(up.width, 27);
}

TEST(CalculatorKeys, NoTwoControlsOverlapAndAllStayRightOfTheMargin) {
    for (const Layout& layout : LAYOUTS) {
        CalculatorKeys keys = CalculatorKeyPlacements(layout.Geometry());
        const int right = layout.Margin() + 10 * layout.KeyWidth + 1;
        for (std::size_t i = 0; i < keys.size(); ++i) {
            EXPECT_GE(keys[i].rect.left, layout.Margin()) << keys[i].id;
            EXPECT_LE(keys[i].rect.left + keys[i].rect.width, right) << keys[i].id;
            EXPECT_GT(keys[i].rect.width, 0) << keys[i].id;
            for (std::size_t j = i + 1; j < keys.size(); ++j) {
                EXPECT_FALSE(Overlap(keys[i].rect, keys[j].rect))
                    << keys[i].id << " and " << keys[j].id << " with W " << layout.KeyWidth;
            }
        }
    }
}

// A band painted over a key would leave a stripe of console colour on it until the key
// repaints; the margins next to keys must not reach into them.
TEST(CalculatorBands, NoBandPaintsOverAKey) {
    for (const Layout& layout : LAYOUTS) {
        const int clientWidth = 2 * layout.Margin() + 10 * layout.KeyWidth;
        const int clientHeight = 9 * layout.SpacingUnit + 8 * layout.KeyHeight;
        CalculatorKeys keys = CalculatorKeyPlacements(layout.Geometry());
        for (const Band& band : CalculatorBandsFor(layout.Geometry(), clientWidth, clientHeight)) {
            // The band's pixels: rows firstRow..lastRow, columns x1..x2 - 1.
            PixelRect painted{band.x1, band.firstRow, band.x2 - band.x1,
                              band.lastRow - band.firstRow + 1};
            for (const KeyPlacement& key : keys) {
                EXPECT_FALSE(Overlap(painted, key.rect))
                    << "band rows " << band.firstRow << ".." << band.lastRow << " x " << band.x1
                    << ".." << band.x2 << " over key " << key.id << " with W " << layout.KeyWidth;
            }
        }
    }
}

TEST(CalculatorFigures, TheBoxOfXStandsBetweenTheXButtonAndTheStepButtons) {
    for (const Layout& layout : LAYOUTS) {
        const KeyGeometry g = layout.Geometry();
        CalculatorKeys keys = CalculatorKeyPlacements(g);
        const OtherBoxFigure box = CalculatorOtherBox(g);
        const PixelRect x = Find(keys, IDC_NOTATION_X)->rect;
        const PixelRect step = Find(keys, IDC_STEP_UP)->rect;
        EXPECT_GE(box.frameLeft, x.left + x.width) << "W " << g.keyWidth;
        EXPECT_LT(box.frameRight, step.left) << "W " << g.keyWidth;
        EXPECT_EQ(box.frameTop, x.top);
        EXPECT_LT(box.frameBottom, x.top + x.height);
        const ConsoleFigure console = CalculatorConsole(g);
        EXPECT_GT(box.frameTop, console.rowTop);
        EXPECT_LT(box.frameBottom, console.rowBottom);
    }
}

TEST(CalculatorFigures, TheMemoryMarkAndItsErasingStayAboveMinAndOffEveryKey) {
    for (const Layout& layout : LAYOUTS) {
        const KeyGeometry g = layout.Geometry();
        CalculatorKeys keys = CalculatorKeyPlacements(g);
        const MemoryMarkFigure mark = MemoryMarkAt(g);
        // Erasing fills rows top - 1 .. bottom + 1 from column left - 1 up to right + 1, which
        // is not drawn: the mark with its frame and a row above, below and a column left.
        const PixelRect erased{mark.left - 1, mark.top - 1, mark.right - mark.left + 2,
                               mark.bottom - mark.top + 3};
        const PixelRect min = Find(keys, IDC_MEMORY_IN)->rect;
        EXPECT_GE(erased.left, min.left) << "W " << g.keyWidth;
        EXPECT_LE(erased.left + erased.width, min.left + min.width);
        for (const KeyPlacement& key : keys) {
            EXPECT_FALSE(Overlap(erased, key.rect)) << key.id << " with W " << g.keyWidth;
        }
    }
}

TEST(SqrtKeyFigure, DocumentedRadicalSignForW48H20) {
    RadicalSign p = RadicalSignPoints(48, 20);
    const Point expected[] = {{36, 5}, {13, 5}, {14, 5}, {12, 15}, {9, 10}, {7, 12}};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(p[i].x, expected[i].x) << i;
        EXPECT_EQ(p[i].y, expected[i].y) << i;
    }
}

TEST(MemoryMark, ComplementUnlessTheConsoleIsGreyish) {
    Rgb mark = MemoryMarkColor({188, 83, 45});
    EXPECT_EQ(mark.red, 67);
    EXPECT_EQ(mark.green, 172);
    EXPECT_EQ(mark.blue, 210);
    Rgb red = MemoryMarkColor({100, 105, 109});
    EXPECT_EQ(red.red, 255);
    EXPECT_EQ(red.green, 0);
    // One pair ten apart is no longer greyish.
    EXPECT_EQ(MemoryMarkColor({100, 110, 105}).red, 155);
}

}  // namespace
}  // namespace quarnic
