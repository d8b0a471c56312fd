// data/scoreDat.data: every whole row is read; a sort keeps the best 20 rows,
// best first, losing none of them; a result qualifies exactly when adding it
// keeps it in the table.

#include <algorithm>
#include <bit>
#include <climits>
#include <cstring>

#include "frontend/score_table.h"
#include "tests/fuzz/fuzz_files.h"

namespace {

constexpr size_t kRowSize = 24;
constexpr size_t kRowsTried = 4;  // of the file, whose neighbours are tried as results
const char* const kFile = "scoreDat.data";

bool same(const Score& a, const Score& b) {
  return a.score == b.score && a.hits == b.hits &&
         std::bit_cast<uint64_t>(a.multiplier) == std::bit_cast<uint64_t>(b.multiplier) &&
         std::memcmp(a.name, b.name, sizeof a.name) == 0;
}

size_t count(const std::vector<Score>& rows, const Score& row) {
  return std::count_if(rows.begin(), rows.end(), [&](const Score& r) { return same(r, row); });
}

bool best_first(const std::vector<Score>& rows) {
  return std::is_sorted(rows.begin(), rows.end(),
                        [](const Score& a, const Score& b) { return a.score > b.score; });
}

// A table the game wrote from `rows`: best first, at most 20, every row from
// `rows`, and nothing left out that beats a row kept.
void check_written(const std::vector<Score>& rows) {
  std::vector<Score> table = score_table_read();
  FUZZ_CHECK(fuzz_data_bytes(kFile).size() == table.size() * kRowSize);
  FUZZ_CHECK(table.size() == std::min<size_t>(rows.size(), kScoreTableRows));
  FUZZ_CHECK(best_first(table));
  for (const Score& row : table) FUZZ_CHECK(count(table, row) <= count(rows, row));
  for (const Score& row : rows) {
    FUZZ_CHECK(count(table, row) == count(rows, row) || row.score <= table.back().score);
  }
}

void check_result(const uint8_t* data, size_t size, const std::vector<Score>& rows,
                  const std::vector<Score>& sorted, const Score& result) {
  fuzz_data_file(kFile, data, size);
  bool qualifies = score_qualifies(result);
  fuzz_data_file(kFile, data, size);
  std::vector<Score> added = rows;
  added.push_back(result);
  score_table_add(result);
  check_written(added);
  bool kept = count(score_table_read(), result) > count(sorted, result);
  FUZZ_CHECK(qualifies == (result.score != 0 && kept));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz_data_file(kFile, data, size);
  const std::vector<Score> rows = score_table_read();
  FUZZ_CHECK(rows.size() == std::min(size, kScoreFileLimit) / kRowSize);
  for (const Score& row : rows) FUZZ_CHECK(row.name[3] == '\0');

  score_table_sort();
  check_written(rows);
  const std::vector<Score> sorted = score_table_read();
  // A whole table the game could have written comes back byte for byte, but
  // for the reserved bytes and the byte after the name, which are written 0.
  if (size % kRowSize == 0 && rows.size() <= kScoreTableRows && best_first(rows)) {
    std::vector<uint8_t> expected(data, data + size);
    for (size_t at = 0; at < size; at += kRowSize) {
      std::memset(&expected[at + 4], 0, 4);
      expected[at + 23] = 0;
    }
    FUZZ_CHECK(fuzz_data_bytes(kFile) == expected);
  }

  Score result;
  std::memcpy(result.name, "NEW", 4);
  for (int32_t points : {0, 1, -1, INT32_MIN, INT32_MAX}) {
    result.score = points;
    check_result(data, size, rows, sorted, result);
  }
  // A row's own copy and its neighbours just above and below, for the file's
  // first rows and for the lowest row the table keeps.
  std::vector<Score> tried(rows.begin(), rows.begin() + std::min(rows.size(), kRowsTried));
  if (!sorted.empty()) tried.push_back(sorted.back());
  for (const Score& row : tried) {
    for (int64_t step : {0, 1, -1}) {
      int64_t points = int64_t{row.score} + step;
      if (points < INT32_MIN || points > INT32_MAX) continue;
      result = row;
      result.score = static_cast<int32_t>(points);
      check_result(data, size, rows, sorted, result);
    }
  }
  files_memory_end();
  return 0;
}
