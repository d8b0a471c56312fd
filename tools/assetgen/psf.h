// Linux console fonts (PSF1 and PSF2, gzipped or not) with their Unicode tables.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

#include "bitmap.h"

namespace assetgen {

struct PsfFont {
  int width = 0;
  int height = 0;
  std::vector<Bitmap> glyphs;
  std::unordered_map<char32_t, std::size_t> glyph_of;  // code point -> glyph index

  // Null when the font has no glyph for the code point.
  const Bitmap* find(char32_t code_point) const;
};

// Throws std::runtime_error naming `origin` when the data is not a sound PSF
// font: every size in the header is checked against the bytes really there.
PsfFont parse_psf(std::span<const std::uint8_t> bytes, const std::string& origin);

// Reads a .psf or .psf.gz file.
PsfFont load_psf(const std::filesystem::path& file);

}  // namespace assetgen
