#include "common/window_place.h"

#include <algorithm>

namespace quarnic {
namespace {

long long OverlapArea(const WindowPlace& place, const ScreenRect& area) {
    long long width = std::min(place.x + place.width, area.right) - std::max(place.x, area.left);
    long long height = std::min(place.y + place.height, area.bottom) - std::max(place.y, area.top);
    return width > 0 && height > 0 ? width * height : 0;
}

int ChooseArea(const WindowPlace& place, const ScreenRect* workAreas, int areaCount) {
    int chosen = 0;
    long long best = 0;
    for (int i = 0; i < areaCount; ++i) {
        long long overlap = OverlapArea(place, workAreas[i]);
        if (overlap > best) {
            best = overlap;
            chosen = i;
        }
    }
    return chosen;
}

// The start of a span of `length` moved as little as possible to lie within [low, high), when
// it fits there.
int KeepInside(int start, int length, int low, int high) {
    return std::max(low, std::min(start, high - length));
}

}  // namespace

WindowPlace BringIntoView(WindowPlace remembered, const ScreenRect* workAreas, int areaCount,
                          int minWidth, int minHeight) {
    WindowPlace place = remembered;
    place.width = std::max(place.width, minWidth);
    place.height = std::max(place.height, minHeight);
    if (areaCount <= 0) {
        return place;
    }
    const ScreenRect& area = workAreas[ChooseArea(place, workAreas, areaCount)];
    place.width = std::min(place.width, area.right - area.left);
    place.height = std::min(place.height, area.bottom - area.top);
    place.x = KeepInside(place.x, place.width, area.left, area.right);
    place.y = KeepInside(place.y, place.height, area.top, area.bottom);
    return place;
}

}  // namespace quarnic
