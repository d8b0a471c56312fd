#include "shell/startup.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>

#include "tests/harness.h"

namespace {

// Starts the game beside this program with the given SDL drivers (video ""
// for none asked) and no display, and returns its exit status (124 when it
// was still running after 20 s) and what it wrote to standard error.
std::pair<int, std::string> run_game(const std::string& video, const std::string& audio) {
  std::string command = "cd / && env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER " +
                        (video.empty() ? "" : "SDL_VIDEODRIVER=" + video) +
                        " SDL_AUDIODRIVER=" + audio + " timeout 20 '" + program_folder() +
                        "ember_vortex' 2>&1 >/dev/null";
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
  for (int size : {2, 5, -1}) EXPECT_EQ(startup_font_file(size), "terminal/termx2.png") << size;
}

TEST(Startup, WithoutAnAudioDeviceTheGameEndsWithStatus7AndBothMessages) {
  auto [status, errors] = run_game("dummy", "nosuch");
  EXPECT_EQ(status, 7);
  for (const char* message : {"Unable to initialize SDL: ", "Unable to initialize audio: "})
    EXPECT_NE(errors.find(message), std::string::npos) << errors;
}

TEST(Startup, WithoutAWindowTheGameSaysSoInsteadOfWaitingForever) {
  auto [status, errors] = run_game("nosuch", "dummy");
  EXPECT_EQ(status, 1);
  EXPECT_NE(errors.find("Unable to open the window: "), std::string::npos) << errors;
}

// The dummy driver asked for by name (the audio-failure case above) runs on.
TEST(Startup, WithNoDisplayAndNoDriverAskedForTheGameSaysSoAndEnds) {
  auto [status, errors] = run_game("", "dummy");
  EXPECT_EQ(status, 1);
  EXPECT_NE(errors.find("ember_vortex: no display found"), std::string::npos) << errors;
}
