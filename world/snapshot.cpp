#include "world/snapshot.h"

#include <cstring>

namespace {

// Byte for byte, padding too: two snapshots of one world compare equal.
template <class T>
void copy_value(T& to, const T& from) {
    std::memcpy(&to, &from, sizeof(T));
}

}  // namespace

void save_world(WorldSnapshot& snapshot) {
#define HEADBOT_SAVE(name) copy_value(snapshot.name, ::name);
    HEADBOT_WORLD_STATE(HEADBOT_SAVE)
#undef HEADBOT_SAVE
}

void restore_world(const WorldSnapshot& snapshot) {
#define HEADBOT_RESTORE(name) copy_value(::name, snapshot.name);
    HEADBOT_WORLD_STATE(HEADBOT_RESTORE)
#undef HEADBOT_RESTORE
}
