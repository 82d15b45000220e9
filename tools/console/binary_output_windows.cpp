#include "tools/console/binary_output.h"

#include <fcntl.h>
#include <io.h>

#include <cstdio>

void use_binary_output() {
    std::fflush(stdout);
    _setmode(_fileno(stdout), _O_BINARY);
}
