// The editor's loop: the mouse and keys turned into edits, saves and plays.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>

// Runs until the maker quits (Esc, or the window closed; twice when there
// are unsaved edits). Needs the display, the keyboard, the mouse and the
// pictures set up.
void run_editor(const std::string& level_path, int32_t level, std::atomic<bool>& close_requested);
