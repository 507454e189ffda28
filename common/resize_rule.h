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
    // Both edges across (down) follow the grid's share of the extra width (height): keys in
    // a grid grow, and the gaps between them keep their proportion.
    FOLLOW_GRID_ACROSS = 16,
    FOLLOW_GRID_DOWN = 32,
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

// One axis of a grid that takes all the extra size of its window on that axis: where it starts
// and how long it is at the smallest size, and how much the window is larger now. What lies
// before the grid stays, what lies after it moves by `extra`.
struct GridSpan {
    int start = 0;
    int length = 0;
    int extra = 0;
};

// Where an edge (the line between two pixels, x or y) of the smallest layout goes. Inside the
// span it moves by its share of `extra`, rounded to the nearest pixel, so the same edge of two
// neighbours goes to the same place and no gap opens or closes between them.
int StretchEdge(const GridSpan& span, int edge);

// A drawn pixel's row or column: one that starts a figure goes with its leading edge, one that
// ends it (included) with its trailing edge, so a figure keeps its one-pixel lines.
inline int StretchFirstPixel(const GridSpan& span, int pixel) {
    return StretchEdge(span, pixel);
}
inline int StretchLastPixel(const GridSpan& span, int pixel) {
    return StretchEdge(span, pixel + 1) - 1;
}

struct GridStretch {
    GridSpan across;
    GridSpan down;
};

// FollowResize with the grid's extra size as dx and dy, and the FOLLOW_GRID_ edges stretched
// by StretchEdge.
ControlRect FollowGrid(const ControlRect& original, unsigned edges, const GridStretch& grid);

}  // namespace quarnic
