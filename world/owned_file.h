// Writing a file the player or level maker owns (progress, levels, key
// scripts): never half a file, whatever fails or whenever the program dies.
#pragma once

#include <string>

// Writes `text` to "PATH.new" in the same folder and renames it over `path`,
// so `path` holds either its old text or the new one. A stale "PATH.new" from
// a crash is simply replaced. `durable` also waits until the text is on the
// disk, for files a power cut must not cost; the progress letter, written at
// every level start, skips that wait. False with a reason in `error` when the
// new text did not replace the old; the new file is then removed.
bool write_file_atomically(const std::string& path, const std::string& text, std::string& error,
                           bool durable = true);

// A write beyond the process's file size limit then fails as any full disk
// does, instead of ending the program with its unsaved edits.
void let_oversized_writes_fail();

