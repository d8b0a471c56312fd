// data/userprefs.data: the four fields are what a strict "%d" parse of the
// file's first bytes gives, and they survive a save and a load.

#include <algorithm>
#include <iterator>
#include <optional>

#include "shell/settings.h"
#include "tests/fuzz/fuzz_files.h"

namespace {

constexpr size_t kReadLimit = 256;  // the reader looks no further

// fscanf's "%d": blanks, one optional sign, at least one digit. A number
// beyond 32 bits is unreadable.
std::optional<int32_t> strict_field(const uint8_t*& at, const uint8_t* end) {
  auto blank = [](uint8_t c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
  while (at < end && blank(*at)) ++at;
  bool negative = at < end && *at == '-';
  if (at < end && (*at == '-' || *at == '+')) ++at;
  int64_t value = 0;
  bool digits = false, too_big = false;
  for (; at < end && *at >= '0' && *at <= '9'; ++at) {
    digits = true;
    value = value * 10 + (*at - '0');
    if (value > int64_t{INT32_MAX} + 1) {
      too_big = true;
      value = 0;
    }
  }
  if (negative) value = -value;
  if (!digits || too_big || value > INT32_MAX) return std::nullopt;
  return static_cast<int32_t>(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz_data_file("userprefs.data", data, size);
  settings = Settings{7, 7, 7, 7, 0};  // stale values a field must not keep
  settings_load();
  int32_t* fields[] = {&settings.colour_mode, &settings.bullet_colour_mode, &settings.particles,
                       &settings.screen_size};
  const uint8_t* at = data;
  const uint8_t* end = data + std::min(size, kReadLimit);
  bool readable = true;
  for (int32_t* field : fields) {
    std::optional<int32_t> expected = readable ? strict_field(at, end) : std::nullopt;
    readable = expected.has_value();
    FUZZ_CHECK(*field == expected.value_or(0));
  }
  FUZZ_CHECK(settings.stars == 0);  // never stored

  int32_t loaded[std::size(fields)];
  for (size_t i = 0; i < std::size(fields); ++i) loaded[i] = *fields[i];
  settings_save();
  settings = Settings{};
  settings_load();
  for (size_t i = 0; i < std::size(fields); ++i) FUZZ_CHECK(*fields[i] == loaded[i]);
  files_memory_end();
  return 0;
}
