// Reading audio captured from the game through ALSA's file device: 16-bit
// unsigned little-endian stereo at 44100 Hz, as Allegro hands it over. Shared
// by the probes of the music and sound effect tests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <vector>

constexpr double kCaptureRate = 44100.0;

// Left and right summed to one channel from -1 to 1; empty if unreadable.
inline std::vector<float> read_capture(const char* path) {
    std::vector<float> mono;
    FILE* f = std::fopen(path, "rb");
    if (!f) return mono;
    uint8_t frame[4];
    while (std::fread(frame, 1, 4, f) == 4) {
        int left = (frame[0] | frame[1] << 8) - 32768;
        int right = (frame[2] | frame[3] << 8) - 32768;
        mono.push_back(float(left + right) / 65536.0f);
    }
    std::fclose(f);
    return mono;
}

// Mean of the squared samples of a stretch; 0 past the end.
inline double mean_square(const std::vector<float>& s, size_t from, size_t n) {
    double sum = 0;
    size_t count = 0;
    for (size_t i = from; i < s.size() && i < from + n; ++i, ++count) sum += double(s[i]) * s[i];
    return count ? sum / double(count) : 0;
}
