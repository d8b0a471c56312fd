#pragma once
// The first screen and the hub of the others; returns when the window closes.
void title_menu();
