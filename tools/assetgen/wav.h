// 16-bit PCM WAV files, the format SDL2_mixer loads everywhere.
#pragma once

#include <filesystem>

#include "synth.h"

namespace assetgen {

// Mono at kSampleRate; the mixer converts to whatever the game opened.
void save_wav(const Samples& samples, const std::filesystem::path& file);

}  // namespace assetgen
