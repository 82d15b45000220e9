#include "world/level_document.h"

#include <cstdio>
#include <iterator>
#include <sstream>

#include "world/level_name.h"
#include "world/world.h"

DocumentRead read_level_document(std::istream& in, LevelDocument& doc) {
    // the whole file first, so a stop can be told by its line
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::istringstream records(text);
    DocumentRead result;
    for (;;) {
        records >> std::ws;
        const std::streamoff start = records.eof() ? static_cast<std::streamoff>(text.size())
                                                   : static_cast<std::streamoff>(records.tellg());
        LevelRecord record;
        result.stop = read_level_record(records, record);
        if (result.stop != RecordRead::record) {
            if (result.stop == RecordRead::end_mark) doc.name = read_level_name(records);
            result.line = 1;
            for (std::streamoff i = 0; i < start && i < static_cast<std::streamoff>(text.size()); ++i)
                result.line += text[static_cast<size_t>(i)] == '\n';
            return result;
        }
        doc.records.push_back(record);
    }
}

std::string level_document_text(const LevelDocument& doc) {
    std::string text;
    text.reserve(doc.records.size() * 12 + 8);
    for (const LevelRecord& r : doc.records) {
        text += r.letter;
        text += ' ';
        text += std::to_string(r.a);
        text += ' ';
        text += std::to_string(r.b);
        text += '\n';
    }
    text += "! 0 0\n";
    text += level_name_line(doc.name);
    return text;
}

std::string text_fingerprint(const std::string& text) {
    // FNV-1a: the same text gives the same mark
    uint64_t hash = 1469598103934665603ull;
    for (unsigned char c : text) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    char mark[17];
    std::snprintf(mark, sizeof mark, "%016llx", static_cast<unsigned long long>(hash));
    return mark;
}

std::string level_fingerprint(const LevelDocument& doc) { return text_fingerprint(level_document_text(doc)); }

void apply_level_document(const LevelDocument& doc) {
    ground_count = 0;
    block_count = 0;
    spider_count = 0;
    mushroom_count = 0;
    for (const LevelRecord& r : doc.records) apply_level_record(r.letter, r.a, r.b);
    settle_level_start();
}
