// Reading back what assetgen wrote beside the test program.
#pragma once

#include <filesystem>

namespace assettest {

// The folder holding terminal/ and sound/: the test program's own, as the game's.
std::filesystem::path asset_dir();

}  // namespace assettest
