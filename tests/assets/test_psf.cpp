// The code page table and the PSF reader the fonts are drawn through.
#include <gtest/gtest.h>
#include <iconv.h>
#include <zlib.h>

#include <set>
#include <stdexcept>

#include "asset_files.h"
#include "cp437.h"
#include "psf.h"

namespace assettest {
namespace {

using assetgen::cp437_to_unicode;
using assetgen::parse_psf;
using Bytes = std::vector<std::uint8_t>;

TEST(CodePage437, EveryCodeIsItsOwnCharacter) {
  // The C library knows 32..255 but for 127; the pictures the game draws below
  // that have no other witness.
  iconv_t cd = iconv_open("UTF-32LE", "CP437");
  ASSERT_NE(cd, reinterpret_cast<iconv_t>(-1));
  for (int code = 32; code < 256; ++code) {
    if (code == 127) continue;
    char in = static_cast<char>(code), *in_ptr = &in;
    char32_t want = 0;
    char* out_ptr = reinterpret_cast<char*>(&want);
    std::size_t in_left = 1, out_left = sizeof want;
    ASSERT_NE(iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left), static_cast<std::size_t>(-1));
    EXPECT_EQ(cp437_to_unicode(code), want) << "code " << code;
  }
  iconv_close(cd);
  const std::pair<int, char32_t> pictures[] = {
      {1, U'\u263A'}, {7, U'\u2022'}, {10, U'\u25D9'}, {22, U'\u25AC'}, {127, U'\u2302'}};
  for (const auto& [code, want] : pictures) EXPECT_EQ(cp437_to_unicode(code), want) << code;
  std::set<char32_t> seen;
  for (int code = 1; code < 256; ++code) {
    EXPECT_GE(cp437_to_unicode(code), 0x20u) << "code " << code << " is a control";
    EXPECT_TRUE(seen.insert(cp437_to_unicode(code)).second) << "code " << code;
  }
}

// A PSF2 font of `count` glyphs, `height` rows of `width` bits; glyph g's row r
// holds byte g + r, and `table` follows the glyphs.
Bytes psf2(std::uint32_t count, std::uint32_t width, std::uint32_t height, const std::string& table,
           std::uint32_t glyph_bytes = 0, std::uint32_t header = 32) {
  const std::uint32_t row = (width + 7) / 8;
  Bytes b = {0x72, 0xB5, 0x4A, 0x86};
  for (std::uint32_t v : {0u, header, table.empty() ? 0u : 1u, count,
                          glyph_bytes ? glyph_bytes : row * height, height, width}) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  }
  for (std::uint32_t g = 0; g < count && g < 16; ++g) {
    for (std::uint32_t i = 0; i < row * height; ++i) b.push_back(g + i / row);
  }
  b.insert(b.end(), table.begin(), table.end());
  return b;
}

TEST(PsfReader, ReadsGlyphsAndUnicodeTablesOfBothVersions) {
  // Glyph 0: 'A' and U+2500; glyph 1: 'B', then a sequence that must not map 'C'.
  const auto font = parse_psf(psf2(2, 12, 2,
                                   "A\xE2\x94\x80\xFF"
                                   "B\xFE"
                                   "C\xCC\x81\xFF"),
                              "v2");
  ASSERT_NE(font.find(U'\u2500'), nullptr);
  EXPECT_EQ(font.find(U'\u2500'), font.find('A'));
  EXPECT_EQ(font.find('C'), nullptr);
  // Glyph 1, row 1 is 0x02 0x02: bit 6 of each byte, and the 12-pixel row ends
  // before the second byte's bit 6.
  const assetgen::Bitmap& b = *font.find('B');
  ASSERT_EQ(b.width, 12);
  EXPECT_EQ(b.ink, (std::vector<std::uint8_t>{0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0,  //
                                              0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0}));

  Bytes v1 = {0x36, 0x04, 0x02, 1};  // 256 glyphs of one row, with a table
  for (int g = 0; g < 256; ++g) v1.push_back(static_cast<std::uint8_t>(g));
  for (int g = 0; g < 256; ++g) {
    for (int unit : {g == 1 ? 0x263A : g, 0xFFFF}) {
      v1.push_back(unit & 0xFF);
      v1.push_back(unit >> 8);
    }
  }
  const auto old = parse_psf(v1, "v1");
  ASSERT_NE(old.find(U'\u263A'), nullptr);
  EXPECT_EQ(old.find(U'\u263A')->ink, (std::vector<std::uint8_t>{0, 0, 0, 0, 0, 0, 0, 1}));
  EXPECT_EQ(old.find('A')->ink, (std::vector<std::uint8_t>{0, 1, 0, 0, 0, 0, 0, 1}));
}

TEST(PsfReader, RefusesBrokenFontsInsteadOfReadingPastThem) {
  Bytes short_glyphs = psf2(4, 8, 8, "");
  short_glyphs.pop_back();
  Bytes short_header = psf2(1, 8, 8, "");
  short_header.resize(20);
  const std::pair<const char*, Bytes> broken[] = {
      {"empty", {}},
      {"not a font", {'h', 'e', 'l', 'l', 'o'}},
      {"header cut short", short_header},
      {"glyph data cut short", short_glyphs},
      {"glyph size disagrees with width and height", psf2(1, 8, 8, "", 7)},
      {"billions of glyphs", psf2(0x7FFFFFFF, 8, 8, "")},
      {"header size past the end", psf2(1, 8, 8, "", 0, 4096)},
      {"glyphs of no width", psf2(1, 0, 8, "")},
      {"table without its end", psf2(1, 8, 1, "A")},
      {"bad UTF-8 in the table", psf2(1, 8, 1, "\xC3\x41\xFF")},
      {"version 1 with no rows", {0x36, 0x04, 0x00, 0x00}},
      {"version 1 cut short", {0x36, 0x04, 0x00, 0x08, 0x00}},
  };
  for (const auto& [why, bytes] : broken) {
    EXPECT_THROW(parse_psf(bytes, why), std::runtime_error) << why;
  }
  const auto huge_file = scratch_path("assetgen_huge").concat(".psf.gz");
  gzFile gz = gzopen(huge_file.c_str(), "wb");
  Bytes huge = psf2(1, 8, 8, "");  // a font, then megabytes of padding
  huge.resize(8u << 20);
  ASSERT_EQ(gzwrite(gz, huge.data(), huge.size()), static_cast<int>(huge.size()));
  gzclose(gz);
  EXPECT_THROW(assetgen::load_psf(huge_file), std::runtime_error) << "far too big for a font";
  std::filesystem::remove(huge_file);
  EXPECT_THROW(assetgen::load_psf(scratch_path("assetgen_no_font")), std::runtime_error);
}

}  // namespace
}  // namespace assettest
