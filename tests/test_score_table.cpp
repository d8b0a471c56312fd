#include "frontend/score_table.h"

#include "frontend/scoreboard.h"
#include "shell/startup.h"
#include "tests/harness.h"

namespace {

Score result(int points, const char* name = "AAA", int hits = 1) {
  Score score{points, 1.0, hits};
  std::string(name).copy(score.name, 3);
  return score;
}

}  // namespace

class ScoreTable : public GameTest {};

// Which results enter a short, full or overfull table, ties and no points included, is held by
// the table's fuzz target against a sort of its own, from seeds of each.
TEST_F(ScoreTable, LittleEndianRowsThreeLetterNamesATornTailDroppedAndNoRewriteOfAShortFile) {
  const std::string ragged = std::string(1, '\n') + std::string(19, '\0') + "ABCD";
  write_file(data_file("scoreDat.data"), ragged + "garbage");
  EXPECT_EQ(std::string(score_table_read().at(0).name), "ABC");
  score_table_add(result(5, "LOW"));  // must not land out of step after the tail
  // Score, four zero bytes, the multiplier as a double, hits, a name of three letters at most.
  const std::string low("\5\0\0\0\0\0\0\0\0\0\0\0\0\0\xf0\x3f\1\0\0\0LOW\0", 24);
  EXPECT_EQ(read_file(data_file("scoreDat.data")), ragged.substr(0, 23) + '\0' + low);

  const std::string before = read_file(data_file("scoreDat.data"));
  std::filesystem::create_directory(data_file("scoreDat.data") + ".new");
  EXPECT_FALSE(score_table_add(result(99999)));
  EXPECT_EQ(read_file(data_file("scoreDat.data")), before);
  // A default table start-up cannot write lives in memory for this run.
  std::filesystem::remove(data_file("scoreDat.data"));
  std::filesystem::create_directory(data_file("scoreDat.data") + ".new");
  testing::internal::CaptureStderr();
  startup_score_file();
  EXPECT_NE(testing::internal::GetCapturedStderr().find("cannot be written"), std::string::npos);
  EXPECT_EQ(score_table_read().size(), size_t{kScoreTableRows});
  EXPECT_FALSE(std::filesystem::exists(data_file("scoreDat.data")));
}

class Scoreboard : public GameTest {};

// The layout, the colours, the wait for a new press and the leaving sound show in the golden run,
// on the table its recording carries: here the table start-up writes and a name's control bytes.
TEST_F(Scoreboard, ShowsTheDefaultTableAndControlBytesAsQuestionMarks) {
  startup_score_file();
  score_table_add(result(100003, "\n\6X"));  // a line break and a colour code from a file
  std::vector<std::string> shown;
  platform_script_on_flush([&](int) {
    for (int y : {20, 21, 39}) shown.push_back(screen_text(13, y, 25));
    platform_script_close_window();
  });
  scoreboard_show();
  EXPECT_EQ(shown,
            (std::vector<std::string>{"  1:  ??X 0000100003 1   ", "  2:  ZAP 0000100000 100 ",
                                      " 20:  --- 0000010000 10  "}));
}
