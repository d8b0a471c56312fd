#include "shell/startup.h"

#include <gtest/gtest.h>

TEST(Startup, TheScreenSizePicksTheFont) {
  EXPECT_EQ(startup_font_file(0), "terminal/terminal.png");
  EXPECT_EQ(startup_font_file(1), "terminal/termx15.png");
  EXPECT_EQ(startup_font_file(2), "terminal/termx2.png");
  EXPECT_EQ(startup_font_file(5), "terminal/termx2.png");
  EXPECT_EQ(startup_font_file(-1), "terminal/termx2.png");
}
