#include "tools/mkmidi/smf.h"

#include <algorithm>
#include <string>

namespace mkmidi {

namespace {

struct Event {
    int64_t tick;
    int order;  // at the same tick: set-up first, then releases, then new notes
    std::vector<uint8_t> bytes;
};

void put_be(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) out.push_back(uint8_t(value >> (8 * i)));
}

std::vector<uint8_t> meta(uint8_t type, const std::vector<uint8_t>& data) {
    std::vector<uint8_t> bytes = {0xFF, type};
    put_varlen(bytes, uint32_t(data.size()));
    bytes.insert(bytes.end(), data.begin(), data.end());
    return bytes;
}

std::vector<uint8_t> text_bytes(const std::string& s) { return {s.begin(), s.end()}; }

void put_chunk(std::vector<uint8_t>& out, std::vector<Event> events, int64_t end) {
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    std::vector<uint8_t> body;
    int64_t now = 0;
    for (const Event& e : events) {
        put_varlen(body, uint32_t(e.tick - now));
        body.insert(body.end(), e.bytes.begin(), e.bytes.end());
        now = e.tick;
    }
    put_varlen(body, uint32_t(std::max<int64_t>(0, end - now)));
    body.insert(body.end(), {0xFF, 0x2F, 0x00});
    out.insert(out.end(), {'M', 'T', 'r', 'k'});
    put_be(out, uint32_t(body.size()), 4);
    out.insert(out.end(), body.begin(), body.end());
}

}  // namespace

void put_varlen(std::vector<uint8_t>& out, uint32_t value) {
    uint8_t groups[5];
    int n = 0;
    do {
        groups[n++] = value & 0x7F;
        value >>= 7;
    } while (value != 0);
    while (n > 1) out.push_back(groups[--n] | 0x80);
    out.push_back(groups[0]);
}

std::vector<uint8_t> write_smf(const Song& song) {
    std::vector<uint8_t> out = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1};
    put_be(out, uint32_t(song.tracks.size() + 1), 2);
    put_be(out, kTicksPerQuarter, 2);

    uint8_t unit_log2 = 0;
    while ((1 << unit_log2) < song.beat_unit) ++unit_log2;
    uint32_t us_per_quarter = uint32_t(60000000 / song.tempo);
    std::vector<Event> head = {
        {0, 0, meta(0x03, text_bytes(song.title))},
        {0, 0, meta(0x58, {uint8_t(song.beats_per_bar), unit_log2, 24, 8})},
        {0, 0, meta(0x51, {uint8_t(us_per_quarter >> 16), uint8_t(us_per_quarter >> 8),
                           uint8_t(us_per_quarter)})},
    };
    put_chunk(out, head, song.length());

    for (const Track& track : song.tracks) {
        uint8_t ch = uint8_t(track.channel - 1);
        std::vector<Event> events = {
            {0, 0, meta(0x03, text_bytes(track.name))},
            {0, 0, {uint8_t(0xB0 | ch), 7, uint8_t(track.volume)}},
            {0, 0, {uint8_t(0xB0 | ch), 10, uint8_t(track.pan)}},
        };
        for (const ProgramChange& p : track.programs)
            events.push_back({p.tick, 0, {uint8_t(0xC0 | ch), uint8_t(p.program)}});
        for (const Note& n : track.notes) {
            events.push_back({n.start, 2, {uint8_t(0x90 | ch), uint8_t(n.key), uint8_t(n.velocity)}});
            events.push_back({n.start + n.length, 1, {uint8_t(0x80 | ch), uint8_t(n.key), 0}});
        }
        put_chunk(out, events, song.length());
    }
    return out;
}

}  // namespace mkmidi
