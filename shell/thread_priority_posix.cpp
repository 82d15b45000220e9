#include "shell/thread_priority.h"

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

// On Linux each thread has its own nice value, named by its thread id.
void lower_this_thread_priority() { setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), 5); }
