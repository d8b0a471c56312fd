#pragma once
// Bringing the program up, in order: joystick, settings, window, sound, icon,
// controls and the high-score file.

#include <string>

// The font file for a screen-size setting.
std::string startup_font_file(int screen_size);
void startup();
// Writes the default table into a missing or empty high-score file. A file
// that is there but cannot be read is never overwritten: the table then
// lives in memory for this run, as it does when it cannot be written.
void startup_score_file();
