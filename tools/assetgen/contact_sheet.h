// A picture of a whole font for people to review: every cell with its code
// number, and a strip of box drawing and text to show that cells join up.
#pragma once

#include <filesystem>

#include "font.h"

namespace assetgen {

// Glyphs are white when they come from the first console font of the recipe,
// yellow from a later one and cyan when drawn by hand.
void save_contact_sheet(const Font& font, const FontRecipe& recipe,
                        const std::filesystem::path& file);

}  // namespace assetgen
