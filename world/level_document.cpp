#include "world/level_document.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iterator>
#include <sstream>

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
    return text;
}

void apply_level_document(const LevelDocument& doc) {
    ground_count = 0;
    block_count = 0;
    spider_count = 0;
    mushroom_count = 0;
    for (const LevelRecord& r : doc.records) apply_level_record(r.letter, r.a, r.b);
    settle_level_start();
}

namespace {

bool write_all(int fd, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
        ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = ENOSPC;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

}  // namespace

bool write_file_atomically(const std::string& path, const std::string& text, std::string& error) {
    std::string temp = path + ".XXXXXX";
    int fd = mkstemp(temp.data());
    if (fd < 0) {
        error = std::string("cannot make a new file beside it: ") + std::strerror(errno);
        return false;
    }
    // the new file gets the permissions a plain new file would get
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
    bool ok = write_all(fd, text) && fsync(fd) == 0;
    int saved_errno = errno;
    if (close(fd) != 0 && ok) {
        ok = false;
        saved_errno = errno;
    }
    if (ok && std::rename(temp.c_str(), path.c_str()) != 0) {
        ok = false;
        saved_errno = errno;
    }
    if (!ok) {
        unlink(temp.c_str());
        error = std::string("cannot write: ") + std::strerror(saved_errno);
    }
    return ok;
}
