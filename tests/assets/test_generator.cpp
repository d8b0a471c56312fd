// assetgen as the build runs it: the same bytes every run, and a loud failure
// when its console fonts are missing.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>

#include "asset_files.h"

namespace assettest {
namespace {

namespace fs = std::filesystem;

class AssetGenerator : public ::testing::Test {
 protected:
  void SetUp() override {
    out_ = scratch_path(std::string("assetgen_") +
                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(out_);
  }
  void TearDown() override { fs::remove_all(out_); }

  int run(const fs::path& console_fonts) const {
    const std::string command = std::string("'") + EV_ASSETGEN + "' --out '" + out_.string() +
                                "' --console-fonts '" + console_fonts.string() + "' 2>/dev/null";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  fs::path out_;
};

TEST_F(AssetGenerator, WritesTheSameBytesAsTheBuildDid) {
  ASSERT_EQ(run(EV_CONSOLE_FONT_DIR), 0);
  int compared = 0;
  for (const char* folder : {"terminal", "sound"}) {
    for (const auto& entry : fs::directory_iterator(out_ / folder)) {
      const fs::path built = asset_dir() / folder / entry.path().filename();
      ASSERT_TRUE(fs::exists(built)) << built;
      EXPECT_EQ(read_bytes(entry.path()), read_bytes(built)) << entry.path().filename();
      ++compared;
    }
  }
  EXPECT_EQ(compared, 4 + 29);
}

TEST_F(AssetGenerator, FailsWithoutItsConsoleFonts) {
  const fs::path empty = out_ / "no-fonts";
  fs::create_directories(empty);
  EXPECT_EQ(run(empty), 1);
  EXPECT_FALSE(fs::exists(out_ / "terminal" / "terminal.png"));
}

}  // namespace
}  // namespace assettest
