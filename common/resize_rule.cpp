#include "common/resize_rule.h"

namespace quarnic {

ControlRect FollowResize(const ControlRect& original, unsigned edges, int dx, int dy) {
    ControlRect rect = original;
    if (edges & MOVE_WITH_RIGHT) {
        rect.x += dx;
    }
    if (edges & MOVE_WITH_BOTTOM) {
        rect.y += dy;
    }
    if (edges & GROW_WITH_RIGHT) {
        rect.width = rect.width + dx > 0 ? rect.width + dx : 0;
    }
    if (edges & GROW_WITH_BOTTOM) {
        rect.height = rect.height + dy > 0 ? rect.height + dy : 0;
    }
    return rect;
}

int StretchEdge(const GridSpan& span, int edge) {
    if (span.extra == 0 || edge <= span.start) {
        return edge;
    }
    if (span.length <= 0 || edge >= span.start + span.length) {
        return edge + span.extra;
    }
    const long long inside = edge - span.start;
    const long long stretched =
        (inside * (span.length + span.extra) * 2 + span.length) / (2LL * span.length);
    return span.start + static_cast<int>(stretched);
}

ControlRect FollowGrid(const ControlRect& original, unsigned edges, const GridStretch& grid) {
    ControlRect rect = FollowResize(original, edges, grid.across.extra, grid.down.extra);
    if (edges & FOLLOW_GRID_ACROSS) {
        rect.x = StretchEdge(grid.across, original.x);
        rect.width = StretchEdge(grid.across, original.x + original.width) - rect.x;
    }
    if (edges & FOLLOW_GRID_DOWN) {
        rect.y = StretchEdge(grid.down, original.y);
        rect.height = StretchEdge(grid.down, original.y + original.height) - rect.y;
    }
    return rect;
}

}  // namespace quarnic
