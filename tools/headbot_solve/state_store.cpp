#include "state_store.h"

#include <cstring>

namespace {

constexpr size_t kPiece = 64;
constexpr size_t kSize = sizeof(WorldSnapshot);

uint8_t* bytes(WorldSnapshot& s) { return reinterpret_cast<uint8_t*>(&s); }

size_t piece_length(size_t at) { return at + kPiece <= kSize ? kPiece : kSize - at; }

}  // namespace

StateStore::StateStore()
    : start_(std::make_unique<WorldSnapshot>()), scratch_(std::make_unique<WorldSnapshot>()) {
    save_world(*start_);
}

// Each differing piece: its 4-byte offset, then its bytes.
PackedState StateStore::pack_world() {
    save_world(*scratch_);
    PackedState packed;
    const uint8_t* now = bytes(*scratch_);
    const uint8_t* start = bytes(*start_);
    for (size_t at = 0; at < kSize; at += kPiece) {
        size_t n = piece_length(at);
        if (std::memcmp(now + at, start + at, n) == 0) continue;
        uint32_t offset = static_cast<uint32_t>(at);
        const uint8_t* o = reinterpret_cast<const uint8_t*>(&offset);
        packed.insert(packed.end(), o, o + sizeof offset);
        packed.insert(packed.end(), now + at, now + at + n);
    }
    packed.shrink_to_fit();  // kept by the thousand: no slack
    return packed;
}

void StateStore::unpack_world(const PackedState& packed) {
    std::memcpy(scratch_.get(), start_.get(), kSize);
    uint8_t* now = bytes(*scratch_);
    for (size_t i = 0; i < packed.size();) {
        uint32_t offset = 0;
        std::memcpy(&offset, &packed[i], sizeof offset);
        size_t n = piece_length(offset);
        std::memcpy(now + offset, &packed[i + sizeof offset], n);
        i += sizeof offset + n;
    }
    restore_world(*scratch_);
}
