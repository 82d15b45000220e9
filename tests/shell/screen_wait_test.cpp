#include "shell/screen_wait.h"

#include <allegro.h>
#include <gtest/gtest.h>

#include <vector>

namespace {

// One look of the wait at the keyboard, the joystick and the window.
struct Look {
    bool key = false;
    uint32_t buttons = 0;
    bool closed = false;
};

// The world as the wait sees it: look N is what it reads after N pauses. A
// key stays in the buffer until taken. Past the last look the window closes,
// so a wait that never ends still returns.
struct Fake {
    std::vector<Look> looks;
    int pauses = 0;
    int keys_taken = 0;

    const Look& now() const {
        static const Look closed_window{false, 0, true};
        return pauses < static_cast<int>(looks.size()) ? looks[pauses] : closed_window;
    }
};

Fake fake;

const ScreenWaitInput fake_input = {
    [] { return fake.now().key && fake.keys_taken == 0; },
    [] { ++fake.keys_taken; },
    [] { return fake.now().buttons; },
    [] { return fake.now().closed; },
    [] { ++fake.pauses; },
};

WaitEnd wait_through(std::vector<Look> looks) {
    fake = Fake();
    fake.looks = std::move(looks);
    return wait_for_key_or_button(fake_input);
}

Look buttons(uint32_t held) { return Look{false, held, false}; }
Look key() { return Look{true, 0, false}; }

TEST(ScreenWaitTest, ANewPressOfAnyButtonEndsTheWaitAndLeavesTheKeyboardAlone) {
    // the title: nothing held, then the first button
    EXPECT_EQ(wait_through({buttons(0), buttons(0), buttons(1)}), WaitEnd::kButton);
    EXPECT_EQ(fake.pauses, 2);
    EXPECT_EQ(fake.keys_taken, 0);

    // any button counts, the last of 32 too
    EXPECT_EQ(wait_through({buttons(0), buttons(1u << 5)}), WaitEnd::kButton);
    EXPECT_EQ(wait_through({buttons(0), buttons(1u << 31)}), WaitEnd::kButton);
    EXPECT_EQ(fake.pauses, 1);
}

TEST(ScreenWaitTest, AButtonHeldWhenTheScreenAppearsCountsOnlyOncePressedAgain) {
    // the jump that ended the level is still held on the game-over screen;
    // releasing it is not a press either
    EXPECT_EQ(wait_through({buttons(1), buttons(1), buttons(1), buttons(0), buttons(0),
                            buttons(1)}),
              WaitEnd::kButton);
    EXPECT_EQ(fake.pauses, 5);

    // held throughout: only the keyboard or the window ends the wait
    EXPECT_EQ(wait_through(std::vector<Look>(50, buttons(1))), WaitEnd::kClosed);
    EXPECT_EQ(fake.pauses, 50);
    EXPECT_EQ(wait_through({buttons(1), buttons(1), key()}), WaitEnd::kKey);

    // another button pressed while the old one is still held is a new press
    EXPECT_EQ(wait_through({buttons(1), buttons(1), buttons(3)}), WaitEnd::kButton);
    EXPECT_EQ(fake.pauses, 2);
}

TEST(ScreenWaitTest, TheKeyboardEndsTheWaitAsItAlwaysDid) {
    // a press already in the buffer (the Esc that ended play) ends it at
    // once, and exactly that one press is taken
    EXPECT_EQ(wait_through({key()}), WaitEnd::kKey);
    EXPECT_EQ(fake.pauses, 0);
    EXPECT_EQ(fake.keys_taken, 1);

    // no joystick: the buttons read 0 and the keyboard alone ends the wait
    EXPECT_EQ(wait_through({buttons(0), buttons(0), buttons(0), key()}), WaitEnd::kKey);
    EXPECT_EQ(fake.pauses, 3);
    EXPECT_EQ(fake.keys_taken, 1);

    // a key and a new button press at the same look: the key is taken, so
    // it does not end the next screen's wait too
    EXPECT_EQ(wait_through({buttons(0), Look{true, 1, false}}), WaitEnd::kKey);
    EXPECT_EQ(fake.keys_taken, 1);
}

TEST(ScreenWaitTest, ClosingTheWindowEndsTheWaitWithoutTakingAKey) {
    EXPECT_EQ(wait_through({buttons(0), Look{true, 1, true}}), WaitEnd::kClosed);
    EXPECT_EQ(fake.keys_taken, 0);
    EXPECT_EQ(wait_through({Look{false, 0, true}}), WaitEnd::kClosed);
    EXPECT_EQ(fake.pauses, 0);
}

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
