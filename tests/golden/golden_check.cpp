// Plays a golden recording back headless and holds it to the files checked in
// beside it: the trace's digests and the running hash of every flush. No test
// framework, so that the WebAssembly build can run the very same check.
//
//   golden_check level|session
//
// Exits 0 when the playback agrees with both files, 1 naming the first line
// that parts, 2 when a file is missing or refused.

#include <cstdio>
#include <sstream>
#include <string>

#include "shell/files.h"
#include "shell/platform.h"
#include "shell/session.h"
#include "tests/golden/golden.h"

namespace {

std::string text_of(const std::string& path) {
  auto bytes = file_read(path, size_t{1} << 24);
  return bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
}

// Only the first line that parts is worth reading: every later one differs too.
bool agree(const std::string& what, const std::string& got, const std::string& want) {
  std::istringstream got_lines(got), want_lines(want);
  std::string line, wanted;
  for (int n = 1;; ++n) {
    const bool more = !std::getline(got_lines, line).fail();
    const bool more_wanted = !std::getline(want_lines, wanted).fail();
    if (!more && !more_wanted) return true;
    if (more != more_wanted || line != wanted) {
      std::fprintf(stderr, "golden_check: %s parts at line %d:\n  played:   %s\n  recorded: %s\n",
                   what.c_str(), n, more ? line.c_str() : "(nothing)",
                   more_wanted ? wanted.c_str() : "(nothing)");
      return false;
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  const std::string run = argc == 2 ? argv[1] : "";
  if (run != "level" && run != "session") {
    std::fputs("usage: golden_check level|session\n", stderr);
    return 2;
  }
  const bool level = run == "level";
  ReplayRead read = replay_load(golden_path(run, ".replay"));
  const std::string trace = text_of(golden_path(run, ".trace"));
  const std::string frames = text_of(golden_path(run, ".frames"));
  if (!read.replay || frames.empty()) {
    std::fprintf(stderr, "golden_check: %s: %s\n", golden_path(run, ".replay").c_str(),
                 read.replay ? "no trace or frame notes beside it" : read.error.c_str());
    return 2;
  }
  golden_start_headless();
  platform_script_begin();
  golden_frames_begin();
  platform_script_on_flush([level](int flush) {
    golden_frames_flush(flush);
    if (level) golden_keep_alive();
  });
  std::vector<GamePlayed> played = session_replay(*read.replay, false);
  platform_script_end();

  std::string digests;
  bool in_step = !played.empty();
  for (const GamePlayed& game : played) {
    for (const TraceDigest& digest : game.digests) digests += trace_line(digest) + '\n';
    in_step = in_step && !game.out_of_step;
  }
  bool ok = agree(run + ".trace", digests, trace);
  ok = agree(run + ".frames", golden_frames_notes(), frames) && ok;
  if (!in_step)
    std::fprintf(stderr, "golden_check: the %s took other input than was recorded\n", run.c_str());
  if (ok && in_step) std::printf("golden %s: the trace and every flush agree\n", run.c_str());
  return ok && in_step ? 0 : 1;
}
