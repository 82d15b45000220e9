// The art scripts: one text file per picture, one command per line.
//
//   # comment                      color C R G B      (C: one character)
//   size W H   (starts all mask)   fill C
//   rect X Y W H C                 frame X Y W H C    (one-pixel border)
//   vgrad X Y W H CTOP CBOTTOM     disc CX CY RX RY C
//   sphere CX CY RX RY C1 C2 ...   (shaded dark to light, lit from upper left)
//   line X0 Y0 X1 Y1 THICK C       poly C X0 Y0 X1 Y1 X2 Y2 ...
//   text X Y K C STRING            gtext X Y K CTOP CBOTTOM STRING
//                                  (X may be "center"; K scales the 5x7 font)
//   stamp FILE X Y K               tile FILE X Y W H  (FILE: another script)
//   speckle SEED N X Y W H C       outline C          mirror
//   rows X Y                       (then rows of palette characters, '~' keeps
//   ...                             the pixel below, up to a line "end")
//   end
#pragma once

#include <stdexcept>
#include <string>

#include "tools/mkart/image.h"

namespace mkart {

// Carries "file:line: what went wrong".
struct ArtError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Runs `text` as a script; `name` labels messages and `dir` is where files
// named by stamp and tile are looked up.
Image run_script(const std::string& text, const std::string& name, const std::string& dir);

// Reads and runs the script at `path`.
Image run_file(const std::string& path);

}  // namespace mkart
