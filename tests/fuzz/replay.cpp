// Replay files: a file is either refused with a one-line reason or decoded,
// and a decoded replay encodes to bytes that decode to the same games; a file
// already in the current version encodes back to its very same bytes.

#include "shell/replay.h"
#include "tests/fuzz/fuzz_files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz_data_file("fuzz.replay", data, size);
  ReplayRead read = replay_load(fuzz_data_path("fuzz.replay"));
  files_memory_end();
  if (!read.replay) {
    FUZZ_CHECK(!read.error.empty() && read.error.find('\n') == std::string::npos);
    return 0;
  }
  FUZZ_CHECK(read.error.empty());
  const std::vector<uint8_t> bytes = replay_encode(*read.replay);
  ReplayRead again = replay_decode(bytes);
  FUZZ_CHECK(again.replay && again.replay->games == read.replay->games);
  FUZZ_CHECK(replay_encode(*again.replay) == bytes);
  // The header was read whole, so its little-endian version is there.
  const uint32_t version = data[4] | data[5] << 8 | data[6] << 16 | uint32_t{data[7]} << 24;
  if (version == kReplayVersion) FUZZ_CHECK(bytes == std::vector<uint8_t>(data, data + size));
  return 0;
}
