// Where a tool window comes back at the next start. A remembered place may lie off every
// monitor now (a monitor was unplugged, the resolution fell), so it is brought into view first:
// a window the user cannot reach is as good as lost.
#pragma once

namespace quarnic {

// A screen rectangle in virtual-screen pixels; right and bottom lie just outside it.
struct ScreenRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

struct WindowPlace {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// The place a remembered window is shown at, given the monitors' work areas with the primary
// monitor's first. The size is made at least minWidth x minHeight and at most the chosen work
// area; the window then moves, as little as it can, to lie wholly inside the work area it
// overlaps most, or inside the first one when it overlaps none. With no work area at all the
// remembered place is kept, sized up to the minimum.
WindowPlace BringIntoView(WindowPlace remembered, const ScreenRect* workAreas, int areaCount,
                          int minWidth, int minHeight);

}  // namespace quarnic
