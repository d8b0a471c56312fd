#pragma once
// The title's two words in line art, four lines each, joined by newlines.

// "EMBER", at most 27 columns wide.
extern const char* const kLogoEmber;
// "VORTEX", at most 30 columns wide.
extern const char* const kLogoVortex;
