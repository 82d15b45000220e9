// The window's factor and fullscreen's: whole factors that fit the desktop.
#include <gtest/gtest.h>

#include "shell/scale.h"

TEST(Scale, FittingWindowLeavesRoomForPanels) {
    EXPECT_EQ(window_scale({1920, 1080}, 640, 480, 0), 2);
    EXPECT_EQ(window_scale({3840, 2160}, 640, 480, 0), 4);
    EXPECT_EQ(window_scale({2560, 1440}, 640, 480, 0), 2);  // 3 would fill all 1440 rows
    EXPECT_EQ(window_scale({1024, 768}, 640, 480, 0), 1);
    EXPECT_EQ(window_scale({1280, 1024}, 640, 480, 0), 2);  // 960 rows leave 64 for panels
    EXPECT_EQ(window_scale({1280, 1000}, 640, 480, 0), 1);
    EXPECT_EQ(window_scale({1920, 1080}, 320, 240, 0), 4);
    // a screen larger than the desktop: one pixel each, as the player asked
    EXPECT_EQ(window_scale({1920, 1080}, 4000, 3000, 0), 1);
}

TEST(Scale, FixedFactorComesDownToTheDesktop) {
    EXPECT_EQ(window_scale({1920, 1080}, 640, 480, 1), 1);
    EXPECT_EQ(window_scale({1920, 1080}, 640, 480, 2), 2);
    EXPECT_EQ(window_scale({1920, 1080}, 640, 480, 3), 2);  // 1440 rows do not fit 1080
    EXPECT_EQ(window_scale({1920, 1080}, 640, 480, 16), 2);
    EXPECT_EQ(window_scale({1920, 1080}, 4000, 3000, 2), 1);
}

TEST(Scale, UnknownDesktopKeepsOnePixelUnlessFixed) {
    EXPECT_EQ(window_scale({0, 0}, 640, 480, 0), 1);
    EXPECT_EQ(window_scale({0, 0}, 640, 480, 3), 3);
    EXPECT_EQ(fullscreen_scale({0, 0}, 640, 480), 1);
}

TEST(Scale, FullscreenTakesTheWholeDesktop) {
    EXPECT_EQ(fullscreen_scale({1920, 1080}, 640, 480), 2);
    EXPECT_EQ(fullscreen_scale({3840, 2160}, 640, 480), 4);
    EXPECT_EQ(fullscreen_scale({1920, 1440}, 640, 480), 3);  // exactly, no room needed
    EXPECT_EQ(fullscreen_scale({1024, 768}, 640, 480), 1);
    EXPECT_EQ(fullscreen_scale({1024, 768}, 16384, 16384), 1);
    EXPECT_EQ(fullscreen_scale({1024, 768}, 1, 1), 768);
}
