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

}  // namespace
}  // namespace quarnic
