// The game's sound effects, in the order of its effect numbers.
#pragma once

#include <span>
#include <string_view>

#include "synth.h"

namespace assetgen {

struct SoundRecipe {
  std::string_view file;  // under sound/
  Samples (*voice)();
};

std::span<const SoundRecipe> sound_recipes();

// The voice with fades and loudness applied: what goes into the file.
Samples make_sound(const SoundRecipe& recipe);

}  // namespace assetgen
