#include "shell/fresh_press.h"

#include <gtest/gtest.h>

#include <deque>
#include <set>
#include <vector>

namespace {

// What the wait sees at one look: the keys down, the buttons down, and the
// presses that reach the buffer just before this look. Each pause is 10 ms.
struct Look {
    std::set<int> down;
    std::vector<int> pressed;
    uint32_t buttons = 0;
};

struct Fake {
    std::vector<Look> looks;
    std::deque<int> buffer;
    int pauses = 0;
    int delivered = -1;  // the last look whose presses are in the buffer

    const Look& now() {
        static const Look nothing;
        const Look& look = pauses < static_cast<int>(looks.size()) ? looks[pauses] : nothing;
        if (delivered < pauses) {
            delivered = pauses;
            buffer.insert(buffer.end(), look.pressed.begin(), look.pressed.end());
        }
        return look;
    }
};

Fake fake;

const FreshPressInput fake_input = {
    [] {
        fake.now();
        return !fake.buffer.empty();
    },
    [] {
        const int code = fake.buffer.front();
        fake.buffer.pop_front();
        return code;
    },
    [](int code) { return fake.now().down.count(code) != 0; },
    [] { return fake.now().buttons; },
    [] { return fake.pauses >= static_cast<int>(fake.looks.size()) + 100; },  // a wait that never ends still returns
    [] { ++fake.pauses; },
    [] { return static_cast<int64_t>(fake.pauses) * 10; },
};

FreshPress wait_through(std::vector<Look> looks, std::deque<int> buffered = {}, FreshPressRules rules = {}) {
    fake = Fake();
    fake.looks = std::move(looks);
    fake.buffer = std::move(buffered);
    return wait_for_fresh_press(fake_input, rules);
}

constexpr int kUp = 84, kRight = 83, kReturn = 67;

TEST(FreshPressTest, PressesFromPlayAndKeysHeldSinceDoNotLeaveTheScreen) {
    // arrows pressed during play wait in the buffer; Right is still held and
    // repeats; only the Return pressed afterwards ends the wait
    const Look right_held{{kRight}, {}, 0};
    const Look right_repeats{{kRight}, {kRight}, 0};
    const Look fresh_return{{kRight, kReturn}, {kReturn}, 0};
    const FreshPress press =
        wait_through({right_held, right_repeats, right_repeats, fresh_return}, {kUp, kRight, kUp});
    EXPECT_EQ(press.end, FreshEnd::kKey);
    EXPECT_EQ(press.scancode, kReturn);
    EXPECT_EQ(fake.pauses, 3);
    EXPECT_TRUE(fake.buffer.empty());

    // the held key released and pressed again counts
    const FreshPress again = wait_through({right_held, Look{}, Look{{kRight}, {kRight}, 0}});
    EXPECT_EQ(again.end, FreshEnd::kKey);
    EXPECT_EQ(again.scancode, kRight);
    EXPECT_EQ(fake.pauses, 2);

    // nothing fresh: the wait goes on until the window closes
    EXPECT_EQ(wait_through({right_held, right_repeats}, {kUp}).end, FreshEnd::kClosed);
}

TEST(FreshPressTest, ButtonsCountOnlyWhenNewlyPressed) {
    const Look held{{}, {}, 1};
    const Look both{{}, {}, 3};
    EXPECT_EQ(wait_through({held, held, both}).end, FreshEnd::kButton);
    EXPECT_EQ(fake.pauses, 2);
    EXPECT_EQ(wait_through({held, held, held}).end, FreshEnd::kClosed);
    EXPECT_EQ(wait_through({held, Look{}, held}).end, FreshEnd::kButton);
}

TEST(FreshPressTest, DeafTimeDropsEarlyPressesAndGiveUpEndsTheWait) {
    // a press in the first 50 ms is dropped, and while its key stays down
    // it does not count later either; the one after it does
    const Look early{{kUp}, {kUp}, 0};
    const Look up_still{{kUp}, {kUp}, 0};
    const Look late{{kUp, kReturn}, {kReturn}, 0};
    const FreshPress press = wait_through({Look{}, early, up_still, up_still, up_still, up_still, late},
                                          {}, FreshPressRules{50, 0});
    EXPECT_EQ(press.scancode, kReturn);
    EXPECT_EQ(fake.pauses, 6);

    // a button in the deaf time neither
    EXPECT_EQ(wait_through({Look{}, Look{{}, {}, 1}, Look{{}, {}, 1}}, {}, FreshPressRules{50, 0}).end,
              FreshEnd::kClosed);

    // a card's wait ends by itself: at 100 ms, nothing pressed
    EXPECT_EQ(wait_through({}, {}, FreshPressRules{0, 100}).end, FreshEnd::kTimeUp);
    EXPECT_EQ(fake.pauses, 10);
}

}  // namespace
