// Cells drawn by hand where no console font has a trustworthy glyph.
#pragma once

#include <optional>

#include "bitmap.h"

namespace assetgen {

// The hand-drawn glyph for `code` in a font of square `cell_size` cells, if
// that cell is one we draw ourselves.
std::optional<Bitmap> drawn_cell(int cell_size, int code);

}  // namespace assetgen
