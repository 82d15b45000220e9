#include "sim/events.h"
#include "sim/overlaps.h"
#include "world/world.h"

// Any touch throws the robot, from the side as much as from above, and
// every frame of contact throws it again.
void Mushroom::update() {
    if (!overlaps(*this, player)) return;
    player.airborne = 1;
    player.fall_accum = -100;
    if (contact_begins(&LastingContacts::bouncing)) frame_events.mushroom_bounce = 1;
}
