// The solver keeps worlds packed against the level's start; unpacked, each
// is the world it was, to the byte, whatever ran since.
#include "tools/headbot_solve/state_store.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "support/level_text.h"
#include "world/snapshot.h"
#include "world/world.h"

namespace {

std::unique_ptr<WorldSnapshot> world_now() {
    auto s = std::make_unique<WorldSnapshot>();
    save_world(*s);
    return s;
}

TEST(SolveStateStore, UnpacksEachWorldAsItWasPacked) {
    load_level_text("s 960 480 p 40 407 A 32 448 A 64 448 E 100 176 G 300 300 D 500 417 !", 4);
    StateStore store;
    const PackedState at_start = store.pack_world();
    auto start = world_now();

    run_frames(30, "U");
    run_frames(400, "R");
    const PackedState later = store.pack_world();
    auto then = world_now();
    // only what moved is kept: far less than a whole world
    EXPECT_LT(later.size(), sizeof(WorldSnapshot) / 20);

    run_frames(300, "LU");
    store.unpack_world(later);
    EXPECT_EQ(std::memcmp(world_now().get(), then.get(), sizeof(WorldSnapshot)), 0);
    store.unpack_world(at_start);
    EXPECT_EQ(std::memcmp(world_now().get(), start.get(), sizeof(WorldSnapshot)), 0);
    EXPECT_TRUE(at_start.empty());
}

}  // namespace
