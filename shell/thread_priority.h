// The presenter's thread yields to the frame loop on a busy machine.
#pragma once

// Lowers the calling thread's priority a little; nothing else changes.
void lower_this_thread_priority();
