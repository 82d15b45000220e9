#include "world/owned_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

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

bool write_file_atomically(const std::string& path, const std::string& text, std::string& error, bool durable) {
    const std::string temp = path + ".new";
    // the new file gets the permissions a plain new file would get
    int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) {
        error = std::string("cannot make a new file beside it: ") + std::strerror(errno);
        return false;
    }
    bool ok = write_all(fd, text) && (!durable || fsync(fd) == 0);
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
