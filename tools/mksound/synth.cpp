#include "tools/mksound/synth.h"

#include <algorithm>
#include <cmath>
#include <sstream>

namespace mksound {

namespace {

// Long enough for any effect, short enough that a typing slip cannot make
// a file of minutes.
constexpr double kLongestPart = 5.0;

Wave wave_named(const std::string& name, int line) {
    if (name == "sine") return Wave::Sine;
    if (name == "square") return Wave::Square;
    if (name == "triangle") return Wave::Triangle;
    if (name == "saw") return Wave::Saw;
    if (name == "noise") return Wave::Noise;
    throw SourceError(line, "unknown wave \"" + name + "\" (sine, square, triangle, saw, noise)");
}

double number(std::istringstream& in, int line, const std::string& setting, double least,
              double most) {
    std::string word;
    if (!(in >> word)) throw SourceError(line, setting + " needs a number");
    size_t used = 0;
    double v = 0;
    try {
        v = std::stod(word, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != word.size() || !std::isfinite(v))
        throw SourceError(line, setting + ": \"" + word + "\" is not a number");
    if (v < least || v > most) {
        std::ostringstream range;
        range << setting << " must be " << least << " to " << most << ", not " << word;
        throw SourceError(line, range.str());
    }
    return v;
}

// The waveform at phase p (in cycles, 0 to 1), from -1 to 1.
double shape(Wave wave, double p) {
    switch (wave) {
    case Wave::Sine: return std::sin(2 * M_PI * p);
    case Wave::Square: return p < 0.5 ? 1 : -1;
    case Wave::Triangle: return p < 0.5 ? 4 * p - 1 : 3 - 4 * p;
    case Wave::Saw: return 2 * p - 1;
    case Wave::Noise: break;
    }
    return 0;
}

double envelope(const Part& part, double t) {
    double e = 1;
    if (part.attack > 0 && t < part.attack) e = t / part.attack;
    double left = part.seconds - t;
    if (part.release > 0 && left < part.release) e = std::min(e, std::max(left, 0.0) / part.release);
    return e;
}

}  // namespace

std::vector<Part> parse_sound(const std::string& text) {
    std::vector<Part> parts;
    Part current;
    bool any_setting = false;
    std::istringstream lines(text);
    std::string line;
    for (int n = 1; std::getline(lines, line); ++n) {
        line = line.substr(0, line.find('#'));
        std::istringstream in(line);
        std::string setting;
        if (!(in >> setting)) continue;
        if (setting == "wave") {
            std::string name;
            in >> name;
            current.wave = wave_named(name, n);
        } else if (setting == "sweep") {
            current.from_hz = number(in, n, "sweep", 1, 20000);
            current.to_hz = number(in, n, "sweep", 1, 20000);
        } else if (setting == "pitch") {
            current.from_hz = current.to_hz = number(in, n, "pitch", 1, 20000);
        } else if (setting == "length") {
            current.seconds = number(in, n, "length", 0.001, kLongestPart);
        } else if (setting == "volume") {
            current.volume = number(in, n, "volume", 0, 1);
        } else if (setting == "attack") {
            current.attack = number(in, n, "attack", 0, kLongestPart);
        } else if (setting == "release") {
            current.release = number(in, n, "release", 0, kLongestPart);
        } else if (setting == "then") {
            parts.push_back(current);
        } else {
            throw SourceError(n, "unknown setting \"" + setting + "\"");
        }
        std::string extra;
        if (in >> extra) throw SourceError(n, "unexpected \"" + extra + "\" after " + setting);
        any_setting = true;
    }
    if (!any_setting) throw SourceError(1, "no sound described");
    parts.push_back(current);
    return parts;
}

std::vector<int16_t> render(const std::vector<Part>& parts) {
    std::vector<int16_t> out;
    uint32_t noise_state = 0x12345678u;  // fixed: the same file every build
    for (const Part& part : parts) {
        const int count = static_cast<int>(std::lround(part.seconds * kSampleRate));
        double phase = 0;
        double held = 0;
        for (int i = 0; i < count; ++i) {
            const double t = double(i) / kSampleRate;
            // an exponential glide: equal steps of pitch in equal times
            const double hz = part.from_hz * std::pow(part.to_hz / part.from_hz, t / part.seconds);
            const double before = phase;
            phase += hz / kSampleRate;
            phase -= std::floor(phase);
            double v;
            if (part.wave == Wave::Noise) {
                if (i == 0 || phase < before) {  // a new level once a cycle
                    noise_state = noise_state * 1664525u + 1013904223u;
                    held = double(noise_state >> 8) / double(1u << 23) - 1;
                }
                v = held;
            } else {
                v = shape(part.wave, phase);
            }
            v *= part.volume * envelope(part, t);
            out.push_back(static_cast<int16_t>(std::lround(std::clamp(v, -1.0, 1.0) * 32767)));
        }
    }
    return out;
}

std::string wav_file(const std::vector<int16_t>& samples) {
    std::string f;
    auto u32 = [&f](uint32_t v) {
        for (int i = 0; i < 4; ++i) f.push_back(static_cast<char>(v >> (8 * i) & 0xff));
    };
    auto u16 = [&f](uint16_t v) {
        f.push_back(static_cast<char>(v & 0xff));
        f.push_back(static_cast<char>(v >> 8));
    };
    const uint32_t data_bytes = static_cast<uint32_t>(samples.size() * 2);
    f += "RIFF";
    u32(36 + data_bytes);
    f += "WAVEfmt ";
    u32(16);
    u16(1);  // PCM
    u16(1);  // mono
    u32(kSampleRate);
    u32(kSampleRate * 2);
    u16(2);
    u16(16);
    f += "data";
    u32(data_bytes);
    for (int16_t s : samples) u16(static_cast<uint16_t>(s));
    return f;
}

}  // namespace mksound
