#pragma once
// The high-score file data/scoreDat.data: rows of 24 bytes (score, four
// reserved bytes, multiplier, hits, a three-letter name), best first, at most 20.

#include <cstddef>
#include <string>
#include <vector>

#include "game/score.h"

constexpr int kScoreTableRows = 20;
// A table is 20 rows; a file larger than this is not ours to read whole.
constexpr size_t kScoreFileLimit = size_t{1} << 20;

// Where the table lives: in the data folder.
std::string score_table_path();

// Every whole row of the file; a missing file is an empty table and an
// incomplete last row is ignored. Names are cut to three letters.
std::vector<Score> score_table_read();
// Whether the result may enter the table.
bool score_qualifies(const Score& score);
// The writers below return false when the file could not be written (it is
// then left as it was).
// Rewrites the file best first, keeping the first 20 rows.
bool score_table_sort();
// Adds the result and rewrites the table.
bool score_table_add(const Score& score);
// The table a new installation starts with: "ZAP" at 100000, then 95000 down to 5000.
bool score_table_write_defaults();
// True when the file is missing or holds nothing.
bool score_table_empty();
