#include "edit/open_level.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include "edit/level_edit.h"
#include "world/world.h"

namespace {

// Far beyond any level the tables can hold: a larger file is read up to
// here, cut at a line end so no number is cut in two.
constexpr size_t kMostBytesRead = 16 * 1024 * 1024;

LevelDocument new_level() {
    // the world's own defaults, written out so the level does not depend
    // on the level played before it
    start_fresh_world(1);
    LevelDocument doc;
    doc.records.push_back({'s', level_width, level_height});
    doc.records.push_back({'p', player.x, player.y});
    return doc;
}

}  // namespace

std::string read_small_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string text(64 * 1024, '\0');
    in.read(&text[0], static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<size_t>(in.gcount()));
    return text;
}

LevelDocument open_level_file(const std::string& path, std::string& message) {
    const std::string name = file_name_of(path);
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) {
        if (errno == ENOENT) {
            message = name + " is new: Ctrl+S makes it";
        } else {
            message = "cannot read " + name + " (" + std::strerror(errno) + "): a new level";
        }
        return new_level();
    }
    if (!S_ISREG(info.st_mode)) {
        message = name + " is not a plain file: a new level, that cannot be saved there";
        return new_level();
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        message = "cannot read " + name + " (" + std::strerror(errno) + "): a new level";
        return new_level();
    }
    std::string text(kMostBytesRead + 1, '\0');
    in.read(&text[0], static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<size_t>(in.gcount()));
    const bool cut = text.size() > kMostBytesRead;
    if (cut) text.resize(text.find_last_of('\n', kMostBytesRead) + 1);

    LevelDocument doc;
    std::istringstream records(text);
    const DocumentRead read = read_level_document(records, doc);
    const std::string count = std::to_string(doc.records.size()) + " records";
    if (read.stop == RecordRead::bad_field)
        message = name + ": reading stopped at line " + std::to_string(read.line) +
                  " (a record without its two numbers); kept the " + count + " before it";
    else if (cut)
        message = name + " is longer than " + std::to_string(kMostBytesRead >> 20) +
                  " MB: read its first " + count;
    else if (read.stop == RecordRead::end_of_input)
        message = name + ": " + count + ", no end mark \"!\" (saving adds it)";
    else
        message = name + ": " + count;
    return doc;
}
