#include "shell/startup.h"

#include "tests/harness.h"

TEST(Startup, TheScreenSizePicksTheFont) {
  EXPECT_EQ(startup_font_file(0), "terminal/terminal.png");
  EXPECT_EQ(startup_font_file(1), "terminal/termx15.png");
  for (int size : {2, 5, -1}) EXPECT_EQ(startup_font_file(size), "terminal/termx2.png") << size;
}

using Program = GameTest;

// Run from /, the game answers like a command-line program; one that cannot
// play says why and ends: no audio device (status 7), no window, no display.
TEST_F(Program, AnswersLikeACommandLineProgramAndSaysWhyItCannotStart) {
  const std::string bad = test_folder() + "bad.replay",
                    no_display =
                        "-u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER SDL_AUDIODRIVER=";
  write_file(bad, "EVRP\x01\x00\x00\x00\x05");
  const struct {
    std::string args;
    int status;
    std::string out, err;  // what standard output starts with, what standard error says
    std::string env = "SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy";
  } cases[] = {
      {"--help", 0, "usage: ember_vortex", ""},
      {"--version", 0, "Ember Vortex " EV_VERSION " (replay format 2)\n", ""},
      {"--bogus", 2, "", "usage: ember_vortex"},
      {"--record", 2, "", "usage: ember_vortex"},
      {"--headless", 2, "", "usage: ember_vortex"},
      {"--headless --replay '" + bad + "'", 2, "",
       "ember_vortex: " + bad + ": the file is cut short\n"},
      {"--replay '" + test_folder() + "missing.replay'", 2, "", "ember_vortex: "},
      {"", 7, "", "Unable to initialize SDL: ", no_display + "nosuch SDL_VIDEODRIVER=dummy"},
      {"", 1, "", "Unable to open the window: ", no_display + "dummy SDL_VIDEODRIVER=nosuch"},
      {"", 1, "",
       "ember_vortex: no display found (set DISPLAY, or SDL_VIDEODRIVER to choose a video "
       "driver)\n",
       no_display + "dummy"},
  };
  for (const auto& c : cases) {
    ProgramRun run = run_game_program(c.args, c.env);
    EXPECT_EQ(run.status, c.status) << c.args << " " << c.env;
    EXPECT_EQ(run.out.substr(0, c.out.size()), c.out) << c.args << " " << c.env;
    // SDL may speak first; a message ending in a newline is the last line, whole.
    EXPECT_TRUE(c.err.ends_with('\n') ? run.err.ends_with(c.err)
                                      : run.err.find(c.err) != std::string::npos)
        << c.args << " " << c.env << ": " << run.err;
  }
}
