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

}  // namespace quarnic
