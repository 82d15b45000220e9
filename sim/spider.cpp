#include "sim/events.h"
#include "sim/overlaps.h"
#include "world/world.h"

void Spider::update() {
    Player& p = player;
    if (alive != 1) return;
    if (!overlaps(*this, p)) return;
    // a robot at most 9 pixels into the spider's top stomps it; a fall never
    // goes faster than 9 a frame, so a drop from above always lands there
    if (p.y + p.height - 10 < y && stompable == 1) {
        p.y = p.y - 10;
        alive = 0;
        p.fall_accum = -30;
        p.step_counter = 30;
        frame_events.spider_stomped = 1;
        return;
    }
    // no push-back: walking through a spider costs health every frame
    p.health = p.health - damage;
    if (contact_begins(&LastingContacts::hurting)) frame_events.hurt = 1;
}
