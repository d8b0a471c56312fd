#include "png.h"

#include <zlib.h>

#include <fstream>
#include <stdexcept>
#include <string>
#include <string_view>

#include "staged_file.h"

namespace assetgen {
namespace {

void put_be32(std::string& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<char>(value >> shift));
}

// Length, type, data and the CRC of type and data.
void put_chunk(std::string& out, std::string_view type, const std::string& data) {
  put_be32(out, static_cast<std::uint32_t>(data.size()));
  const std::string body = std::string(type) + data;
  out += body;
  put_be32(out, static_cast<std::uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(body.data()),
                                                 static_cast<uInt>(body.size()))));
}

}  // namespace

void save_rgba_png(int width, int height, const std::vector<Rgba>& pixels,
                   const std::filesystem::path& file) {
  if (width <= 0 || height <= 0 || pixels.size() != static_cast<std::size_t>(width) * height) {
    throw std::invalid_argument(file.string() + ": pixels do not fill the picture");
  }
  constexpr char kColourRgba = 6;
  std::string header;
  put_be32(header, static_cast<std::uint32_t>(width));
  put_be32(header, static_cast<std::uint32_t>(height));
  header += {8, kColourRgba, 0, 0, 0};  // 8 bits a sample, deflate, no filter set, not interlaced

  std::string rows;
  for (int y = 0; y < height; ++y) {
    rows.push_back(0);  // each row unfiltered
    for (int x = 0; x < width; ++x) {
      const Rgba& p = pixels[static_cast<std::size_t>(y) * width + x];
      rows += {static_cast<char>(p.r), static_cast<char>(p.g), static_cast<char>(p.b),
               static_cast<char>(p.a)};
    }
  }
  uLongf packed_size = compressBound(rows.size());
  std::string packed(packed_size, '\0');
  if (compress2(reinterpret_cast<Bytef*>(packed.data()), &packed_size,
                reinterpret_cast<const Bytef*>(rows.data()), rows.size(),
                Z_BEST_COMPRESSION) != Z_OK) {
    throw std::runtime_error(file.string() + ": zlib could not compress the pixels");
  }
  packed.resize(packed_size);

  std::string png = "\x89PNG\r\n\x1a\n";
  put_chunk(png, "IHDR", header);
  put_chunk(png, "IDAT", packed);
  put_chunk(png, "IEND", "");

  StagedFile staged(file);
  {
    std::ofstream stream(staged.temp_path(), std::ios::binary);
    stream.write(png.data(), static_cast<std::streamsize>(png.size()));
    if (!stream) throw std::runtime_error(file.string() + ": write failed");
  }
  staged.commit();
}

}  // namespace assetgen
