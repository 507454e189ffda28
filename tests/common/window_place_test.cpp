#include "common/window_place.h"

#include <gtest/gtest.h>

namespace quarnic {
namespace {

// A primary 1280x984 work area (a task bar below) and a second monitor to its left.
constexpr ScreenRect SCREENS[] = {{0, 0, 1280, 984}, {-1920, 0, 0, 1080}};

void ExpectPlace(const WindowPlace& got, int x, int y, int width, int height) {
    EXPECT_EQ(got.x, x);
    EXPECT_EQ(got.y, y);
    EXPECT_EQ(got.width, width);
    EXPECT_EQ(got.height, height);
}

TEST(WindowPlace, APlaceWhollyOnAMonitorIsKept) {
    ExpectPlace(BringIntoView({100, 50, 400, 300}, SCREENS, 2, 200, 150), 100, 50, 400, 300);
    ExpectPlace(BringIntoView({-1500, 700, 400, 300}, SCREENS, 2, 200, 150), -1500, 700, 400, 300);
}

TEST(WindowPlace, APlaceOffEveryMonitorComesBackOnThePrimaryOne) {
    // A monitor to the right was unplugged: the window moves as little as it can.
    ExpectPlace(BringIntoView({3000, 200, 400, 300}, SCREENS, 2, 200, 150), 880, 200, 400, 300);
    // Above and left of everything.
    ExpectPlace(BringIntoView({-5000, -900, 400, 300}, SCREENS, 2, 200, 150), 0, 0, 400, 300);
    // Only one monitor is left.
    ExpectPlace(BringIntoView({-1500, 700, 400, 300}, SCREENS, 1, 200, 150), 0, 684, 400, 300);
}

TEST(WindowPlace, APlaceAcrossTwoMonitorsGoesWhereMostOfItIs) {
    ExpectPlace(BringIntoView({-300, 100, 400, 300}, SCREENS, 2, 200, 150), -400, 100, 400, 300);
    ExpectPlace(BringIntoView({-100, 100, 400, 300}, SCREENS, 2, 200, 150), 0, 100, 400, 300);
    // Hanging below the task bar of the primary monitor.
    ExpectPlace(BringIntoView({500, 900, 400, 300}, SCREENS, 2, 200, 150), 500, 684, 400, 300);
}

TEST(WindowPlace, TheSizeStaysBetweenTheMinimumAndTheWorkArea) {
    ExpectPlace(BringIntoView({10, 10, 0, -5}, SCREENS, 2, 200, 150), 10, 10, 200, 150);
    ExpectPlace(BringIntoView({10, 10, 5000, 3000}, SCREENS, 2, 200, 150), 0, 0, 1280, 984);
    // Without any work area known only the minimum applies.
    ExpectPlace(BringIntoView({-5000, 10, 50, 50}, nullptr, 0, 200, 150), -5000, 10, 200, 150);
}

}  // namespace
}  // namespace quarnic
