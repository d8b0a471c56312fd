// data/scoreDat.data: every whole row is read; a sort keeps the best 20 rows,
// best first, ties in file order; a result qualifies exactly when adding it
// keeps it in the table.

#include <algorithm>
#include <bit>
#include <climits>
#include <cstring>

#include "frontend/score_table.h"
#include "tests/fuzz/fuzz_files.h"

namespace {

constexpr size_t kRowSize = 24;
const char* const kFile = "scoreDat.data";

bool same(const Score& a, const Score& b) {
  return a.score == b.score && a.hits == b.hits &&
         std::bit_cast<uint64_t>(a.multiplier) == std::bit_cast<uint64_t>(b.multiplier) &&
         std::memcmp(a.name, b.name, sizeof a.name) == 0;
}

std::vector<Score> best_of(std::vector<Score> rows) {
  std::stable_sort(rows.begin(), rows.end(),
                   [](const Score& a, const Score& b) { return a.score > b.score; });
  rows.resize(std::min<size_t>(rows.size(), kScoreTableRows));
  return rows;
}

// The file holds the best of `rows`, whole rows only.
void check_written(const std::vector<Score>& rows) {
  const std::vector<Score> table = score_table_read(), best = best_of(rows);
  FUZZ_CHECK(fuzz_data_bytes(kFile).size() == table.size() * kRowSize);
  FUZZ_CHECK(std::equal(table.begin(), table.end(), best.begin(), best.end(), same));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz_data_file(kFile, data, size);
  const std::vector<Score> rows = score_table_read();
  FUZZ_CHECK(rows.size() == std::min(size, kScoreFileLimit) / kRowSize);
  for (const Score& row : rows) FUZZ_CHECK(row.name[3] == '\0');

  score_table_sort();
  check_written(rows);

  // Results: the extremes, and copies of the lowest row kept and its
  // neighbours just above and below.
  std::vector<Score> results;
  for (int32_t points : {0, 1, -1, INT32_MIN, INT32_MAX}) results.emplace_back().score = points;
  if (!rows.empty()) {
    const Score lowest = best_of(rows).back();
    for (int64_t step : {0, 1, -1}) {
      int64_t points = int64_t{lowest.score} + step;
      if (points < INT32_MIN || points > INT32_MAX) continue;
      results.push_back(lowest);
      results.back().score = static_cast<int32_t>(points);
    }
  }
  for (const Score& result : results) {
    fuzz_data_file(kFile, data, size);
    bool qualifies = score_qualifies(result);
    std::vector<Score> added = rows;
    added.push_back(result);
    score_table_add(result);
    check_written(added);
    auto copies = [&](const std::vector<Score>& table) {
      return std::count_if(table.begin(), table.end(),
                           [&](const Score& r) { return same(r, result); });
    };
    bool kept = copies(score_table_read()) > copies(best_of(rows));
    FUZZ_CHECK(qualifies == (result.score != 0 && kept));
  }
  files_memory_end();
  return 0;
}
