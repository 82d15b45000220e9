#include "shell/input.h"

#include <allegro.h>
#include <gtest/gtest.h>

#include "world/world.h"

namespace {

HeldKeys poll_with(int up, int right, int left, int button, int stick_right, int stick_left) {
    key[KEY_UP] = static_cast<char>(up);
    key[KEY_RIGHT] = static_cast<char>(right);
    key[KEY_LEFT] = static_cast<char>(left);
    joy[0].button[0].b = button;
    joy[0].stick[0].axis[0].d2 = stick_right;
    joy[0].stick[0].axis[0].d1 = stick_left;
    held_keys = HeldKeys();
    poll_keys_and_joystick();
    return held_keys;
}

// key[] and joy[] are plain arrays: no driver is needed to set them.
TEST(InputTest, AnyNonZeroKeyOrStickStateIsHeldAndCopiedAsOne) {
    HeldKeys h = poll_with(-1, 0, 0, 0, 0, 0);  // how X reports a held key
    EXPECT_EQ(h.up, 1);
    EXPECT_EQ(h.right, 0);
    EXPECT_EQ(h.left, 0);

    h = poll_with(0, 1, -1, 0, 0, 0);
    EXPECT_EQ(h.up, 0);
    EXPECT_EQ(h.right, 1);
    EXPECT_EQ(h.left, 1);
    EXPECT_EQ(h.joy_button, 0);

    h = poll_with(0, 0, 0, 1, 1, 0);
    EXPECT_EQ(h.joy_button, 1);
    EXPECT_EQ(h.joy_right, 1);
    EXPECT_EQ(h.joy_left, 0);
    EXPECT_EQ(h.right, 0);

    h = poll_with(0, 0, 0, 0, 0, 1);
    EXPECT_EQ(h.joy_left, 1);
    EXPECT_EQ(h.joy_right, 0);

    h = poll_with(0, 0, 0, 0, 0, 0);
    EXPECT_EQ(h.up + h.right + h.left + h.joy_button + h.joy_right + h.joy_left, 0);
}

}  // namespace
