// Sound effect descriptions and the samples and WAV files made from them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "tools/mksound/synth.h"

namespace {

std::vector<int16_t> sound(const std::string& text) { return mksound::render(mksound::parse_sound(text)); }

// The line a malformed source is reported at, or -1 if it was accepted.
int error_line(const std::string& text) {
    try {
        mksound::parse_sound(text);
    } catch (const mksound::SourceError& e) {
        return e.line;
    }
    return -1;
}

// Sign changes from below zero to zero or above in [from, to).
int rising_crossings(const std::vector<int16_t>& s, size_t from, size_t to) {
    int n = 0;
    for (size_t i = from + 1; i < to && i < s.size(); ++i) n += s[i - 1] < 0 && s[i] >= 0;
    return n;
}

uint32_t u32_at(const std::string& f, size_t at) {
    return uint32_t(uint8_t(f[at])) | uint32_t(uint8_t(f[at + 1])) << 8 |
           uint32_t(uint8_t(f[at + 2])) << 16 | uint32_t(uint8_t(f[at + 3])) << 24;
}

}  // namespace

TEST(MksoundSource, PartsFollowEachOtherAndKeepTheirSettings) {
    // the second part keeps the sine and the volume, and takes its own length
    auto s = sound("wave sine\nvolume 0.5\nattack 0\nrelease 0\npitch 441\nlength 0.1\nthen\nlength 0.25\n");
    ASSERT_EQ(s.size(), 4410u + 11025u);
    int16_t top = *std::max_element(s.begin(), s.end());
    EXPECT_NEAR(top, 16384, 4);  // the volume is the peak
    EXPECT_EQ(rising_crossings(s, 0, s.size()), 441 * 35 / 100);
}

TEST(MksoundSource, EnvelopeRisesFromAndFadesToSilence) {
    auto s = sound("wave square\nvolume 1\nattack 0.01\nrelease 0.05\nlength 0.2\n");
    ASSERT_EQ(s.size(), 8820u);
    EXPECT_EQ(s.front(), 0);
    EXPECT_LT(std::abs(s[220]), 32767 / 2 + 200);  // half-way up the attack
    EXPECT_EQ(std::abs(s[2000]), 32767);           // full between attack and release
    EXPECT_LT(std::abs(s.back()), 32767 / 100);
}

TEST(MksoundSource, SweepGlidesFromOnePitchToTheOther) {
    auto s = sound("wave triangle\nsweep 200 800\nlength 1\nrelease 0\n");
    int first = rising_crossings(s, 0, 4410);     // about 200 Hz
    int last = rising_crossings(s, 39690, 44100);  // about 800 Hz
    EXPECT_NEAR(first, 21, 2);
    EXPECT_NEAR(last, 77, 3);
}

TEST(MksoundSource, NoiseIsTheSameEveryBuild) {
    const std::string text = "wave noise\nsweep 8000 1000\nlength 0.1\n";
    auto a = sound(text);
    EXPECT_EQ(a, sound(text));
    EXPECT_GT(*std::max_element(a.begin(), a.end()), 1000);
}

TEST(MksoundSource, FaultsNameTheirLine) {
    EXPECT_EQ(error_line("wave sine\n\nwave squar\n"), 3);
    EXPECT_EQ(error_line("# a comment\nloudness 3\n"), 2);
    EXPECT_EQ(error_line("length 0.1s\n"), 1);
    EXPECT_EQ(error_line("length\n"), 1);
    EXPECT_EQ(error_line("pitch 440\nlength 60\n"), 2);  // longer than any effect
    EXPECT_EQ(error_line("volume 1.5\n"), 1);
    EXPECT_EQ(error_line("sweep 0 100\n"), 1);
    EXPECT_EQ(error_line("pitch 440 880\n"), 1);
    EXPECT_EQ(error_line("volume nan\n"), 1);
    EXPECT_EQ(error_line("# nothing but comments\n\n"), 1);
    EXPECT_EQ(error_line("pitch 440 # a comment after a value\n"), -1);
}

TEST(MksoundWav, HeaderCountsTheSamples) {
    std::vector<int16_t> samples = {0, 1, -1, 32767, -32768};
    std::string f = mksound::wav_file(samples);
    ASSERT_EQ(f.size(), 44u + 10u);
    EXPECT_EQ(f.substr(0, 4), "RIFF");
    EXPECT_EQ(u32_at(f, 4), 36u + 10u);
    EXPECT_EQ(f.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(u32_at(f, 24), 44100u);
    EXPECT_EQ(u32_at(f, 28), 88200u);
    EXPECT_EQ(f.substr(36, 4), "data");
    EXPECT_EQ(u32_at(f, 40), 10u);
    EXPECT_EQ(uint8_t(f[50]), 0xff);  // 32767, little-endian
    EXPECT_EQ(uint8_t(f[51]), 0x7f);
}
