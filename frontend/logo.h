#pragma once
// The title's two words in line art, four lines each, joined by newlines.

// "EMBER", at most 27 columns wide.
extern const char* const kLogoEmber;
// "VORTEX", at most 30 columns wide.
extern const char* const kLogoVortex;

// Prints a block with its first line at (x, y), left-aligned. Lines past the
// right edge are cut there; libtcod would drop every line after such a line
// in one multi-line print, which the intro's slide runs into.
void logo_print(const char* block, int x, int y);
