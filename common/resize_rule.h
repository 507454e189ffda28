// How the controls of a resizable window follow its size, as one table per window: each control
// moves with the right or bottom edge, or grows with it. One routine applies the table.
#pragma once

namespace quarnic {

enum ResizeEdges : unsigned {
    RESIZE_NONE = 0,
    MOVE_WITH_RIGHT = 1,
    MOVE_WITH_BOTTOM = 2,
    GROW_WITH_RIGHT = 4,
    GROW_WITH_BOTTOM = 8,
};

struct ResizeRule {
    int id;
    unsigned edges;
};

struct ControlRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const ControlRect&) const = default;
};

// The control's place when the window's client area is dx wider and dy taller than when the
// control was at `original`. A size never falls below zero.
ControlRect FollowResize(const ControlRect& original, unsigned edges, int dx, int dy);

}  // namespace quarnic
