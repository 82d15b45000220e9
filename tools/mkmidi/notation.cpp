#include "tools/mkmidi/notation.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <sstream>

namespace mkmidi {

namespace {

struct Token {
    std::string text;
    int line;
};

const std::map<std::string, int>& drum_names() {
    // General MIDI percussion keys, limited to sounds the free patch set has
    static const std::map<std::string, int> names = {
        {"kick", 36},      {"kick2", 35},    {"rim", 37},       {"snare", 38},
        {"clap", 39},      {"snare2", 40},   {"tomlow", 41},    {"hat", 42},
        {"tomlow2", 43},   {"pedalhat", 44}, {"tommid", 45},    {"openhat", 46},
        {"tommid2", 47},   {"tomhigh", 48},  {"crash", 49},     {"tomhigh2", 50},
        {"ride", 51},      {"china", 52},    {"bell", 53},      {"tambourine", 54},
        {"splash", 55},    {"cowbell", 56},  {"crash2", 57},    {"bongo", 60},
        {"bongolow", 61},  {"conga", 63},    {"congalow", 64},  {"timbale", 65},
        {"shaker", 82},    {"claves", 75},   {"woodblock", 76}, {"triangle", 81},
    };
    return names;
}

// Splits into words, "[" always a word of its own and "]" always starting
// one, so "[c4 e4]:2" reads the same as "[ c4 e4 ]:2".
std::vector<Token> tokenize(const std::string& text) {
    std::vector<Token> tokens;
    std::istringstream lines(text);
    std::string line_text;
    int line = 0;
    while (std::getline(lines, line_text)) {
        ++line;
        std::string spaced;
        for (char c : line_text) {
            if (c == '[') {
                spaced += " [ ";
            } else if (c == ']') {
                spaced += " ]";
            } else {
                spaced += c;
            }
        }
        std::istringstream words(spaced);
        std::string word;
        while (words >> word) {
            if (word[0] == '#') break;  // "#" inside a word is a sharp
            tokens.push_back({word, line});
        }
    }
    return tokens;
}

int parse_int(const Token& t, const std::string& text, int lo, int hi, const char* what) {
    if (text.empty() || text.size() > 6 ||
        !std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); }))
        throw NotationError(t.line, std::string(what) + " must be a number, not '" + text + "'");
    int v = std::stoi(text);
    if (v < lo || v > hi)
        throw NotationError(t.line, std::string(what) + " " + text + " is outside " +
                                        std::to_string(lo) + ".." + std::to_string(hi));
    return v;
}

// "8", "4.", "8t", "2+8", "1*4": a length in ticks.
int64_t parse_duration(const Token& t, const std::string& text) {
    std::string body = text;
    int64_t times = 1;
    size_t star = body.find('*');
    if (star != std::string::npos) {
        times = parse_int(t, body.substr(star + 1), 1, 999, "repeat count");
        body = body.substr(0, star);
    }
    int64_t total = 0;
    std::istringstream terms(body);
    std::string term;
    bool any = false;
    while (std::getline(terms, term, '+')) {
        any = true;
        size_t digits = 0;
        while (digits < term.size() && std::isdigit(static_cast<unsigned char>(term[digits])))
            ++digits;
        int value = parse_int(t, term.substr(0, digits), 1, 64, "duration");
        if ((value & (value - 1)) != 0)
            throw NotationError(t.line, "duration " + std::to_string(value) +
                                            " is not one of 1 2 4 8 16 32 64");
        int64_t ticks = int64_t(kTicksPerQuarter) * 4 / value;
        size_t i = digits;
        if (i < term.size() && term[i] == 't') {
            ticks = ticks * 2 / 3;
            ++i;
        }
        int64_t added = ticks;
        while (i < term.size() && term[i] == '.') {
            added /= 2;
            ticks += added;
            ++i;
        }
        if (i != term.size())
            throw NotationError(t.line, "cannot read duration '" + text + "'");
        total += ticks;
    }
    if (!any || body.empty() || body.back() == '+')
        throw NotationError(t.line, "cannot read duration '" + text + "'");
    return total * times;
}

// "c4" is middle C (60); "f#5", "bb3", "c-1" (0).
int parse_pitch(const Token& t, const std::string& text) {
    static const int semitone[7] = {9, 11, 0, 2, 4, 5, 7};  // a b c d e f g
    if (text.size() < 2 || text[0] < 'a' || text[0] > 'g')
        throw NotationError(t.line, "cannot read note '" + text + "'");
    int key = semitone[text[0] - 'a'];
    size_t i = 1;
    if (text[i] == '#' || (text[i] == 'b' && i + 1 < text.size())) {
        key += text[i] == '#' ? 1 : -1;
        ++i;
    }
    bool negative = i < text.size() && text[i] == '-';
    if (negative) ++i;
    int octave = parse_int(t, text.substr(i), 0, 9, "octave");
    if (negative) octave = -octave;
    key += (octave + 1) * 12;
    if (key < 0 || key > 127)
        throw NotationError(t.line, "note '" + text + "' is outside the MIDI range");
    return key;
}

// Copies "|: ... :|n" out n times, inner repeats first.
std::vector<Token> expand_repeats(const std::vector<Token>& in) {
    std::vector<Token> out;
    std::vector<std::pair<size_t, int>> open;  // output position, line
    for (const Token& t : in) {
        if (t.text == "|:") {
            open.push_back({out.size(), t.line});
        } else if (t.text.rfind(":|", 0) == 0) {
            if (open.empty()) throw NotationError(t.line, "':|' without '|:' before it");
            int times = t.text.size() == 2 ? 2 : parse_int(t, t.text.substr(2), 1, 99, "repeat count");
            std::vector<Token> part(out.begin() + open.back().first, out.end());
            open.pop_back();
            for (int i = 1; i < times; ++i) out.insert(out.end(), part.begin(), part.end());
        } else {
            out.push_back(t);
        }
    }
    if (!open.empty()) throw NotationError(open.back().second, "'|:' is never closed");
    return out;
}

std::string bar_position(const Song& song, int64_t pos) {
    int64_t bar = song.ticks_per_bar();
    std::ostringstream s;
    s << "bar " << pos / bar + 1 << " + " << pos % bar << " ticks";
    return s.str();
}

struct TrackReader {
    TrackReader(const Song& song, Track& track) : song(song), track(track) {}

    const Song& song;
    Track& track;
    int64_t pos = 0;
    int64_t length = kTicksPerQuarter;
    int velocity = 100;
    int gate = 90;
    std::map<int, size_t> tied;  // key -> index of the note it continues
    int tie_line = 0;

    bool drums() const { return track.channel == kDrumChannel; }

    int key_of(const Token& t, const std::string& name) {
        if (drums()) {
            int key = drum_key(name);
            if (key >= 0) return key;
            if (std::all_of(name.begin(), name.end(), [](unsigned char c) { return std::isalpha(c); }))
                throw NotationError(t.line, "unknown drum '" + name + "'");
        }
        return parse_pitch(t, name);
    }

    // Sounds `keys` together for `ticks`, continuing notes tied into them.
    void sound(const Token& t, const std::vector<int>& keys, int64_t ticks, bool tie) {
        if (track.notes.empty() && track.programs.empty() && !drums())
            throw NotationError(t.line, "track '" + track.name + "' needs a program before its notes");
        int64_t sounding = tie ? ticks : std::max<int64_t>(1, ticks * gate / 100);
        std::map<int, size_t> next_tied;
        for (int key : keys) {
            auto held = tied.find(key);
            size_t index;
            if (held != tied.end()) {
                index = held->second;
                track.notes[index].length = pos - track.notes[index].start + sounding;
                tied.erase(held);
            } else {
                index = track.notes.size();
                track.notes.push_back({pos, sounding, key, velocity});
            }
            if (tie) next_tied[key] = index;
        }
        check_ties_resolved(t);
        tied = next_tied;
        tie_line = t.line;
        pos += ticks;
    }

    void check_ties_resolved(const Token& t) {
        if (!tied.empty())
            throw NotationError(t.line, "the note tied on line " + std::to_string(tie_line) +
                                            " is not continued by the same pitch");
    }

    // "name:dur~" with the duration optional: the name, and the tie flag.
    std::string split(const Token& t, std::string text, bool& tie) {
        tie = !text.empty() && text.back() == '~';
        if (tie) text.pop_back();
        size_t colon = text.find(':');
        if (colon != std::string::npos) {
            length = parse_duration(t, text.substr(colon + 1));
            text = text.substr(0, colon);
        }
        return text;
    }

    void read(const std::vector<Token>& tokens) {
        for (size_t i = 0; i < tokens.size(); ++i) {
            const Token& t = tokens[i];
            const std::string& w = t.text;
            auto argument = [&](int lo, int hi) {
                if (i + 1 >= tokens.size() || tokens[i + 1].line != t.line)
                    throw NotationError(t.line, "'" + w + "' needs a value");
                ++i;
                return parse_int(tokens[i], tokens[i].text, lo, hi, w.c_str());
            };
            if (w == "channel") {
                if (!track.notes.empty() || !track.programs.empty())
                    throw NotationError(t.line, "the channel must be set before notes and programs");
                track.channel = argument(1, 16);
            } else if (w == "program") {
                if (drums()) throw NotationError(t.line, "the drum channel takes no program");
                track.programs.push_back({pos, argument(0, 127)});
            } else if (w == "volume") {
                track.volume = argument(0, 127);
            } else if (w == "pan") {
                track.pan = argument(0, 127);
            } else if (w == "velocity") {
                velocity = argument(1, 127);
            } else if (w == "gate") {
                gate = argument(1, 100);
            } else if (w == "|") {
                if (pos % song.ticks_per_bar() != 0)
                    throw NotationError(t.line, "bar line at " + bar_position(song, pos) +
                                                    " in track '" + track.name + "'");
            } else if (w == "[") {
                std::vector<int> keys;
                size_t j = i + 1;
                for (; j < tokens.size() && tokens[j].text[0] != ']'; ++j) {
                    if (tokens[j].text.find(':') != std::string::npos)
                        throw NotationError(tokens[j].line, "a chord's duration goes after ']'");
                    keys.push_back(key_of(tokens[j], tokens[j].text));
                }
                if (j == tokens.size()) throw NotationError(t.line, "'[' is never closed");
                if (keys.empty()) throw NotationError(t.line, "empty chord");
                bool tie;
                std::string rest = split(tokens[j], tokens[j].text.substr(1), tie);
                if (!rest.empty()) throw NotationError(tokens[j].line, "cannot read '" + tokens[j].text + "'");
                sound(tokens[j], keys, length, tie);
                i = j;
            } else if (w[0] == ']') {
                throw NotationError(t.line, "']' without '['");
            } else {
                bool tie;
                std::string name = split(t, w, tie);
                if (name == "r") {
                    if (tie) throw NotationError(t.line, "a rest cannot be tied");
                    check_ties_resolved(t);
                    pos += length;
                } else {
                    sound(t, {key_of(t, name)}, length, tie);
                }
            }
        }
        if (!tied.empty())
            throw NotationError(tie_line, "the track ends on a tie");
        if (track.notes.empty())
            throw NotationError(tokens.empty() ? 0 : tokens.front().line,
                                "track '" + track.name + "' has no notes");
        track.length = pos;
    }
};

}  // namespace

int drum_key(const std::string& name) {
    auto it = drum_names().find(name);
    return it == drum_names().end() ? -1 : it->second;
}

Song parse_song(const std::string& text) {
    std::vector<Token> tokens = tokenize(text);
    Song song;
    size_t i = 0;
    // The header: everything before the first track.
    for (; i < tokens.size() && tokens[i].text != "track"; ++i) {
        const Token& t = tokens[i];
        auto value = [&]() -> const Token& {
            if (i + 1 >= tokens.size() || tokens[i + 1].line != t.line)
                throw NotationError(t.line, "'" + t.text + "' needs a value");
            return tokens[++i];
        };
        if (t.text == "title") {
            song.title.clear();
            while (i + 1 < tokens.size() && tokens[i + 1].line == t.line)
                song.title += (song.title.empty() ? "" : " ") + tokens[++i].text;
        } else if (t.text == "tempo") {
            const Token& v = value();
            song.tempo = parse_int(v, v.text, 20, 400, "tempo");
        } else if (t.text == "meter") {
            const Token& v = value();
            size_t slash = v.text.find('/');
            if (slash == std::string::npos) throw NotationError(t.line, "meter is written like 4/4");
            song.beats_per_bar = parse_int(v, v.text.substr(0, slash), 1, 32, "beats per bar");
            song.beat_unit = parse_int(v, v.text.substr(slash + 1), 1, 32, "beat unit");
            if ((song.beat_unit & (song.beat_unit - 1)) != 0)
                throw NotationError(t.line, "the beat unit must be 1, 2, 4, 8, 16 or 32");
        } else {
            throw NotationError(t.line, "'" + t.text + "' before the first track");
        }
    }
    if (i == tokens.size()) throw NotationError(tokens.empty() ? 1 : tokens.back().line, "no tracks");

    std::vector<int> track_lines;
    while (i < tokens.size()) {
        const Token& start = tokens[i];
        if (i + 1 >= tokens.size() || tokens[i + 1].line != start.line)
            throw NotationError(start.line, "a track needs a name");
        song.tracks.emplace_back();
        Track& track = song.tracks.back();
        track.name = tokens[i + 1].text;
        track_lines.push_back(start.line);
        size_t end = i + 2;
        while (end < tokens.size() && tokens[end].text != "track") ++end;
        std::vector<Token> body(tokens.begin() + i + 2, tokens.begin() + end);
        if (body.empty()) throw NotationError(start.line, "track '" + track.name + "' is empty");
        TrackReader(song, track).read(expand_repeats(body));
        i = end;
    }

    for (size_t a = 0; a < song.tracks.size(); ++a) {
        const Track& track = song.tracks[a];
        if (track.length != song.tracks[0].length)
            throw NotationError(track_lines[a],
                                "track '" + track.name + "' ends at " + bar_position(song, track.length) +
                                    " but '" + song.tracks[0].name + "' at " +
                                    bar_position(song, song.tracks[0].length));
        for (size_t b = 0; b < a; ++b)
            if (track.channel == song.tracks[b].channel && track.channel != kDrumChannel)
                throw NotationError(track_lines[a], "channel " + std::to_string(track.channel) +
                                                        " is already used by track '" +
                                                        song.tracks[b].name + "'");
    }
    return song;
}

}  // namespace mkmidi
