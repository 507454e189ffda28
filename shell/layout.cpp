#include "shell/layout.h"

namespace quarnic {

double CalculatorSideMargin(int markSampleWidth) {
    return (markSampleWidth + 4) * 0.25;
}

double ConverterSideMargin(int keySampleWidth) {
    return (keySampleWidth / 10) * 0.25;
}

Layout ComputeLayout(const LayoutInputs& in) {
    Layout out;
    out.KeyWidth = in.keySampleWidth / 10;
    out.KeyHeight = in.menuHeight + 2;
    out.SideMargin = in.sideMargin;
    out.HalfKeyHeight = out.KeyHeight * 0.5;
    out.SpacingUnit = 5;
    // Only the later NT versions give the caption its own height; older ones share the menu's.
    int caption = in.platformCode == LATEST_NT_PLATFORM ? in.captionHeight : in.menuHeight;
    out.WindowWidth = 2 * out.Margin() + 10 * out.KeyWidth + 6;
    out.WindowHeight = caption + in.heightSpacingUnits * out.SpacingUnit + 8 * out.KeyHeight + 9;
    // C++ division truncates toward zero, as the centring wants on screens smaller than the window.
    out.WindowX = (in.screenWidth - out.WindowWidth) / 2;
    out.WindowY = (in.screenHeight - out.WindowHeight) / 2;
    return out;
}

}  // namespace quarnic
