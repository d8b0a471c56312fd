#pragma once
// Particles, stars, screen size and the remapping prompts; leaving through
// "Exit and Save: " writes the settings and the control mapping.
void options_screen();
