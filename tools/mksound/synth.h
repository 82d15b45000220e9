// Sound effects described in text and rendered as 16-bit mono samples.
//
// A source is lines of "setting value..." ('#' starts a comment). Settings
// hold until changed; "then" ends one part of the sound and starts the next
// with the same settings, so a sound is one or more parts played in a row:
//
//   wave square        sine, square, triangle, saw or noise
//   sweep 330 660      pitch in Hz at the part's start and end (a glide);
//                      for noise, how often a new random level is taken
//   pitch 440          the same as "sweep 440 440"
//   length 0.12        the part's length in seconds
//   volume 0.6         its peak, as a share of full scale (0 to 1)
//   attack 0.005       seconds to rise from silence to the peak
//   release 0.05       seconds to fade to silence at the part's end
//   then
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace mksound {

constexpr int kSampleRate = 44100;

enum class Wave { Sine, Square, Triangle, Saw, Noise };

struct Part {
    Wave wave = Wave::Square;
    double from_hz = 440;
    double to_hz = 440;
    double seconds = 0.1;
    double volume = 0.5;
    double attack = 0.002;
    double release = 0.02;
};

struct SourceError : std::runtime_error {
    SourceError(int line_number, const std::string& message)
        : std::runtime_error(message), line(line_number) {}
    int line;
};

// Throws SourceError naming the line of the first fault.
std::vector<Part> parse_sound(const std::string& text);

// Every part one after the other; the same source always gives the same samples.
std::vector<int16_t> render(const std::vector<Part>& parts);

// A canonical 44-byte-header PCM WAV file of 16-bit mono samples.
std::string wav_file(const std::vector<int16_t>& samples);

}  // namespace mksound
