#include "wav.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <string_view>

#include "staged_file.h"

namespace assetgen {
namespace {

constexpr std::uint16_t kPcm = 1;
constexpr std::uint16_t kChannels = 1;
constexpr std::uint16_t kBitsPerSample = 16;
constexpr std::uint32_t kFmtChunkBytes = 16;
constexpr std::uint32_t kHeaderBytesAfterSize = 36;  // "WAVE" + fmt chunk + data chunk header
constexpr double kFullScale = 32767.0;

class LittleEndian {
 public:
  void text(std::string_view s) { bytes_.insert(bytes_.end(), s.begin(), s.end()); }
  void u16(std::uint16_t v) {
    bytes_.push_back(static_cast<char>(v & 0xFF));
    bytes_.push_back(static_cast<char>(v >> 8));
  }
  void u32(std::uint32_t v) {
    u16(static_cast<std::uint16_t>(v & 0xFFFF));
    u16(static_cast<std::uint16_t>(v >> 16));
  }
  const std::string& bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

}  // namespace

void save_wav(const Samples& samples, const std::filesystem::path& file) {
  const std::uint16_t block = kChannels * kBitsPerSample / 8;
  const std::uint32_t data_bytes = static_cast<std::uint32_t>(samples.size()) * block;
  LittleEndian out;
  out.text("RIFF");
  out.u32(kHeaderBytesAfterSize + data_bytes);
  out.text("WAVE");
  out.text("fmt ");
  out.u32(kFmtChunkBytes);
  out.u16(kPcm);
  out.u16(kChannels);
  out.u32(kSampleRate);
  out.u32(kSampleRate * block);
  out.u16(block);
  out.u16(kBitsPerSample);
  out.text("data");
  out.u32(data_bytes);
  for (float s : samples) {
    const double clamped = std::clamp(static_cast<double>(s), -1.0, 1.0);
    out.u16(
        static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(clamped * kFullScale))));
  }

  StagedFile staged(file);
  {
    std::ofstream stream(staged.temp_path(), std::ios::binary);
    stream.write(out.bytes().data(), static_cast<std::streamsize>(out.bytes().size()));
    if (!stream) throw std::runtime_error(file.string() + ": write failed");
  }
  staged.commit();
}

}  // namespace assetgen
