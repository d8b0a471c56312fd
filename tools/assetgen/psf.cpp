#include "psf.h"

#include <zlib.h>

#include <algorithm>
#include <memory>
#include <stdexcept>

namespace assetgen {
namespace {

// The largest console fonts are a few tens of kilobytes; anything far bigger
// is not a font and is refused before it fills memory.
constexpr std::size_t kMaxFontBytes = 4u << 20;
constexpr std::uint32_t kMaxGlyphs = 65536;
constexpr std::uint32_t kMaxGlyphSide = 64;

class Reader {
 public:
  Reader(std::span<const std::uint8_t> bytes, const std::string& origin)
      : bytes_(bytes), origin_(origin) {}

  [[noreturn]] void fail(const std::string& why) const {
    throw std::runtime_error(origin_ + ": " + why);
  }
  std::size_t size() const { return bytes_.size(); }
  std::size_t pos() const { return pos_; }
  void seek(std::size_t to) {
    if (to > bytes_.size()) fail("offset past the end of the file");
    pos_ = to;
  }
  std::uint8_t u8() {
    if (pos_ >= bytes_.size()) fail("truncated");
    return bytes_[pos_++];
  }
  std::uint16_t u16() {
    const std::uint16_t lo = u8();
    return static_cast<std::uint16_t>(lo | (u8() << 8));
  }
  std::uint32_t u32() {
    const std::uint32_t lo = u16();
    return lo | (static_cast<std::uint32_t>(u16()) << 16);
  }
  std::span<const std::uint8_t> take(std::size_t n) {
    if (n > bytes_.size() - pos_) fail("truncated");
    auto out = bytes_.subspan(pos_, n);
    pos_ += n;
    return out;
  }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t pos_ = 0;
  const std::string& origin_;
};

Bitmap decode_glyph(std::span<const std::uint8_t> rows, int width, int height) {
  const int row_bytes = (width + 7) / 8;
  Bitmap glyph(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::uint8_t byte = rows[static_cast<std::size_t>(y) * row_bytes + x / 8];
      glyph.set(x, y, (byte >> (7 - x % 8)) & 1);
    }
  }
  return glyph;
}

void read_glyphs(Reader& in, PsfFont& font, std::uint32_t count, std::size_t glyph_bytes) {
  if (static_cast<std::uint64_t>(count) * glyph_bytes > in.size() - in.pos()) {
    in.fail("header promises more glyph data than the file holds");
  }
  font.glyphs.reserve(count);
  for (std::uint32_t i = 0; i < count; ++i) {
    font.glyphs.push_back(decode_glyph(in.take(glyph_bytes), font.width, font.height));
  }
}

// A glyph can serve several code points; a code point keeps its first glyph.
void map_code_point(PsfFont& font, char32_t code_point, std::size_t glyph) {
  font.glyph_of.emplace(code_point, glyph);
}

char32_t read_utf8(Reader& in, std::uint8_t lead) {
  int extra = 0;
  char32_t cp = 0;
  if (lead < 0x80) return lead;
  if ((lead & 0xE0) == 0xC0) {
    extra = 1;
    cp = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2;
    cp = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3;
    cp = lead & 0x07;
  } else {
    in.fail("bad UTF-8 in the Unicode table");
  }
  for (int i = 0; i < extra; ++i) {
    const std::uint8_t next = in.u8();
    if ((next & 0xC0) != 0x80) in.fail("bad UTF-8 in the Unicode table");
    cp = (cp << 6) | (next & 0x3F);
  }
  if (cp > 0x10FFFF) in.fail("code point out of range in the Unicode table");
  return cp;
}

constexpr std::uint8_t kPsf1Magic[2] = {0x36, 0x04};
constexpr std::uint8_t kPsf1Has512 = 0x01;
constexpr std::uint8_t kPsf1HasTable = 0x02;
constexpr std::uint8_t kPsf1HasSequences = 0x04;
constexpr std::uint16_t kPsf1Separator = 0xFFFF;
constexpr std::uint16_t kPsf1SequenceStart = 0xFFFE;

PsfFont parse_psf1(Reader& in) {
  in.seek(2);
  const std::uint8_t mode = in.u8();
  const std::uint8_t char_size = in.u8();
  if (char_size == 0) in.fail("glyphs of height zero");
  PsfFont font;
  font.width = 8;
  font.height = char_size;
  read_glyphs(in, font, (mode & kPsf1Has512) ? 512 : 256, char_size);
  if (!(mode & (kPsf1HasTable | kPsf1HasSequences))) return font;
  for (std::size_t glyph = 0; glyph < font.glyphs.size(); ++glyph) {
    bool in_sequence = false;  // sequences name composed characters: not needed here
    for (std::uint16_t unit = in.u16(); unit != kPsf1Separator; unit = in.u16()) {
      if (unit == kPsf1SequenceStart) in_sequence = true;
      if (!in_sequence) map_code_point(font, unit, glyph);
    }
  }
  return font;
}

constexpr std::uint8_t kPsf2Magic[4] = {0x72, 0xB5, 0x4A, 0x86};
constexpr std::uint32_t kPsf2HeaderBytes = 32;
constexpr std::uint32_t kPsf2HasTable = 0x01;
constexpr std::uint8_t kPsf2Separator = 0xFF;
constexpr std::uint8_t kPsf2SequenceStart = 0xFE;

PsfFont parse_psf2(Reader& in) {
  in.seek(4);
  in.u32();  // version: every known one shares this layout
  const std::uint32_t header_size = in.u32();
  const std::uint32_t flags = in.u32();
  const std::uint32_t count = in.u32();
  const std::uint32_t glyph_bytes = in.u32();
  const std::uint32_t height = in.u32();
  const std::uint32_t width = in.u32();
  if (header_size < kPsf2HeaderBytes) in.fail("header too short");
  if (width == 0 || height == 0 || width > kMaxGlyphSide || height > kMaxGlyphSide) {
    in.fail("implausible glyph size");
  }
  if (glyph_bytes != height * ((width + 7) / 8)) in.fail("glyph size disagrees with its bitmap");
  if (count == 0 || count > kMaxGlyphs) in.fail("implausible glyph count");
  in.seek(header_size);
  PsfFont font;
  font.width = static_cast<int>(width);
  font.height = static_cast<int>(height);
  read_glyphs(in, font, count, glyph_bytes);
  if (!(flags & kPsf2HasTable)) return font;
  for (std::size_t glyph = 0; glyph < font.glyphs.size(); ++glyph) {
    bool in_sequence = false;
    for (std::uint8_t byte = in.u8(); byte != kPsf2Separator; byte = in.u8()) {
      if (byte == kPsf2SequenceStart) {
        in_sequence = true;
        continue;
      }
      const char32_t cp = read_utf8(in, byte);
      if (!in_sequence) map_code_point(font, cp, glyph);
    }
  }
  return font;
}

std::vector<std::uint8_t> read_maybe_gzipped(const std::filesystem::path& file) {
  // gzread passes plain files through unchanged, so both kinds load here.
  std::unique_ptr<gzFile_s, decltype(&gzclose)> gz(gzopen(file.c_str(), "rb"), &gzclose);
  if (!gz) throw std::runtime_error(file.string() + ": cannot open");
  std::vector<std::uint8_t> bytes;
  std::uint8_t chunk[16384];
  for (;;) {
    const int got = gzread(gz.get(), chunk, sizeof chunk);
    if (got < 0) throw std::runtime_error(file.string() + ": corrupt gzip data");
    if (got == 0) break;
    bytes.insert(bytes.end(), chunk, chunk + got);
    if (bytes.size() > kMaxFontBytes) throw std::runtime_error(file.string() + ": too large");
  }
  return bytes;
}

}  // namespace

const Bitmap* PsfFont::find(char32_t code_point) const {
  const auto it = glyph_of.find(code_point);
  return it == glyph_of.end() ? nullptr : &glyphs[it->second];
}

PsfFont parse_psf(std::span<const std::uint8_t> bytes, const std::string& origin) {
  Reader in(bytes, origin);
  if (bytes.size() >= 4 && std::equal(kPsf2Magic, kPsf2Magic + 4, bytes.begin())) {
    return parse_psf2(in);
  }
  if (bytes.size() >= 2 && std::equal(kPsf1Magic, kPsf1Magic + 2, bytes.begin())) {
    return parse_psf1(in);
  }
  in.fail("not a PSF font");
}

PsfFont load_psf(const std::filesystem::path& file) {
  return parse_psf(read_maybe_gzipped(file), file.string());
}

}  // namespace assetgen
