// A level pack given to the game itself, as Windows gives a file dropped on
// the program: the game is started in the pack's own folder. On Linux the
// launcher readies the folder and the game takes no arguments.
#pragma once

// 0 when the game goes on (in the pack's folder if it was given one), or the
// exit status after a pack was refused, having said why and written nothing.
int start_in_pack_folder(int argc, char** argv);
