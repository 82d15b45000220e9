// What happened in the frame just run that the player should hear. The rules
// raise a flag where the event happens and never read one back, so the game
// plays the same whether anyone listens or not. run_frame() lowers them all
// before its first step; the game's shell reads them after the frame.
#pragma once

#include <cstdint>

struct FrameEvents {
    uint8_t jump = 0;             // a jump started
    uint8_t header = 0;           // the ball flew off the robot's head
    uint8_t block_broken = 0;     // the ball broke a breakable block
    uint8_t spider_stomped = 0;   // a spider, the falling one too
    uint8_t hurt = 0;             // a spider's bite or the boss's touch began
    uint8_t ball_lost = 0;        // out through the bottom
    uint8_t level_won = 0;        // the ball out of the top or the boss out of the bottom
    uint8_t game_over = 0;        // the last life lost
    uint8_t mushroom_bounce = 0;  // a mushroom's throw began
};

// Some contacts act in every frame they last: a spider bites and a mushroom
// throws again each frame, and a ball resting on a rising head is headed
// again. Each is one event, in its first frame; these flags say which of them
// went on in this frame so far and which in the frame before.
struct LastingContacts {
    uint8_t hurting = 0;
    uint8_t heading = 0;
    uint8_t bouncing = 0;
};

extern FrameEvents frame_events;
extern LastingContacts contacts_now;
extern LastingContacts contacts_before;
