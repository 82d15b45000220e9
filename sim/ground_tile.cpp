// Ground tiles can only be landed on from above: they have no sides and no
// underside, so the robot walks and jumps through what it cannot land on.
#include "sim/overlaps.h"
#include "world/world.h"

void GroundTile::update() {
    Player& p = player;
    if (!overlaps(*this, p)) return;
    // one landing per frame: the first tile in table order decides
    if (p.airborne != 1) return;
    // a tile more than half the robot's height up is walked through, not stepped onto
    if (!(p.y + p.height / 2 < y)) return;
    // the robot lands only while falling, so a jump rises through platforms
    if (!(p.fall_accum > 0)) return;
    p.airborne = 0;
    p.y = y - p.height;
    p.fall_accum = 0;
    p.fall_step = 0;
}
