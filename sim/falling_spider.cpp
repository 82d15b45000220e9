// One extra spider: on the boss levels it drops from under the boss; on
// level 6 it rains down in columns 65 pixels apart from x 100 to 620.
#include "world/world.h"

namespace {

void respawn_under_boss(FallingSpider& s) {
    s.y = boss.y + boss.height;
    s.alive = 1;
    s.x = boss.x + boss.width / 2;
}

// 640 is the width of the rain, whatever the screen or the level.
void next_column(FallingSpider& s) {
    s.alive = 1;
    s.x = s.x + s.width;
    s.y = 0;
    if (s.x > 640) s.x = 100;
}

bool gone(const FallingSpider& s) { return s.y > level_height || s.alive == 0; }

}  // namespace

void FallingSpider::update() {
    if (is_boss_level(current_level)) {
        y = y + fall_speed;
        // a spider stomped here stays gone until next frame's respawn
        if (gone(*this)) respawn_under_boss(*this);
        Spider::update();
    } else if (current_level == 6) {
        y = y + fall_speed;
        Spider::update();
        // a spider stomped here is at the top of the next column at once
        if (gone(*this)) next_column(*this);
    }
}
