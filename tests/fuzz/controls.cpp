// data/controls.data: the first record of a file is the mapping; a file
// shorter than one leaves the defaults.

#include "shell/settings.h"
#include "tests/fuzz/fuzz_files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz_data_file("controls.data", data, size);
  controls_set_defaults();
  const Controls defaults = controls;
  controls_load();
  if (size < sizeof(ControlsRecord)) {
    FUZZ_CHECK(controls == defaults);
  } else {
    FUZZ_CHECK(controls == controls_decode(data));
  }
  files_memory_end();
  return 0;
}
