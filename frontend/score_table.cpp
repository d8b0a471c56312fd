#include "frontend/score_table.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <string>

#include "shell/data_folder.h"
#include "shell/files.h"

namespace {

constexpr size_t kRowSize = 24;
Score decode(const uint8_t* row) {
  Score score;
  score.score = static_cast<int32_t>(get_le32(row));
  score.multiplier = std::bit_cast<double>(get_le64(row + 8));
  score.hits = static_cast<int32_t>(get_le32(row + 16));
  std::memcpy(score.name, row + 20, 3);
  score.name[3] = '\0';  // a file whose fourth byte is not NUL must not run the name on
  return score;
}

void encode(const Score& score, uint8_t* row) {
  std::memset(row, 0, kRowSize);
  put_le32(row, static_cast<uint32_t>(score.score));
  put_le64(row + 8, std::bit_cast<uint64_t>(score.multiplier));
  put_le32(row + 16, static_cast<uint32_t>(score.hits));
  std::memcpy(row + 20, score.name, 3);
}

// Best first, at most 20 rows, written whole or not at all.
bool write_table(std::vector<Score> rows) {
  std::stable_sort(rows.begin(), rows.end(),
                   [](const Score& a, const Score& b) { return a.score > b.score; });
  if (rows.size() > kScoreTableRows) rows.resize(kScoreTableRows);
  std::vector<uint8_t> bytes(rows.size() * kRowSize);
  for (size_t i = 0; i < rows.size(); ++i) encode(rows[i], bytes.data() + i * kRowSize);
  return file_replace(score_table_path(), bytes.data(), bytes.size());
}

}  // namespace

std::string score_table_path() {
  return data_path(kScoreFile);
}

std::vector<Score> score_table_read() {
  std::vector<Score> rows;
  auto bytes = file_read(score_table_path(), kScoreFileLimit);
  if (!bytes) return rows;
  for (size_t at = 0; at + kRowSize <= bytes->size(); at += kRowSize) {
    rows.push_back(decode(bytes->data() + at));
  }
  return rows;
}

bool score_qualifies(const Score& score) {
  if (score.score == 0) return false;
  // It enters when fewer than 20 rows stay ahead of it: a file written by
  // something else may hold more than 20 rows, and only the best 20 are kept.
  auto rows = score_table_read();
  auto ahead = std::count_if(rows.begin(), rows.end(),
                             [&](const Score& row) { return row.score >= score.score; });
  return ahead < kScoreTableRows;
}

bool score_table_sort() {
  return write_table(score_table_read());
}

bool score_table_add(const Score& score) {
  // Appending to the file itself would put the row after an incomplete tail,
  // out of step with the rows; the new table is written whole instead.
  auto rows = score_table_read();
  rows.push_back(score);
  return write_table(std::move(rows));
}

bool score_table_write_defaults() {
  // One write of the whole table: twenty adds would leave a partial table,
  // which start-up never completes, if the game were killed between them.
  constexpr int kStep = 5000;
  std::vector<Score> rows;
  Score row;
  std::memcpy(row.name, "---", 4);
  for (int k = 1; k <= 19; ++k) {
    row.score = kStep * k;
    row.hits = 5 * k;
    rows.push_back(row);
  }
  row.score = 100000;
  row.hits = 100;
  std::memcpy(row.name, "ZAP", 4);
  rows.push_back(row);
  return write_table(std::move(rows));
}

bool score_table_empty() {
  auto bytes = file_read(score_table_path(), 1);
  return !bytes || bytes->empty();
}
