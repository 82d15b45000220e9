// A level pack: up to seven levels in one plain-text file, each under the
// name of the level it stands in for, each with its maker's winning play or
// a mark that it has none. Every tool that makes, checks, unpacks, plays or
// edits a pack reads and writes it here.
//
//     headbot pack 1
//     title Spring Hills
//     author Ann Example
//     level level1
//     | s 2000 1000
//     | p 100 900
//     | ! 0 0
//     clear 640 480 9ad1c1a0b2f47e31
//     | 200 R
//     | 30 RU
//     level boss1
//     | ...
//     unproven
//     end
//
// Each "|" line is one line of the file it stands for, exactly as the file
// holds it ("| " then the line; a bare "|" is an empty line), so a level cut
// out of a pack is byte for byte the level that went in; "\ no line end"
// after the last of them says the file's last line had no line end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

constexpr int32_t kPackVersion = 1;
// Far beyond seven full levels and their plays: a larger file is no pack.
constexpr size_t kLargestPack = 4u << 20;
constexpr size_t kLongestPackWords = 200;  // a title or an author

struct PackLevel {
    std::string name;         // one of the seven level file names
    int32_t level = 1;        // the level that name stands for
    std::string text;         // the level file, byte for byte
    bool proven = false;      // false: the maker included it without a clear
    int32_t screen_width = 640;   // the screen the clear was won on
    int32_t screen_height = 480;
    std::string fingerprint;  // the level's text when the clear was won
    std::string clear;        // the key script, byte for byte
};

struct LevelPack {
    std::string title;
    std::string author;
    std::vector<PackLevel> levels;  // in the pack's order, each name once
};

// Reads a pack's bytes; false with what is wrong in `error` ("line N: ..."
// where one line is to blame). Nothing is kept from a pack that is refused.
bool read_level_pack(const std::string& bytes, LevelPack& pack, std::string& error);

// Reads the file at `path` (at most kLargestPack bytes) the same way.
bool read_level_pack_file(const std::string& path, LevelPack& pack, std::string& error);

// The pack as its file holds it.
std::string level_pack_text(const LevelPack& pack);

// Why `words` cannot be a pack's title or author ("" when it can): one line
// of printable text, not too long.
std::string pack_words_problem(const std::string& words);

// The fingerprint of a level file's text, as the editor names it in the key
// script of a won play: the records as the loader reads them.
std::string level_text_fingerprint(const std::string& text);

// The level the file name stands for, or 0 when it is not one of the seven
// names (a path, "..", an empty name or any other word).
int32_t level_of_pack_name(const std::string& name);
