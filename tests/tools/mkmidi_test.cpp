// The tune notation and the MIDI files made from it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/mkmidi/notation.h"
#include "tools/mkmidi/smf.h"

namespace {

using mkmidi::Note;
using mkmidi::NotationError;
using mkmidi::Song;

constexpr int64_t kQuarter = mkmidi::kTicksPerQuarter;

// A one-part song around `body`, notes sounding their full length.
Song lead(const std::string& body, const std::string& header = "") {
    return mkmidi::parse_song(header + "track Lead\nprogram 73\ngate 100\n" + body + "\n");
}

// The line a malformed source is reported at, or -1 if it was accepted.
int error_line(const std::string& text) {
    try {
        mkmidi::parse_song(text);
    } catch (const NotationError& e) {
        return e.line;
    }
    return -1;
}

std::vector<int> keys(const Song& song, size_t track = 0) {
    std::vector<int> out;
    for (const Note& n : song.tracks[track].notes) out.push_back(n.key);
    return out;
}

TEST(MkmidiNotation, PitchesFollowScientificNames) {
    EXPECT_EQ(keys(lead("c4 c#4 db4 bb3 b3 a4 c-1 g9")),
              (std::vector<int>{60, 61, 61, 58, 59, 69, 0, 127}));
    EXPECT_EQ(error_line("track L\nprogram 1\n\nab9\n"), 4);  // above 127
    EXPECT_EQ(error_line("track L\nprogram 1\nh4\n"), 3);
    EXPECT_EQ(error_line("track L\nprogram 1\nc\n"), 3);
}

TEST(MkmidiNotation, DurationsPlaceNotesAndCarryOver) {
    Song s = lead("c4:8 d4 e4:4. f4:8t g4 a4 b4:2+8 r:4*2 c5:16");
    std::vector<int64_t> starts, lengths;
    for (const Note& n : s.tracks[0].notes) starts.push_back(n.start), lengths.push_back(n.length);
    const int64_t e = kQuarter / 2, t = kQuarter / 3;
    EXPECT_EQ(lengths, (std::vector<int64_t>{e, e, 3 * e, t, t, t, 5 * e, kQuarter / 4}));
    EXPECT_EQ(starts, (std::vector<int64_t>{0, e, 2 * e, 5 * e, 5 * e + t, 5 * e + 2 * t, 7 * e,
                                            12 * e + 2 * kQuarter}));
    EXPECT_EQ(s.length(), 12 * e + 2 * kQuarter + kQuarter / 4);
    for (const char* bad : {"c4:3", "c4:", "c4:4+", "c4:4x", "c4:128", "c4:4*0"})
        EXPECT_EQ(error_line(std::string("track L\nprogram 1\n") + bad), 3) << bad;
}

TEST(MkmidiNotation, GateShortensNotesButNotTheirSpacing) {
    Song s = mkmidi::parse_song("track L\nprogram 1\ngate 50\nc4:4 d4\n");
    EXPECT_EQ(s.tracks[0].notes[0].length, kQuarter / 2);
    EXPECT_EQ(s.tracks[0].notes[1].start, kQuarter);
}

TEST(MkmidiNotation, TiesJoinNotesAcrossBarLines) {
    Song s = mkmidi::parse_song("track L\nprogram 1\ngate 50\nr:2. c5:4~ | c5:4 d5:2.\n");
    ASSERT_EQ(s.tracks[0].notes.size(), 2u);
    EXPECT_EQ(s.tracks[0].notes[0].start, 3 * kQuarter);
    EXPECT_EQ(s.tracks[0].notes[0].length, kQuarter + kQuarter / 2);  // gated at its very end
    EXPECT_EQ(error_line("track L\nprogram 1\nc5:4~\nd5:4\n"), 4);      // another pitch
    EXPECT_EQ(error_line("track L\nprogram 1\nc5:4~ r:4\n"), 3);
    EXPECT_EQ(error_line("track L\nprogram 1\nc5:4\nc5:4~\n"), 4);      // nothing to tie to
}

TEST(MkmidiNotation, ChordsSoundTogether) {
    Song s = lead("[c4 e4 g4]:2 [d4 f4]:2");
    EXPECT_EQ(keys(s), (std::vector<int>{60, 64, 67, 62, 65}));
    EXPECT_EQ(s.tracks[0].notes[2].start, 0);
    EXPECT_EQ(s.tracks[0].notes[3].start, 2 * kQuarter);
    EXPECT_EQ(error_line("track L\nprogram 1\n[c4 e4:4]\n"), 3);
    EXPECT_EQ(error_line("track L\nprogram 1\n[c4 e4\n"), 3);
    EXPECT_EQ(error_line("track L\nprogram 1\n[]:4\n"), 3);
    EXPECT_EQ(error_line("track L\nprogram 1\nc4 ]:4\n"), 3);
}

TEST(MkmidiNotation, RepeatsNestAndKeepBarChecks) {
    Song s = lead("|: c4:1 | |: d4:1 | :|3 :|");
    EXPECT_EQ(keys(s), (std::vector<int>{60, 62, 62, 62, 60, 62, 62, 62}));
    EXPECT_EQ(s.length(), 8 * 4 * kQuarter);
    EXPECT_EQ(keys(lead("|: c4 :|1 d4")), (std::vector<int>{60, 62}));
    EXPECT_EQ(error_line("track L\nprogram 1\nc4 :|\n"), 3);
    EXPECT_EQ(error_line("track L\nprogram 1\n|: c4\n\nd4\n"), 3);
    // a repeated part that is not whole bars fails its bar check on the copy
    EXPECT_EQ(error_line("track L\nprogram 1\nc4:2\n|: c4:2 |\n:|\n"), 4);
}

TEST(MkmidiNotation, BarChecksFollowTheMeter) {
    EXPECT_NO_THROW(lead("c4:4 d4 e4 | f4:2. |", "meter 3/4\n"));
    EXPECT_NO_THROW(lead("c4:8 d4 e4 f4 g4 a4 |", "meter 6/8\n"));
    EXPECT_EQ(error_line("tempo 100\ntrack L\nprogram 1\nc4:4 d4 e4 |\n"), 4);
    try {
        mkmidi::parse_song("track Melody\nprogram 1\nc4:1 | c4:2 |\n");
        FAIL();
    } catch (const NotationError& e) {
        EXPECT_NE(std::string(e.what()).find("bar 2"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("Melody"), std::string::npos) << e.what();
    }
}

TEST(MkmidiNotation, DrumsAreNamedOnTheDrumChannelOnly) {
    Song s = mkmidi::parse_song("track D\nchannel 10\n[kick hat]:8 snare c#4 kick2\n");
    EXPECT_EQ(keys(s), (std::vector<int>{36, 42, 38, 61, 35}));
    EXPECT_TRUE(s.tracks[0].programs.empty());
    EXPECT_EQ(error_line("track D\nchannel 10\nkick cowbel\n"), 3);
    EXPECT_EQ(error_line("track D\nchannel 10\nprogram 3\n"), 3);
    EXPECT_EQ(error_line("track L\nprogram 1\nkick\n"), 3);
}

TEST(MkmidiNotation, SettingsAreCheckedAndApplied) {
    Song s = mkmidi::parse_song(
        "title A  Tune\ntempo 90\nmeter 3/4\ntrack L\nchannel 4\nprogram 5\nvolume 70\npan 20\n"
        "velocity 80\nc4 program 6 velocity 90 d4\n");
    EXPECT_EQ(s.title, "A Tune");
    EXPECT_EQ(s.tempo, 90);
    EXPECT_EQ(s.ticks_per_bar(), 3 * kQuarter);
    const mkmidi::Track& t = s.tracks[0];
    EXPECT_EQ(t.channel, 4);
    EXPECT_EQ(t.volume, 70);
    EXPECT_EQ(t.pan, 20);
    ASSERT_EQ(t.programs.size(), 2u);
    EXPECT_EQ(t.programs[1].tick, kQuarter);
    EXPECT_EQ(t.programs[1].program, 6);
    EXPECT_EQ(t.notes[0].velocity, 80);
    EXPECT_EQ(t.notes[1].velocity, 90);

    EXPECT_EQ(error_line("tempo 10\ntrack L\nprogram 1\nc4\n"), 1);
    EXPECT_EQ(error_line("meter 4/3\ntrack L\nprogram 1\nc4\n"), 1);
    EXPECT_EQ(error_line("c4\ntrack L\nprogram 1\nc4\n"), 1);
    EXPECT_EQ(error_line("track L\nprogram 128\nc4\n"), 2);
    EXPECT_EQ(error_line("track L\nprogram\n1 c4\n"), 2);  // a value on the next line
    EXPECT_EQ(error_line("track L\nc4\n"), 2);              // no instrument
    EXPECT_EQ(error_line("track L\nprogram 1\nc4\nchannel 2\n"), 4);
}

TEST(MkmidiNotation, CommentsStartWithAHashBeforeAWord) {
    Song s = lead("c#4 # c4 d4\n# e4\nf#4 #");
    EXPECT_EQ(keys(s), (std::vector<int>{61, 66}));
}

TEST(MkmidiNotation, PartsMustMatchInLengthAndChannel) {
    EXPECT_EQ(error_line("track A\nprogram 1\nc4:1\n\ntrack B\nchannel 2\nprogram 1\nc4:2\n"), 5);
    EXPECT_EQ(error_line("track A\nprogram 1\nc4:1\ntrack B\nprogram 2\nc4:1\n"), 4);
    EXPECT_NO_THROW(mkmidi::parse_song("track A\nchannel 10\nkick:1\ntrack B\nchannel 10\nhat:1\n"));
    EXPECT_EQ(error_line(""), 1);
    EXPECT_EQ(error_line("track\n"), 1);
    EXPECT_EQ(error_line("track A\nprogram 1\nr:1\n"), 2);  // nothing to hear
    EXPECT_EQ(error_line("track A\ntrack B\n"), 1);
}

// --- the file --------------------------------------------------------------

std::vector<uint8_t> varlen(uint32_t v) {
    std::vector<uint8_t> out;
    mkmidi::put_varlen(out, v);
    return out;
}

TEST(MkmidiSmf, VariableLengthQuantities) {
    EXPECT_EQ(varlen(0), (std::vector<uint8_t>{0x00}));
    EXPECT_EQ(varlen(0x7F), (std::vector<uint8_t>{0x7F}));
    EXPECT_EQ(varlen(0x80), (std::vector<uint8_t>{0x81, 0x00}));
    EXPECT_EQ(varlen(0x3FFF), (std::vector<uint8_t>{0xFF, 0x7F}));
    EXPECT_EQ(varlen(0x200000), (std::vector<uint8_t>{0x81, 0x80, 0x80, 0x00}));
}

struct Event {
    int64_t tick;
    std::vector<uint8_t> bytes;
};

// Reads the chunks of a file back, as a player would.
std::vector<std::vector<Event>> read_tracks(const std::vector<uint8_t>& f) {
    std::vector<std::vector<Event>> tracks;
    size_t at = 14;
    while (at + 8 <= f.size()) {
        EXPECT_EQ(std::string(f.begin() + at, f.begin() + at + 4), "MTrk");
        size_t size = size_t(f[at + 4]) << 24 | f[at + 5] << 16 | f[at + 6] << 8 | f[at + 7];
        size_t p = at + 8, end = p + size;
        EXPECT_LE(end, f.size());
        tracks.emplace_back();
        int64_t tick = 0;
        while (p < end) {
            uint32_t delta = 0;
            do delta = delta << 7 | (f[p] & 0x7F);
            while (f[p++] & 0x80);
            tick += delta;
            size_t n = f[p] == 0xFF ? 3 + f[p + 2] : (f[p] & 0xF0) == 0xC0 ? 2 : 3;
            tracks.back().push_back({tick, {f.begin() + p, f.begin() + p + n}});
            p += n;
        }
        EXPECT_EQ(p, end);
        at = end;
    }
    EXPECT_EQ(at, f.size());
    return tracks;
}

TEST(MkmidiSmf, FormatOneWithATempoTrackAndOnePerPart) {
    Song s = mkmidi::parse_song(
        "tempo 150\nmeter 3/4\ntrack L\nchannel 2\nprogram 73\nvolume 90\nvelocity 100\ngate 50\n"
        "c4:4 c4:4 r:4 |\ntrack D\nchannel 10\nkick:2.\n");
    std::vector<uint8_t> f = mkmidi::write_smf(s);
    ASSERT_GE(f.size(), 14u);
    EXPECT_EQ(std::vector<uint8_t>(f.begin(), f.begin() + 14),
              (std::vector<uint8_t>{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, 3, 0x01, 0xE0}));
    auto tracks = read_tracks(f);
    ASSERT_EQ(tracks.size(), 3u);

    bool tempo = false, meter = false;
    for (const Event& e : tracks[0]) {
        // 60,000,000 / 150 microseconds per quarter
        tempo |= e.bytes == std::vector<uint8_t>{0xFF, 0x51, 3, 0x06, 0x1A, 0x80};
        meter |= e.bytes == std::vector<uint8_t>{0xFF, 0x58, 4, 3, 2, 24, 8};
    }
    EXPECT_TRUE(tempo);
    EXPECT_TRUE(meter);

    // Every track closes at the end of the bar, so a looping player keeps the rest.
    for (const auto& t : tracks) {
        EXPECT_EQ(t.back().bytes, (std::vector<uint8_t>{0xFF, 0x2F, 0}));
        EXPECT_EQ(t.back().tick, 3 * kQuarter);
    }

    std::vector<std::vector<uint8_t>> lead;
    std::vector<int64_t> when;
    for (const Event& e : tracks[1])
        if (e.bytes[0] != 0xFF) lead.push_back(e.bytes), when.push_back(e.tick);
    EXPECT_EQ(lead, (std::vector<std::vector<uint8_t>>{{0xB1, 7, 90}, {0xB1, 10, 64}, {0xC1, 73},
                                                       {0x91, 60, 100}, {0x81, 60, 0},
                                                       {0x91, 60, 100}, {0x81, 60, 0}}));
    EXPECT_EQ(when, (std::vector<int64_t>{0, 0, 0, 0, kQuarter / 2, kQuarter, kQuarter * 3 / 2}));

    bool kick = false;
    for (const Event& e : tracks[2]) kick |= e.bytes == std::vector<uint8_t>{0x99, 36, 100};
    EXPECT_TRUE(kick);
}

TEST(MkmidiSmf, ARepeatedNoteIsReleasedBeforeItSoundsAgain) {
    Song s = lead("c4:4 c4:4");  // full-length notes: release and attack share a tick
    auto tracks = read_tracks(mkmidi::write_smf(s));
    std::vector<uint8_t> status;
    for (const Event& e : tracks[1])
        if (e.tick == kQuarter && e.bytes[0] != 0xFF) status.push_back(e.bytes[0] & 0xF0);
    EXPECT_EQ(status, (std::vector<uint8_t>{0x80, 0x90}));
}

}  // namespace
