#include "world/owned_file.h"

#include <windows.h>

#include <string>

namespace {

std::string reason(DWORD code) {
    char text[256] = {};
    const DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                                   text, sizeof text, nullptr);
    std::string why(text, n);
    while (!why.empty() && (why.back() == '\n' || why.back() == '\r' || why.back() == '.')) why.pop_back();
    return why.empty() ? "error " + std::to_string(code) : why;
}

bool write_all(HANDLE file, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
        const size_t left = text.size() - done;
        const DWORD chunk = left > (1u << 30) ? (1u << 30) : static_cast<DWORD>(left);
        DWORD written = 0;
        if (!WriteFile(file, text.data() + done, chunk, &written, nullptr)) return false;
        if (written == 0) {
            SetLastError(ERROR_DISK_FULL);
            return false;
        }
        done += written;
    }
    return true;
}

}  // namespace

bool write_file_atomically(const std::string& path, const std::string& text, std::string& error, bool durable) {
    const std::string temp = path + ".new";
    HANDLE file = CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        error = "cannot make a new file beside it: " + reason(GetLastError());
        return false;
    }
    bool ok = write_all(file, text) && (!durable || FlushFileBuffers(file));
    DWORD code = ok ? 0 : GetLastError();
    if (!CloseHandle(file) && ok) {
        ok = false;
        code = GetLastError();
    }
    // rename cannot replace an existing file here; MoveFileEx does it in one
    // step, and write-through returns only once the move is on the disk
    if (ok && !MoveFileExA(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        ok = false;
        code = GetLastError();
    }
    if (!ok) {
        DeleteFileA(temp.c_str());
        error = "cannot write: " + reason(code);
    }
    return ok;
}

// Windows has no file size limit signal: such a write simply fails.
void let_oversized_writes_fail() {}
