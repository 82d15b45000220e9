#include "world/level_pack.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include "world/key_script.h"
#include "world/level_document.h"
#include "world/level_table.h"

namespace {

constexpr const char kMagic[] = "headbot pack";
constexpr const char kNoLineEnd[] = "\\ no line end";
constexpr int32_t kLargestScreenSide = 16384;  // as the game opens no larger screen

// A control byte other than a tab or a line end: no text file holds one.
bool binary_byte(unsigned char c) { return (c < 0x20 && c != '\t' && c != '\n' && c != '\r') || c == 0x7f; }

// A whole number from 1 to `most`, digits only: nothing larger is ever read,
// so no count can overflow.
bool read_side(const std::string& word, int32_t most, int32_t& value) {
    if (word.empty() || word.size() > 9) return false;
    int32_t n = 0;
    for (char c : word) {
        if (c < '0' || c > '9') return false;
        n = n * 10 + (c - '0');
    }
    if (n < 1 || n > most) return false;
    value = n;
    return true;
}

bool is_fingerprint(const std::string& word) {
    if (word.size() != 16) return false;
    for (char c : word)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
    return true;
}

std::vector<std::string> words_of(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

// A line as a message may quote it: printable and short.
std::string quoted(const std::string& line) {
    std::string shown;
    for (char c : line) {
        if (shown.size() >= 40) return "\"" + shown + "...\"";
        const unsigned char b = static_cast<unsigned char>(c);
        shown += (b < 0x20 || b >= 0x7f) ? '?' : c;
    }
    return "\"" + shown + "\"";
}

// The pack's lines, each without its line end; the text after the last line
// end is a line too when it is not empty.
std::vector<std::string> lines_of(const std::string& bytes) {
    std::vector<std::string> lines;
    size_t at = 0;
    while (at < bytes.size()) {
        size_t end = bytes.find('\n', at);
        if (end == std::string::npos) end = bytes.size();
        lines.push_back(bytes.substr(at, end - at));
        at = end + 1;
    }
    return lines;
}

// A header line as written, forgiving a carriage return a mail program added.
std::string header(const std::string& line) {
    return !line.empty() && line.back() == '\r' ? line.substr(0, line.size() - 1) : line;
}

class PackReader {
public:
    PackReader(const std::string& bytes, LevelPack& pack) : lines_(lines_of(bytes)), pack_(pack) {}

    bool read(std::string& error) {
        const bool ok = read_all();
        if (!ok) error = problem_;
        return ok;
    }

private:
    bool read_all() {
        if (!read_version() || !read_words("title", pack_.title) || !read_words("author", pack_.author))
            return false;
        for (;;) {
            if (at_ >= lines_.size()) return fail_here("the pack is cut short: no \"end\" line");
            if (header(lines_[at_]) == "end") break;
            if (!read_level()) return false;
        }
        // blank lines an editor adds after the end are no text
        for (++at_; at_ < lines_.size(); ++at_)
            if (lines_[at_].find_first_not_of(" \t\r") != std::string::npos) return fail_here("text after the \"end\" line");
        if (pack_.levels.empty()) return fail_here("the pack holds no level");
        return true;
    }

    // Notes what is wrong with the line being read; always false.
    bool fail_here(const std::string& what) {
        const size_t number = at_ < lines_.size() ? at_ + 1 : lines_.size();
        problem_ = "line " + std::to_string(number) + ": " + what;
        return false;
    }

    bool read_version() {
        const std::vector<std::string> w = at_ < lines_.size() ? words_of(header(lines_[at_])) : std::vector<std::string>();
        if (w.size() != 3 || w[0] + " " + w[1] != kMagic)
            return fail_here("not a level pack: its first line is not \"" + std::string(kMagic) + " " +
                             std::to_string(kPackVersion) + "\"");
        if (w[2] != std::to_string(kPackVersion))
            return fail_here("unknown pack version " + quoted(w[2]) + ": this headbot reads version " +
                             std::to_string(kPackVersion));
        ++at_;
        return true;
    }

    bool read_words(const std::string& key, std::string& words) {
        const std::string line = at_ < lines_.size() ? header(lines_[at_]) : "";
        if (line != key && line.rfind(key + " ", 0) != 0)
            return fail_here("expected the pack's " + key + ": \"" + key + " ...\"");
        words = line == key ? "" : line.substr(key.size() + 1);
        const std::string problem = pack_words_problem(words);
        if (!problem.empty()) return fail_here("the " + key + " " + problem);
        ++at_;
        return true;
    }

    // "|" lines from here on, joined back into the file they stand for.
    std::string read_file_lines() {
        std::string text;
        bool any = false;
        for (; at_ < lines_.size(); ++at_) {
            const std::string& line = lines_[at_];
            if (line.rfind("| ", 0) == 0) text += line.substr(2) + "\n";
            else if (header(line) == "|") text += "\n";
            else if (any && header(line) == kNoLineEnd) {
                text.pop_back();
                ++at_;
                break;
            } else break;
            any = true;
        }
        return text;
    }

    bool read_level() {
        const std::vector<std::string> w = words_of(header(lines_[at_]));
        if (w.empty() || w[0] != "level") return fail_here("expected \"level NAME\" or \"end\", not " + quoted(lines_[at_]));
        if (w.size() != 2) return fail_here("expected \"level NAME\", not " + quoted(lines_[at_]));
        PackLevel level;
        level.name = w[1];
        level.level = level_of_pack_name(level.name);
        if (level.level == 0) {
            const bool path = level.name.find('/') != std::string::npos ||
                              level.name.find('\\') != std::string::npos || level.name.find("..") != std::string::npos;
            return fail_here("level " + quoted(level.name) + (path ? " is a path" : " is not a level file name") +
                             ": a pack's levels are named level1, level2, level3, boss1, level5, level6 or boss2");
        }
        for (const PackLevel& other : pack_.levels)
            if (other.name == level.name) return fail_here("level " + level.name + " comes twice");
        ++at_;
        level.text = read_file_lines();
        if (at_ >= lines_.size()) return fail_here("the pack is cut short in level " + level.name);
        if (!read_proof(level)) return false;
        pack_.levels.push_back(level);
        return true;
    }

    bool read_proof(PackLevel& level) {
        const std::vector<std::string> w = words_of(header(lines_[at_]));
        if (w.size() == 1 && w[0] == "unproven") {
            ++at_;
            return true;
        }
        if (w.empty() || w[0] != "clear")
            return fail_here("level " + level.name + " has neither \"clear W H FINGERPRINT\" nor \"unproven\" after it");
        if (w.size() != 4 || !read_side(w[1], kLargestScreenSide, level.screen_width) ||
            !read_side(w[2], kLargestScreenSide, level.screen_height) || !is_fingerprint(w[3]))
            return fail_here("expected \"clear W H FINGERPRINT\": a screen of 1 to " + std::to_string(kLargestScreenSide) +
                             " by 1 to " + std::to_string(kLargestScreenSide) + " pixels and 16 hex digits, not " +
                             quoted(lines_[at_]));
        level.fingerprint = w[3];
        const size_t clear_line = at_;
        ++at_;
        level.clear = read_file_lines();
        KeyScript script;
        std::string why;
        std::istringstream in(level.clear);
        if (!parse_key_script(in, script, why)) {
            at_ = clear_line;
            return fail_here("the clear of " + level.name + " is not a key script (" + why + ")");
        }
        level.proven = true;
        return true;
    }

    std::vector<std::string> lines_;
    LevelPack& pack_;
    size_t at_ = 0;
    std::string problem_;
};

void append_file_lines(std::string& out, const std::string& text) {
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find('\n', at);
        const bool line_end = end != std::string::npos;
        if (!line_end) end = text.size();
        const std::string line = text.substr(at, end - at);
        out += line.empty() ? "|\n" : "| " + line + "\n";
        if (!line_end) out += std::string(kNoLineEnd) + "\n";
        at = end + 1;
    }
}

}  // namespace

std::string pack_words_problem(const std::string& words) {
    if (words.size() > kLongestPackWords)
        return "is longer than " + std::to_string(kLongestPackWords) + " bytes";
    for (char c : words)
        if (binary_byte(static_cast<unsigned char>(c)) || c == '\n' || c == '\r') return "must be one line of text";
    return "";
}

int32_t level_of_pack_name(const std::string& name) {
    for (const LevelEntry& entry : level_table)
        if (name == entry.file) return entry.level;
    return 0;
}

std::string level_text_fingerprint(const std::string& text) {
    std::istringstream in(text);
    LevelDocument doc;
    read_level_document(in, doc);
    return level_fingerprint(doc);
}

bool read_level_pack(const std::string& bytes, LevelPack& pack, std::string& error) {
    if (bytes.empty()) {
        error = "empty: not a level pack";
        return false;
    }
    if (bytes.size() > kLargestPack) {
        error = "larger than " + std::to_string(kLargestPack >> 20) + " MiB: not a level pack";
        return false;
    }
    size_t line = 1;
    for (unsigned char c : bytes) {
        if (binary_byte(c)) {
            char byte[8];
            std::snprintf(byte, sizeof byte, "0x%02x", c);
            error = "line " + std::to_string(line) + ": binary data (byte " + byte + "): not a level pack";
            return false;
        }
        line += c == '\n';
    }
    LevelPack read;
    if (!PackReader(bytes, read).read(error)) {
        // a pack sent or saved only in part most often ends mid-line
        if (bytes.back() != '\n' && error.find("cut short") == std::string::npos)
            error += " (the pack ends mid-line: cut short?)";
        return false;
    }
    pack = read;
    return true;
}

bool read_level_pack_file(const std::string& path, LevelPack& pack, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot be opened";
        return false;
    }
    std::string bytes;
    char chunk[65536];
    while (bytes.size() <= kLargestPack && in.read(chunk, sizeof chunk).gcount() > 0)
        bytes.append(chunk, static_cast<size_t>(in.gcount()));
    // a folder opens on some systems and then fails to read
    if (in.bad()) {
        error = "cannot be read";
        return false;
    }
    return read_level_pack(bytes, pack, error);
}

std::string level_pack_text(const LevelPack& pack) {
    std::string out = std::string(kMagic) + " " + std::to_string(kPackVersion) + "\n";
    out += "title " + pack.title + "\n";
    out += "author " + pack.author + "\n";
    for (const PackLevel& level : pack.levels) {
        out += "level " + level.name + "\n";
        append_file_lines(out, level.text);
        if (!level.proven) {
            out += "unproven\n";
            continue;
        }
        out += "clear " + std::to_string(level.screen_width) + " " + std::to_string(level.screen_height) + " " +
               level.fingerprint + "\n";
        append_file_lines(out, level.clear);
    }
    out += "end\n";
    return out;
}
