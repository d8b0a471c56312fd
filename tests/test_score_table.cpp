#include "frontend/score_table.h"

#include <cstring>
#include <filesystem>

#include "frontend/scoreboard.h"
#include "fx/glyph.h"
#include "shell/input.h"
#include "shell/platform.h"
#include "shell/sound.h"
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

void make_table(int rows, int lowest) {
  std::filesystem::remove(table_file());
  for (int i = 0; i < rows; ++i) score_table_add(result(lowest + 1000 * i));
}

}  // namespace

class ScoreTable : public GameTest {};

TEST_F(ScoreTable, DefaultsAreZapThen95000DownTo5000) {
  score_table_write_defaults();
  auto rows = score_table_read();
  ASSERT_EQ(rows.size(), 20u);
  EXPECT_STREQ(rows[0].name, "ZAP");
  EXPECT_EQ(rows[0].score, 100000);
  EXPECT_EQ(rows[0].hits, 100);
  EXPECT_EQ(rows[0].multiplier, 1.0);
  EXPECT_EQ(rows[1].score, 95000);
  EXPECT_STREQ(rows[19].name, "---");
  EXPECT_EQ(rows[19].score, 5000);
  EXPECT_EQ(rows[19].hits, 5);
  EXPECT_EQ(std::filesystem::file_size(table_file()), 20u * 24);
}

TEST_F(ScoreTable, RowLayoutIsLittleEndianWithZeroReservedBytes) {
  Score score = result(0x01020304, "AB", 0x0a0b);
  score.multiplier = 1.0;
  score_table_add(score);
  std::string bytes = read_file(table_file());
  ASSERT_EQ(bytes.size(), 24u);
  EXPECT_EQ(bytes.substr(0, 4), std::string("\x04\x03\x02\x01", 4));
  EXPECT_EQ(bytes.substr(4, 4), std::string(4, '\0'));
  EXPECT_EQ(bytes.substr(8, 8), std::string("\0\0\0\0\0\0\xf0\x3f", 8));  // 1.0
  EXPECT_EQ(bytes.substr(16, 4), std::string("\x0b\x0a\0\0", 4));
  EXPECT_EQ(bytes.substr(20, 4), std::string("AB\0\0", 4));
}

TEST_F(ScoreTable, AFullTableTakesOnlyABetterResultAndDropsItsLowest) {
  make_table(20, 5000);
  EXPECT_FALSE(score_qualifies(result(5000)));
  EXPECT_TRUE(score_qualifies(result(5001)));
  score_table_add(result(5001, "NEW"));
  auto rows = score_table_read();
  ASSERT_EQ(rows.size(), 20u);
  EXPECT_EQ(rows[19].score, 5001);
  EXPECT_EQ(rows[0].score, 24000);
  for (const Score& row : rows) EXPECT_NE(row.score, 5000);
}

TEST_F(ScoreTable, AShortTableTakesAnyPointsButZeroNever) {
  make_table(7, 90000);
  EXPECT_TRUE(score_qualifies(result(1)));
  EXPECT_FALSE(score_qualifies(result(0)));
  std::filesystem::remove(table_file());
  EXPECT_TRUE(score_qualifies(result(1)));
  EXPECT_TRUE(score_table_read().empty());
}

TEST_F(ScoreTable, AnIncompleteTailIsIgnoredAndDroppedByTheNextWrite) {
  make_table(3, 1000);
  std::string bytes = read_file(table_file()) + "garbage";
  write_file(table_file(), bytes);
  EXPECT_EQ(score_table_read().size(), 3u);
  score_table_add(result(500, "LOW"));  // must not land out of step after the tail
  auto rows = score_table_read();
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[3].score, 500);
  EXPECT_STREQ(rows[3].name, "LOW");
  EXPECT_EQ(std::filesystem::file_size(table_file()), 4u * 24);
}

TEST_F(ScoreTable, ANameIsAtMostThreeLettersWhateverTheFourthByte) {
  std::string row(24, '\0');
  row[0] = 10;
  std::memcpy(&row[20], "ABCD", 4);
  write_file(table_file(), row);
  auto rows = score_table_read();
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_STREQ(rows[0].name, "ABC");
}

TEST_F(ScoreTable, SortOrdersBestFirstAndKeepsTwenty) {
  std::string bytes;
  for (int i = 0; i < 25; ++i) {
    std::string row(24, '\0');
    int points = (i * 7919) % 1000;
    std::memcpy(&row[0], &points, 4);
    bytes += row;
  }
  write_file(table_file(), bytes);
  score_table_sort();
  auto rows = score_table_read();
  ASSERT_EQ(rows.size(), 20u);
  for (size_t i = 1; i < rows.size(); ++i) EXPECT_GE(rows[i - 1].score, rows[i].score);
}

TEST_F(ScoreTable, AFailedRewriteLeavesTheOldTableWhole) {
  make_table(5, 1000);
  std::string before = read_file(table_file());
  std::filesystem::create_directory(table_file() + ".new");
  score_table_add(result(99999));
  EXPECT_EQ(read_file(table_file()), before);
}

TEST_F(ScoreTable, StartUpFillsOnlyAnEmptyOrMissingFile) {
  startup_score_file();
  EXPECT_EQ(score_table_read().size(), 20u);
  write_file(table_file(), "");
  startup_score_file();
  EXPECT_EQ(score_table_read().size(), 20u);
  make_table(3, 1000);
  startup_score_file();
  EXPECT_EQ(score_table_read().size(), 3u);
}

class Scoreboard : public GameTest {};

TEST_F(Scoreboard, ShowsTheTableAndWaitsForANewPress) {
  score_table_write_defaults();
  score_table_add(result(100001, "A"));
  score_table_add(result(100002, ""));
  press_key(TCODK_ENTER, '\r');  // still held from the game, whose poll saw it go down
  read_accept();
  std::vector<std::string> header, first, second, third, last;
  TCOD_color_t colour_at_3{};
  int frames = 0;
  platform_script_on_flush([&](int frame) {
    frames = frame;
    if (frame == 1) {
      header.push_back(screen_text(13, 18, 25));
      first.push_back(screen_text(14, 20, 21));
      second.push_back(screen_text(14, 21, 21));
      third.push_back(screen_text(14, 22, 23));
      last.push_back(screen_text(14, 39, 20));
    }
    if (frame == 3) colour_at_3 = cell_fg(13, 18);
    if (frame == 5) release_key(TCODK_ENTER, '\r');
    if (frame == 8) press_key(TCODK_ENTER, '\r');
    if (frame > 20) platform_script_close_window();
  });
  scoreboard_show();
  platform_script_on_flush(nullptr);
  EXPECT_EQ(frames, 8);
  EXPECT_EQ(header[0], "RANK NAME   SCORE    HITS");
  EXPECT_EQ(first[0], " 1:      0000100002 1");  // an empty name is three blanks
  EXPECT_EQ(second[0], " 2:    A 0000100001 1");
  EXPECT_EQ(third[0], " 3:  ZAP 0000100000 100");
  EXPECT_EQ(last[0], "20:  --- 0000015000 ");
  EXPECT_EQ(colour_at_3, cycle_colour(2));
  ASSERT_FALSE(sound_played().empty());
  EXPECT_EQ(sound_played().back().effect, SFX_CONFIRM);
}
