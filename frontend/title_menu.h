#pragma once
// The first screen and the hub of the others: a logo intro, then five items.
// Returns when the window closes or "QUIT" is chosen.
void title_menu();

// The "QUIT" item: the menu returns to main when it is chosen, so the program
// ends with status 0 through the same shutdown as a closed window.
void quit_program();
