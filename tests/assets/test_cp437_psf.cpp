// The code page table against the C library's own, and the PSF reader against
// fonts good and broken.
#include <gtest/gtest.h>
#include <iconv.h>
#include <zlib.h>

#include <filesystem>
#include <set>
#include <stdexcept>
#include <string>

#include "asset_files.h"
#include "cp437.h"
#include "psf.h"

namespace assettest {
namespace {

using assetgen::parse_psf;
using Bytes = std::vector<std::uint8_t>;

TEST(CodePage437, AgreesWithTheCLibrarysCodePage) {
  iconv_t cd = iconv_open("UTF-32LE", "CP437");
  ASSERT_NE(cd, reinterpret_cast<iconv_t>(-1));
  for (int code = 32; code < 256; ++code) {
    if (code == 127) continue;  // the house sign; iconv reads DEL
    char in = static_cast<char>(code);
    char out[4] = {};
    char* in_ptr = &in;
    char* out_ptr = out;
    std::size_t in_left = 1, out_left = sizeof out;
    ASSERT_NE(iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left), static_cast<std::size_t>(-1));
    const char32_t want = static_cast<unsigned char>(out[0]) |
                          static_cast<unsigned char>(out[1]) << 8 |
                          static_cast<unsigned char>(out[2]) << 16;
    EXPECT_EQ(assetgen::cp437_to_unicode(code), want) << "code " << code;
  }
  iconv_close(cd);
}

TEST(CodePage437, EveryCodeHasACharacterOfItsOwn) {
  std::set<char32_t> seen;
  for (int code = 1; code < 256; ++code) {
    const char32_t cp = assetgen::cp437_to_unicode(code);
    EXPECT_GE(cp, 0x20u) << "code " << code << " is a picture, not a control";
    EXPECT_TRUE(seen.insert(cp).second) << "code " << code;
    EXPECT_EQ(assetgen::unicode_to_cp437(cp), code);
  }
}

// A PSF2 font of `count` glyphs, each `height` rows of `width` bits; glyph g's
// row r holds byte g + r. `table` follows the glyphs as given.
Bytes psf2(std::uint32_t count, std::uint32_t width, std::uint32_t height, const std::string& table,
           std::uint32_t glyph_bytes = 0, std::uint32_t header = 32) {
  const std::uint32_t row = (width + 7) / 8;
  if (glyph_bytes == 0) glyph_bytes = row * height;
  Bytes b = {0x72, 0xB5, 0x4A, 0x86};
  for (std::uint32_t v : {0u, header, table.empty() ? 0u : 1u, count, glyph_bytes, height, width}) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  }
  for (std::uint32_t g = 0; g < count && g < 16; ++g) {
    for (std::uint32_t i = 0; i < row * height; ++i)
      b.push_back(static_cast<std::uint8_t>(g + i / row));
  }
  b.insert(b.end(), table.begin(), table.end());
  return b;
}

TEST(PsfReader, ReadsGlyphsAndTheUnicodeTable) {
  // Glyph 0: 'A' and U+2500; glyph 1: 'B', then a sequence that must not map 'C'.
  const std::string table =
      "A\xE2\x94\x80\xFF"
      "B\xFE"
      "C\xCC\x81\xFF";
  const auto font = parse_psf(psf2(2, 12, 2, table), "test");
  EXPECT_EQ(font.width, 12);
  EXPECT_EQ(font.height, 2);
  ASSERT_EQ(font.glyphs.size(), 2u);
  ASSERT_NE(font.find(U'\u2500'), nullptr);
  EXPECT_EQ(font.find(U'\u2500'), font.find('A'));
  EXPECT_EQ(font.find('C'), nullptr);
  // Glyph 1, row 1 holds bytes 0x02 0x02: bit 6 of each byte.
  const assetgen::Bitmap& b = *font.find('B');
  EXPECT_TRUE(b.at(6, 1));
  EXPECT_FALSE(b.at(7, 1));
  EXPECT_FALSE(b.at(11, 1));  // the 12-pixel row ends before the second byte's low bits
  EXPECT_TRUE(b.at(0, 0) == false && b.at(7, 0));
}

TEST(PsfReader, ReadsVersionOneFonts) {
  Bytes b = {0x36, 0x04, 0x02, 1};  // 256 glyphs of one row, with a table
  for (int g = 0; g < 256; ++g) b.push_back(static_cast<std::uint8_t>(g));
  for (int g = 0; g < 256; ++g) {
    const std::uint16_t cp = g == 1 ? 0x263A : static_cast<std::uint16_t>(g);
    for (std::uint16_t unit : {cp, std::uint16_t{0xFFFF}}) {
      b.push_back(unit & 0xFF);
      b.push_back(unit >> 8);
    }
  }
  const auto font = parse_psf(b, "test");
  ASSERT_NE(font.find(U'\u263A'), nullptr);
  EXPECT_TRUE(font.find(U'\u263A')->at(7, 0));
  EXPECT_TRUE(font.find('A')->at(1, 0) && font.find('A')->at(7, 0));  // 0x41
}

TEST(PsfReader, RefusesBrokenFontsInsteadOfReadingPastThem) {
  Bytes truncated_glyphs = psf2(4, 8, 8, "");
  truncated_glyphs.resize(truncated_glyphs.size() - 1);
  Bytes truncated_header = psf2(1, 8, 8, "");
  truncated_header.resize(20);
  const std::vector<std::pair<const char*, Bytes>> broken = {
      {"empty", {}},
      {"not a font", {'h', 'e', 'l', 'l', 'o'}},
      {"header cut short", truncated_header},
      {"glyph data cut short", truncated_glyphs},
      {"glyph size disagrees with width and height", psf2(1, 8, 8, "", 9)},
      {"billions of glyphs", psf2(0x7FFFFFFF, 8, 8, "")},
      {"header size past the end", psf2(1, 8, 8, "", 0, 4096)},
      {"glyphs of no width", psf2(1, 0, 8, "")},
      {"table without its end", psf2(1, 8, 1, "A")},
      {"bad UTF-8 in the table", psf2(1, 8, 1,
                                      "\xC3"
                                      "A\xFF")},
      {"version 1 with no rows", {0x36, 0x04, 0x00, 0x00}},
      {"version 1 cut short", {0x36, 0x04, 0x00, 0x08, 0x00}},
  };
  for (const auto& [why, bytes] : broken) {
    EXPECT_THROW(parse_psf(bytes, why), std::runtime_error) << why;
  }
}

TEST(PsfReader, LoadsGzippedFilesAndRefusesHugeOnes) {
  auto write_gz = [](const std::filesystem::path& file, const Bytes& bytes) {
    gzFile gz = gzopen(file.c_str(), "wb");
    ASSERT_NE(gz, nullptr);
    ASSERT_EQ(gzwrite(gz, bytes.data(), static_cast<unsigned>(bytes.size())),
              static_cast<int>(bytes.size()));
    gzclose(gz);
  };
  const auto good = scratch_path("assetgen_test_font").concat(".psf.gz");
  write_gz(good, psf2(1, 8, 1, "Z\xFF"));
  EXPECT_NE(assetgen::load_psf(good).find('Z'), nullptr);

  const auto bomb = scratch_path("assetgen_test_bomb").concat(".psf.gz");
  write_gz(bomb, Bytes(8u << 20, 0));
  EXPECT_THROW(assetgen::load_psf(bomb), std::runtime_error);
  EXPECT_THROW(assetgen::load_psf(scratch_path("assetgen_no_such_font")), std::runtime_error);
  std::filesystem::remove(good);
  std::filesystem::remove(bomb);
}

}  // namespace
}  // namespace assettest
