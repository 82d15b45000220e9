#include "shell/screen_wait.h"

#include <allegro.h>
#include <gtest/gtest.h>

namespace {

// joy[] and num_joysticks are plain globals: no driver is needed to set them.
class JoystickButtonsTest : public ::testing::Test {
protected:
    void TearDown() override {
        num_joysticks = 0;
        joy[0].num_buttons = 0;
        for (JOYSTICK_BUTTON_INFO& b : joy[0].button) b.b = 0;
    }
};

TEST_F(JoystickButtonsTest, EachHeldButtonOfTheFirstJoystickIsOneBit) {
    num_joysticks = 1;
    joy[0].num_buttons = 4;
    EXPECT_EQ(read_joystick_buttons(), 0u);
    joy[0].button[0].b = 1;
    joy[0].button[2].b = 1;
    EXPECT_EQ(read_joystick_buttons(), 0b101u);
    // a button the joystick does not have reads as up
    joy[0].button[4].b = 1;
    EXPECT_EQ(read_joystick_buttons(), 0b101u);
    // the second joystick's buttons are not the first's
    joy[1].button[1].b = 1;
    EXPECT_EQ(read_joystick_buttons(), 0b101u);
    joy[1].button[1].b = 0;
}

TEST_F(JoystickButtonsTest, WithoutAJoystickNoButtonIsEverHeld) {
    num_joysticks = 0;
    joy[0].num_buttons = 2;
    joy[0].button[0].b = 1;
    EXPECT_EQ(read_joystick_buttons(), 0u);
}

}  // namespace
