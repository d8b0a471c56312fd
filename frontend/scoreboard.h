#pragma once
// The high-score screen: shown from the title menu and after every game.
void scoreboard_show();
