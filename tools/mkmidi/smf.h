// Standard MIDI File writing: one tempo track, then one track per part.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/mkmidi/notation.h"

namespace mkmidi {

// The bytes of a format-1 file. Every track ends at the song's length, so a
// player that loops keeps the closing rests.
std::vector<uint8_t> write_smf(const Song& song);

// A MIDI variable-length quantity.
void put_varlen(std::vector<uint8_t>& out, uint32_t value);

}  // namespace mkmidi
