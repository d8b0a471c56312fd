#include "asset_files.h"

#include <cstdlib>

namespace assettest {
namespace {

// Windows and audio open on SDL's dummy drivers unless the environment names
// others. Set here: gtest_discover_tests passes on only one variable.
[[maybe_unused]] const bool kHeadless =
    setenv("SDL_VIDEODRIVER", "dummy", 0) == 0 && setenv("SDL_AUDIODRIVER", "dummy", 0) == 0;

}  // namespace

// As SDL_GetBasePath finds the game's folder on Linux.
std::filesystem::path asset_dir() {
  return std::filesystem::read_symlink("/proc/self/exe").parent_path();
}

}  // namespace assettest
