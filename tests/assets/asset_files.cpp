#include "asset_files.h"

#include <SDL.h>

#include <cstdlib>
#include <memory>
#include <stdexcept>

namespace assettest {
namespace {

// Windows and audio open on SDL's dummy drivers unless the environment names
// others. Set here: gtest_discover_tests passes on only one variable.
[[maybe_unused]] const bool kHeadless =
    setenv("SDL_VIDEODRIVER", "dummy", 0) == 0 && setenv("SDL_AUDIODRIVER", "dummy", 0) == 0;

}  // namespace

std::filesystem::path asset_dir() {
  std::unique_ptr<char, decltype(&SDL_free)> base(SDL_GetBasePath(), &SDL_free);
  if (!base) throw std::runtime_error("SDL_GetBasePath failed");
  return base.get();
}

}  // namespace assettest
