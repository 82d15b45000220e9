#include "tools/console/binary_output.h"

// POSIX streams never translate line ends.
void use_binary_output() {}
