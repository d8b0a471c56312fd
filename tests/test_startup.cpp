#include "shell/startup.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>

#include "tests/harness.h"

namespace {

struct Outcome {
  int status;
  std::string errors;
};

// Starts the game beside this program with the given SDL drivers and returns
// its exit status and what it wrote to standard error.
Outcome run_game(const std::string& video, const std::string& audio) {
  std::string command = "cd / && SDL_VIDEODRIVER=" + video + " SDL_AUDIODRIVER=" + audio + " '" +
                        program_folder() + "ember_vortex' 2>&1 >/dev/null";
  std::FILE* pipe = popen(command.c_str(), "r");
  std::string output;
  std::array<char, 256> buffer{};
  while (pipe && std::fgets(buffer.data(), buffer.size(), pipe)) output += buffer.data();
  int status = pipe ? pclose(pipe) : -1;
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

}  // namespace

TEST(Startup, TheScreenSizePicksTheFont) {
  EXPECT_EQ(startup_font_file(0), "terminal/terminal.png");
  EXPECT_EQ(startup_font_file(1), "terminal/termx15.png");
  EXPECT_EQ(startup_font_file(2), "terminal/termx2.png");
  EXPECT_EQ(startup_font_file(5), "terminal/termx2.png");
  EXPECT_EQ(startup_font_file(-1), "terminal/termx2.png");
}

TEST(Startup, WithoutAnAudioDeviceTheGameEndsWithStatus7AndBothMessages) {
  Outcome outcome = run_game("dummy", "nosuch");
  EXPECT_EQ(outcome.status, 7);
  EXPECT_NE(outcome.errors.find("Unable to initialize SDL: "), std::string::npos) << outcome.errors;
  EXPECT_NE(outcome.errors.find("Unable to initialize audio: "), std::string::npos)
      << outcome.errors;
}

TEST(Startup, WithoutAWindowTheGameSaysSoInsteadOfWaitingForever) {
  Outcome outcome = run_game("nosuch", "dummy");
  EXPECT_EQ(outcome.status, 1);
  EXPECT_NE(outcome.errors.find("Unable to open the window: "), std::string::npos)
      << outcome.errors;
}
