// A level file as its maker wrote it: every record in file order, unknown
// letters and records past a table's capacity included, so that a tool can
// change some records and write the rest back exactly as they were read.
// Reading goes through the loader's own record reader and so stops where
// loading stops.
#pragma once

#include <cstdint>
#include <istream>
#include <string>
#include <vector>

#include "world/level_loader.h"

struct LevelDocument {
    std::vector<LevelRecord> records;
    std::string name;  // the line after the end mark (level_name.h); empty: none
};

// Where and why reading a level file ended.
struct DocumentRead {
    RecordRead stop = RecordRead::end_of_input;
    int32_t line = 0;  // the line of the record that stopped reading (from 1)
};

DocumentRead read_level_document(std::istream& in, LevelDocument& doc);

// One record a line, then the end mark "! 0 0" and the name's line.
std::string level_document_text(const LevelDocument& doc);

// A short fingerprint of any text: 16 hex digits of a 64-bit hash, the same
// on every system.
std::string text_fingerprint(const std::string& text);

// A short fingerprint of the level as it is saved: a key script names the
// level it wins, so a changed level is told from the one that was cleared.
std::string level_fingerprint(const LevelDocument& doc);

// Loads the records into the world as a level start does, without the
// progress file or a tune: the tables emptied, every record applied in
// order, then the level start settled.
void apply_level_document(const LevelDocument& doc);
