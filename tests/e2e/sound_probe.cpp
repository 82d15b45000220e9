// Measures captured game audio for the sound effect tests: 16-bit unsigned
// little-endian stereo at 44100 Hz, as Allegro hands it to ALSA.
//   sound_probe FILE onsets             every start of sound after 50 ms of
//                                       silence, in seconds, one a line
//   sound_probe FILE peak START SECONDS highest sample, dBFS
//   sound_probe FILE rms START SECONDS  RMS level, dBFS
//   sound_probe FILE pitch START SECONDS loudest frequency from 100 to 4000 Hz
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "capture.h"

namespace {

constexpr double kRate = kCaptureRate;
constexpr double kSilenceDb = -50;

double db(double amplitude) { return amplitude > 0 ? 20 * std::log10(amplitude) : -200; }

double rms(const std::vector<float>& s, size_t from, size_t n) { return std::sqrt(mean_square(s, from, n)); }

double peak(const std::vector<float>& s, size_t from, size_t n) {
    double top = 0;
    for (size_t i = from; i < s.size() && i < from + n; ++i) top = std::max(top, double(std::fabs(s[i])));
    return top;
}

// Power of one frequency over a Hann-windowed stretch (Goertzel).
double power_at(const std::vector<float>& s, size_t from, size_t n, double hz) {
    double c = 2 * std::cos(2 * M_PI * hz / kRate), s1 = 0, s2 = 0;
    for (size_t i = 0; i < n && from + i < s.size(); ++i) {
        double w = 0.5 - 0.5 * std::cos(2 * M_PI * double(i) / double(n - 1));
        double s0 = s[from + i] * w + c * s1 - s2;
        s2 = s1;
        s1 = s0;
    }
    return s1 * s1 + s2 * s2 - c * s1 * s2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: sound_probe FILE onsets | peak|rms|pitch START SECONDS\n");
        return 2;
    }
    std::vector<float> s = read_capture(argv[1]);
    std::string what = argv[2];
    if (what == "onsets" && argc == 3) {
        const size_t block = 441;  // 10 ms
        int quiet = 5;             // the file's start counts as silence
        for (size_t i = 0; i + block <= s.size(); i += block) {
            if (db(rms(s, i, block)) < kSilenceDb) {
                ++quiet;
                continue;
            }
            if (quiet >= 5) {
                size_t j = i;
                while (j < i + block && db(std::fabs(s[j])) < kSilenceDb) ++j;
                std::printf("%.4f\n", double(j) / kRate);
            }
            quiet = 0;
        }
        return 0;
    }
    if (argc != 5) {
        std::fprintf(stderr, "sound_probe: bad arguments\n");
        return 2;
    }
    size_t from = size_t(std::max(0.0, std::atof(argv[3])) * kRate);
    size_t n = size_t(std::atof(argv[4]) * kRate);
    if (what == "peak") {
        std::printf("%.2f\n", db(peak(s, from, n)));
    } else if (what == "rms") {
        std::printf("%.2f\n", db(rms(s, from, n)));
    } else if (what == "pitch") {
        double best = 0, best_hz = 0;
        for (double hz = 100; hz <= 4000; hz *= std::pow(2.0, 1.0 / 48)) {
            double p = power_at(s, from, n, hz);
            if (p > best) best = p, best_hz = hz;
        }
        std::printf("%.0f\n", best_hz);
    } else {
        std::fprintf(stderr, "sound_probe: bad arguments\n");
        return 2;
    }
    return 0;
}
