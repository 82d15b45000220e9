// The tune notation: a small text language read into timed note events.
//
//   title Some Name        the file's name for the tune
//   tempo 132              quarter notes per minute      meter 4/4
//   track Lead             then: channel 1..16 (10 = drums), program 0..127
//                          (the program change byte, as numbered in
//                          freepats.cfg), volume/pan 0..127, velocity 1..127,
//                          gate 1..100 (percent of a note that sounds)
//   c5:8  f#4:4.  bb3:2+8  r:1*4  [c4 e4 g4]:2  kick:8  e5:4~ | e5:8
//                          pitch (C4 = middle C), :duration 1 2 4 8 16 32,
//                          "." dotted, "t" triplet, "+" adds, "*n" repeats
//                          the value; a duration carries over to the notes
//                          after it; "~" ties into the next note
//                          on channel 10 drums go by name: kick snare hat
//                          openhat pedalhat crash ride tomlow tommid tomhigh
//                          clap rim tambourine cowbell ... (notation.cpp)
//   |                      bar check: must fall on a bar line
//   |: ... :|3             play the enclosed bars 3 times (":|" = twice)
//   # comment              from a "#" that starts a word to the line end
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace mkmidi {

constexpr int kTicksPerQuarter = 480;
constexpr int kDrumChannel = 10;

// A fault in a source, with the 1-based line it was found on.
struct NotationError : std::runtime_error {
    NotationError(int line, const std::string& message)
        : std::runtime_error(message), line(line) {}
    int line;
};

struct Note {
    int64_t start = 0;     // ticks from the start of the song
    int64_t length = 0;    // ticks until the note is released
    int key = 60;          // MIDI note number
    int velocity = 100;
};

struct ProgramChange {
    int64_t tick = 0;
    int program = 0;
};

struct Track {
    std::string name;
    int channel = 1;       // 1..16 as musicians count them
    int volume = 100;
    int pan = 64;
    std::vector<ProgramChange> programs;
    std::vector<Note> notes;
    int64_t length = 0;    // ticks, rests included
};

struct Song {
    std::string title;
    int tempo = 120;       // quarter notes per minute
    int beats_per_bar = 4;
    int beat_unit = 4;
    std::vector<Track> tracks;

    int64_t ticks_per_bar() const {
        return int64_t(beats_per_bar) * kTicksPerQuarter * 4 / beat_unit;
    }
    int64_t length() const { return tracks.empty() ? 0 : tracks.front().length; }
    double seconds(int64_t ticks) const {
        return double(ticks) * 60.0 / (double(tempo) * kTicksPerQuarter);
    }
};

// Reads a whole source. Throws NotationError for anything malformed, and for
// tracks of different lengths (they would drift apart when the tune loops).
Song parse_song(const std::string& text);

// The MIDI note number of a drum name such as "kick", or -1.
int drum_key(const std::string& name);

}  // namespace mkmidi
