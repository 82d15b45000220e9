// World snapshots kept small: most of a world (its ground, its empty table
// rows) never changes during a level, so each state keeps only the pieces
// that differ from the level's start.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "world/snapshot.h"

using PackedState = std::vector<uint8_t>;

class StateStore {
public:
    // The world as it is now becomes the start every state is measured from.
    StateStore();

    PackedState pack_world();
    void unpack_world(const PackedState& state);

private:
    std::unique_ptr<WorldSnapshot> start_;
    std::unique_ptr<WorldSnapshot> scratch_;
};
