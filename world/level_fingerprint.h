// A short fingerprint of a level's text, written into the key scripts that
// win it: a script kept for a level is then told from one made for another
// version of that level.
#pragma once

#include <string>

// FNV-1a of the text as 16 hexadecimal digits: the same text, the same mark.
std::string text_fingerprint(const std::string& text);

// The comment line that names a fingerprint in a key script.
std::string fingerprint_line(const std::string& fingerprint);

// The fingerprint a key script's comments at its top name, or "" when they
// name none.
std::string fingerprint_in_key_script(const std::string& text);
