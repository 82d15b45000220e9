#include "shell/thread_priority.h"

#include <windows.h>

void lower_this_thread_priority() { SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_BELOW_NORMAL); }
