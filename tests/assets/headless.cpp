// Tests open windows and audio with SDL's dummy drivers, so they run on
// machines without a display or sound card. A driver set in the environment
// still wins.
#include <gtest/gtest.h>

#include <cstdlib>

namespace assettest {
namespace {

class Headless : public ::testing::Environment {
 public:
  void SetUp() override {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
  }
};

const ::testing::Environment* const kHeadless = ::testing::AddGlobalTestEnvironment(new Headless);

}  // namespace
}  // namespace assettest
