#include "frontend/score_table.h"

#include <cstring>

#include "frontend/scoreboard.h"
#include "fx/glyph.h"
#include "shell/input.h"
#include "shell/startup.h"
#include "tests/harness.h"

namespace {

Score result(int points, const char* name = "AAA", int hits = 1) {
  Score score;
  score.score = points;
  score.hits = hits;
  for (int i = 0; i < 3 && name[i] != '\0'; ++i) score.name[i] = name[i];
  return score;
}

std::string table_file() {
  return data_file("scoreDat.data");
}

// Rows past 20 lie below the best 20, as a file written by something else may hold them.
void make_table(int rows, int lowest) {
  int extra = std::max(0, rows - kScoreTableRows);
  std::string below;
  if (extra > 0) {
    make_table(extra, lowest);
    below = read_file(table_file());
  }
  std::filesystem::remove(table_file());
  for (int i = extra; i < rows; ++i) score_table_add(result(lowest + 1000 * i));
  if (extra > 0) write_file(table_file(), read_file(table_file()) + below);
}

auto row(const Score& s) {
  return std::make_tuple(std::string(s.name), s.score, s.hits, s.multiplier);
}

}  // namespace

class ScoreTable : public GameTest {};

TEST_F(ScoreTable, StartUpFillsAnEmptyOrMissingFileWithZapThen95000DownTo5000) {
  startup_score_file();
  auto rows = score_table_read();
  ASSERT_EQ(rows.size(), 20u);
  EXPECT_EQ(row(rows[0]), std::make_tuple("ZAP", 100000, 100, 1.0));
  EXPECT_EQ(rows[1].score, 95000);
  EXPECT_EQ(row(rows[19]), std::make_tuple("---", 5000, 5, 1.0));
  write_file(table_file(), "");
  startup_score_file();
  EXPECT_EQ(std::filesystem::file_size(table_file()), 20u * 24);
  make_table(3, 1000);
  startup_score_file();
  EXPECT_EQ(score_table_read().size(), 3u);  // a short table is left alone
}

TEST_F(ScoreTable, RowLayoutIsLittleEndianWithZeroReservedBytes) {
  Score score = result(0x01020304, "AB", 0x0a0b);
  score.multiplier = 1.0;
  score_table_add(score);
  // Score, four zero bytes, the multiplier 1.0 as a double, hits, name.
  const char bytes[] = "\x04\x03\x02\x01\0\0\0\0\0\0\0\0\0\0\xf0\x3f\x0b\x0a\0\0AB\0\0";
  EXPECT_EQ(read_file(table_file()), std::string(bytes, 24));
}

TEST_F(ScoreTable, AFullTableTakesOnlyABetterResultAndDropsItsLowestAShortOneAnyPointsButZero) {
  // Rows, the lowest score, the result and whether it qualifies; the full table is kept. A
  // longer table takes only a result that enters its best 20.
  const std::tuple<int, int, int, bool> cases[] = {{7, 90000, 1, true},     {7, 90000, 0, false},
                                                   {0, 0, 1, true},         {25, 1000, 5500, false},
                                                   {25, 1000, 6001, true},  {20, 5000, 0, false},
                                                   {20, 5000, 5000, false}, {20, 5000, 5001, true}};
  for (const auto& [rows, lowest, points, qualifies] : cases) {
    if (rows != static_cast<int>(score_table_read().size())) make_table(rows, lowest);
    EXPECT_EQ(score_qualifies(result(points)), qualifies) << rows << " rows, " << points;
  }
  score_table_add(result(5001, "NEW"));
  auto rows = score_table_read();
  ASSERT_EQ(rows.size(), 20u);
  EXPECT_EQ(std::make_tuple(rows[0].score, row(rows[19])),
            std::make_tuple(24000, std::make_tuple("NEW", 5001, 1, 1.0)));
}

TEST_F(ScoreTable, AnIncompleteTailIsDroppedANameIsCutToThreeLettersAndAFailedRewriteKeepsTheFile) {
  std::string ragged(24, '\0');
  ragged[0] = 10;
  std::memcpy(&ragged[20], "ABCD", 4);
  write_file(table_file(), ragged + "garbage");
  ASSERT_EQ(score_table_read().size(), 1u);
  EXPECT_EQ(std::string(score_table_read()[0].name), "ABC");
  score_table_add(result(5, "LOW"));  // must not land out of step after the tail
  auto rows = score_table_read();
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(row(rows[1]), std::make_tuple("LOW", 5, 1, 1.0));
  EXPECT_EQ(std::filesystem::file_size(table_file()), 2u * 24);

  const std::string before = read_file(table_file());
  std::filesystem::create_directory(table_file() + ".new");
  score_table_add(result(99999));
  EXPECT_EQ(read_file(table_file()), before);
}

class Scoreboard : public GameTest {};

TEST_F(Scoreboard, ShowsTheTableAndWaitsForANewPress) {
  score_table_write_defaults();
  score_table_add(result(100001, "A"));
  score_table_add(result(100002, ""));
  score_table_add(result(100003, "\n\6X"));  // a line break and a colour code from a file
  press_key(TCODK_ENTER, '\r');              // still held from the game, whose poll saw it go down
  read_accept();
  std::vector<std::string> shown;
  TCOD_color_t colour_at_3{};
  int frames = 0;
  platform_script_on_flush([&](int frame) {
    frames = frame;
    if (frame == 1) {
      for (int y : {18, 20, 21, 22, 23, 39}) shown.push_back(screen_text(13, y, 25));
    }
    if (frame == 3) colour_at_3 = cell_fg(13, 18);
    if (frame == 5) release_key(TCODK_ENTER, '\r');
    if (frame == 8) press_key(TCODK_ENTER, '\r');
    if (frame > 20) platform_script_close_window();
  });
  scoreboard_show();
  platform_script_on_flush(nullptr);
  EXPECT_EQ(frames, 8);
  EXPECT_EQ(shown,
            (std::vector<std::string>{"RANK NAME   SCORE    HITS", "  1:  ??X 0000100003 1   ",
                                      "  2:      0000100002 1   ",  // an empty name
                                      "  3:    A 0000100001 1   ", "  4:  ZAP 0000100000 100 ",
                                      " 20:  --- 0000020000 20  "}));
  EXPECT_EQ(colour_at_3, cycle_colour(2));
  ASSERT_FALSE(sound_played().empty());
  EXPECT_EQ(sound_played().back().effect, SFX_CONFIRM);
}
