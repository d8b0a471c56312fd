// data/userprefs.data: the four fields are what a strict "%d" parse of the
// file's first bytes gives, and they survive a save and a load.

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <optional>
#include <string>

#include "shell/settings.h"
#include "tests/fuzz/fuzz_files.h"

namespace {

constexpr size_t kReadLimit = 256;  // the reader looks no further

// fscanf's "%d" is strtol's: a number beyond 32 bits is unreadable.
std::optional<int32_t> strict_field(const char*& at) {
  char* end = nullptr;
  errno = 0;
  long long value = std::strtoll(at, &end, 10);
  if (end == at || errno == ERANGE || value < INT32_MIN || value > INT32_MAX) return std::nullopt;
  at = end;
  return static_cast<int32_t>(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz_data_file("userprefs.data", data, size);
  settings = Settings{7, 7, 7, 7, 0};  // stale values a field must not keep
  settings_load();
  int32_t Settings::*fields[] = {&Settings::colour_mode, &Settings::bullet_colour_mode,
                                 &Settings::particles, &Settings::screen_size};
  const std::string text(reinterpret_cast<const char*>(data), std::min(size, kReadLimit));
  const char* at = text.c_str();
  bool readable = true;
  for (auto field : fields) {
    std::optional<int32_t> expected = readable ? strict_field(at) : std::nullopt;
    readable = expected.has_value();
    FUZZ_CHECK(settings.*field == expected.value_or(0));
  }

  const Settings loaded = settings;
  settings_save();
  settings = Settings{};
  settings_load();
  for (auto field : fields) FUZZ_CHECK(settings.*field == loaded.*field);
  files_memory_end();
  return 0;
}
