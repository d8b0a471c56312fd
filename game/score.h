#pragma once
// A game's result, and the operations that award points.

#include <cstdint>

struct Score {
  int32_t score = 0;
  double multiplier = 1.0;  // 1.0 to 16.0
  int32_t hits = 0;         // enemies destroyed
  char name[4] = {};        // up to three letters, NUL after them
};

// points x multiplier, doubled while double score runs.
void score_add(Score& score, int points);
void score_kill(Score& score);     // multiplier + 0.1, one more hit
void score_graze(Score& score);    // multiplier + 0.05
void score_penalty(Score& score);  // multiplier x 0.75
