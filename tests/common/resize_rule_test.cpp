// A resizable window's table: each control moves or grows with the edges it follows, and a
// window made smaller than it was created never gives a control a negative size.
#include "common/resize_rule.h"

#include <gtest/gtest.h>

namespace quarnic {
namespace {

TEST(ResizeRule, EachControlFollowsTheEdgesOfItsRule) {
    const ControlRect button{10, 200, 60, 20};
    EXPECT_EQ(FollowResize(button, RESIZE_NONE, 40, 30), button);
    EXPECT_EQ(FollowResize(button, MOVE_WITH_BOTTOM, 40, 30), (ControlRect{10, 230, 60, 20}));
    EXPECT_EQ(FollowResize(button, MOVE_WITH_BOTTOM | MOVE_WITH_RIGHT, 40, 30),
              (ControlRect{50, 230, 60, 20}));
    EXPECT_EQ(FollowResize(button, GROW_WITH_RIGHT | GROW_WITH_BOTTOM, 40, 30),
              (ControlRect{10, 200, 100, 50}));
    EXPECT_EQ(FollowResize(button, MOVE_WITH_BOTTOM | GROW_WITH_RIGHT, -80, -10),
              (ControlRect{10, 190, 0, 20}));
}

// A grid from x 10, 100 wide, 37 pixels wider now: what lies before it stays, after it moves by
// the whole extra, and inside it each edge by its share, rounded, so neighbours stay touching.
TEST(ResizeRule, GridEdgesTakeTheirShareOfTheExtraSize) {
    const GridSpan span{10, 100, 37};
    EXPECT_EQ(StretchEdge(span, 3), 3);
    EXPECT_EQ(StretchEdge(span, 10), 10);
    EXPECT_EQ(StretchEdge(span, 60), 10 + 69) << "half way: 50 * 137 / 100 = 68.5, rounded up";
    EXPECT_EQ(StretchEdge(span, 110), 147);
    EXPECT_EQ(StretchEdge(span, 130), 167);
    EXPECT_EQ(StretchEdge(GridSpan{10, 100, 0}, 60), 60) << "no extra size: nothing moves";
    for (int edge = 10; edge < 110; ++edge) {
        EXPECT_LE(StretchEdge(span, edge), StretchEdge(span, edge + 1)) << edge;
    }
    EXPECT_EQ(StretchLastPixel(span, 109), 146) << "the grid's last pixel row";
    EXPECT_EQ(StretchFirstPixel(span, 110), 147);
}

TEST(ResizeRule, ControlsFollowTheGridAndTheEdgesOfTheirRule) {
    const GridStretch grid{{0, 100, 100}, {50, 50, 25}};
    const ControlRect key{20, 60, 20, 10};
    EXPECT_EQ(FollowGrid(key, FOLLOW_GRID_ACROSS | FOLLOW_GRID_DOWN, grid),
              (ControlRect{40, 65, 40, 15}));
    EXPECT_EQ(FollowGrid(key, FOLLOW_GRID_ACROSS | MOVE_WITH_BOTTOM, grid),
              (ControlRect{40, 85, 40, 10}));
    EXPECT_EQ(FollowGrid(ControlRect{0, 5, 100, 30}, GROW_WITH_RIGHT, grid),
              (ControlRect{0, 5, 200, 30}));
    EXPECT_EQ(FollowGrid(key, RESIZE_NONE, grid), key);
}

}  // namespace
}  // namespace quarnic
