// Measures captured game audio: 16-bit unsigned little-endian stereo at
// 44100 Hz, the format Allegro hands to ALSA.
//   audio_probe FILE level START SECONDS   RMS level in dBFS
//   audio_probe FILE onset FROM            first sound after 50 ms of silence
//                                          (the file's start counts as silence)
//   audio_probe FILE notes T0 SEARCH       checks the notes on stdin
//
// "notes" reads lines "start length key" (seconds from the tune's start, MIDI
// key, in order) and finds the tune's start within [T0, T0 + SEARCH], then
// follows the notes one by one. For each note it prints the loudest frequency
// between a fifth below and a fifth above the written pitch, in the middle of
// the note, how late the note came, and "ok" when the frequency is the written
// pitch within a quarter tone. The last line is
// "start T0 (FIRST to LAST) lag MS ms matched M of N".
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "capture.h"

namespace {

constexpr double kRate = kCaptureRate;
constexpr double kSilenceDb = -60;

double rms_db(const std::vector<float>& s, size_t from, size_t n) {
    double power = mean_square(s, from, n);
    return power > 0 ? 10 * std::log10(power) : -200;
}

double key_hz(double key) { return 440.0 * std::pow(2.0, (key - 69) / 12); }

struct Window {
    std::vector<double> x;
    bool ok = false;
};

// A Hann-windowed stretch, or !ok when it runs past the capture.
Window window(const std::vector<float>& s, double start, double seconds) {
    Window w;
    if (start < 0) return w;
    size_t from = size_t(start * kRate), n = size_t(seconds * kRate);
    if (n < 64 || from + n > s.size()) return w;
    w.x.resize(n);
    for (size_t i = 0; i < n; ++i)
        w.x[i] = s[from + i] * (0.5 - 0.5 * std::cos(2 * M_PI * double(i) / double(n - 1)));
    w.ok = true;
    return w;
}

// Power of one frequency (Goertzel).
double power_at(const std::vector<double>& x, double hz) {
    double c = 2 * std::cos(2 * M_PI * hz / kRate), s1 = 0, s2 = 0;
    for (double v : x) {
        double s0 = v + c * s1 - s2;
        s2 = s1;
        s1 = s0;
    }
    return s1 * s1 + s2 * s2 - c * s1 * s2;
}

struct Note {
    double start, length;
    int key;
};

// The middle of a note, clear of its attack and of the next note.
bool note_window(const Note& n, double t0, double& at, double& seconds) {
    seconds = std::min(0.3, n.length - 0.15);
    at = t0 + n.start + 0.06;
    return seconds >= 0.1;
}

// Coarse test used for placing the tune: is the written key louder than
// every other semitone within a fifth?
bool loudest_semitone(const std::vector<float>& s, const Note& n, double t0) {
    double at, seconds;
    if (!note_window(n, t0, at, seconds)) return false;
    Window w = window(s, at, std::min(seconds, 0.12));
    if (!w.ok) return false;
    double own = power_at(w.x, key_hz(n.key));
    for (int d = -7; d <= 7; ++d)
        if (d != 0 && power_at(w.x, key_hz(n.key + d)) >= own) return false;
    return true;
}

// The middle of the longest run of offsets in [from, to] (5 ms steps) at
// which `heard` holds; false if it never does.
template <class Heard>
bool middle_of_run(double from, double to, Heard heard, double& middle, double& lo, double& hi) {
    bool found = false;
    double best = -1, run_start = 0;
    bool in_run = false;
    for (double d = from; d <= to + 1e-9; d += 0.005) {
        bool h = heard(d);
        if (h && !in_run) run_start = d;
        in_run = h;
        if (h && d - run_start > best) {
            best = d - run_start, lo = run_start, hi = d, found = true;
        }
    }
    middle = (lo + hi) / 2;
    return found;
}

int check_notes(const std::vector<float>& s, double t0, double search) {
    std::vector<Note> notes;
    Note n;
    while (std::scanf("%lf %lf %d", &n.start, &n.length, &n.key) == 3) notes.push_back(n);
    if (notes.empty()) {
        std::printf("no notes\n");
        return 1;
    }

    // The start: where the notes of the first 3 s are heard together. A note
    // is heard over a stretch of starts as long as the note less its edges,
    // so the middle of that stretch is taken.
    int most = 0;
    for (double d = 0; d <= search + 1e-9; d += 0.005) {
        int heard = 0;
        for (const Note& note : notes)
            if (note.start < notes[0].start + 3) heard += loudest_semitone(s, note, t0 + d);
        most = std::max(most, heard);
    }
    double start = t0, lo = t0, hi = t0;
    middle_of_run(t0, t0 + search, [&](double at) {
        int heard = 0;
        for (const Note& note : notes)
            if (note.start < notes[0].start + 3) heard += loudest_semitone(s, note, at);
        return most > 0 && heard == most;
    }, start, lo, hi);

    // Then note by note. Without a sound card the capture's clock can lag the
    // player's when the machine is busy, so each note may come up to 150 ms
    // from where the one before it says; the lag is carried on.
    double lag = 0;
    int checked = 0, matched = 0;
    for (const Note& note : notes) {
        double found, a, b;
        if (middle_of_run(lag - 0.15, lag + 0.15,
                          [&](double d) { return loudest_semitone(s, note, start + d); }, found, a, b))
            lag = found;
        double at, seconds;
        if (!note_window(note, start + lag, at, seconds)) continue;
        Window w = window(s, at, seconds);
        if (!w.ok) continue;
        double want = key_hz(note.key), got = 0, top = 0;
        for (double hz = want / 1.5; hz <= want * 1.5; hz *= std::pow(2.0, 1.0 / 192)) {
            double p = power_at(w.x, hz);
            if (p > top) top = p, got = hz;
        }
        bool ok = std::fabs(12 * std::log2(got / want)) < 0.5;
        double n2 = double(w.x.size()) * double(w.x.size());
        std::printf("%.3f key %d want %.1f got %.1f level %.1f lag %+.0f ms %s\n", note.start, note.key,
                    want, got, 10 * std::log10(top / n2 + 1e-30), lag * 1000, ok ? "ok" : "WRONG");
        ++checked;
        matched += ok;
    }
    std::printf("start %.3f (%.3f to %.3f) lag %.0f ms matched %d of %d\n", start, lo, hi, lag * 1000,
                matched, checked);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: audio_probe FILE level|onset|notes ...\n");
        return 2;
    }
    std::vector<float> s = read_capture(argv[1]);
    std::string what = argv[2];
    double from = std::atof(argv[3]);
    if (what == "level" && argc == 5) {
        std::printf("%.1f\n", rms_db(s, size_t(from * kRate), size_t(std::atof(argv[4]) * kRate)));
        return 0;
    }
    if (what == "onset" && argc == 4) {
        const size_t block = 441;  // 10 ms
        size_t start = size_t(from * kRate);
        int quiet = start == 0 ? 5 : 0;
        for (size_t i = start; i + block <= s.size(); i += block) {
            if (rms_db(s, i, block) < kSilenceDb) {
                ++quiet;
            } else if (quiet >= 5) {
                for (size_t j = i; j < i + block; ++j)  // down to the sample
                    if (20 * std::log10(std::fabs(s[j]) + 1e-12) > kSilenceDb) {
                        std::printf("%.4f\n", double(j) / kRate);
                        return 0;
                    }
            } else {
                quiet = 0;
            }
        }
        std::printf("none\n");
        return 1;
    }
    if (what == "notes" && argc == 5) return check_notes(s, from, std::atof(argv[4]));
    std::fprintf(stderr, "audio_probe: bad arguments\n");
    return 2;
}
