#pragma once
// The credits page, left with a new press of the confirm control.
void credits_screen();
