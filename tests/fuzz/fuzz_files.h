#pragma once
// A data folder in memory, so the real readers take the fuzzer's bytes with no
// disk I/O, and a check that ends the run (libFuzzer keeps the input).

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "shell/data_folder.h"
#include "shell/files.h"

#define FUZZ_CHECK(condition)                                                      \
  do {                                                                             \
    if (!(condition)) {                                                            \
      std::fprintf(stderr, "%s:%d: failed: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                \
    }                                                                              \
  } while (0)

// A folder that does not exist, lest a path memory mode missed find real files.
inline std::string fuzz_data_path(const std::string& name) {
  data_folder_ask({[] { return std::string("/nonexistent/ember_vortex_fuzz/data/"); },
                   [](const char*) { return std::string(); }});
  return data_path(name.c_str());
}

// A fresh data folder holding `name` alone, with these bytes.
inline void fuzz_data_file(const std::string& name, const uint8_t* data, size_t size) {
  std::string path = fuzz_data_path(name);
  files_memory_begin(data_folder());
  files_memory_put(path, std::vector<uint8_t>(data, data + size));
}

// The file as the game left it, or nothing.
inline std::vector<uint8_t> fuzz_data_bytes(const std::string& name) {
  auto bytes = file_read(fuzz_data_path(name), SIZE_MAX);
  return bytes ? *bytes : std::vector<uint8_t>{};
}
