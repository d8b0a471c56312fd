#pragma once
// The first screen and the hub of the others: a logo intro, then five items.
// Returns when the window closes or "QUIT" is chosen.
void title_menu();
