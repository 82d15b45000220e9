// The tools' output is the same bytes on every system: a trace or key script
// written on Windows compares equal to, and reads as, one written on Linux.
#pragma once

// Standard output passes "\n" through as it is, never as "\r\n".
void use_binary_output();
