// Plays a golden recording back headless and holds it to the files checked in
// beside it: the trace's digests and the running hash of every flush. No test
// framework, so that the WebAssembly build can run the very same check.
//
//   golden_check level|session
//
// Exits 0 when the playback agrees with the files, 1 naming the first line
// that parts and showing the screen and sounds of the first flush that parts,
// 2 when a file is missing or refused.

#include <libtcod.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "shell/files.h"
#include "shell/platform.h"
#include "shell/session.h"
#include "shell/sound.h"
#include "tests/golden/golden.h"
#include "tools/assetgen/cp437.h"

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

// A glyph as text: a code below 256 as the font's code page 437 draws it, anything above as
// the Unicode code point libtcod keeps it as; a re-record is approved by reading this.
std::string glyph_text(int ch) {
  const char32_t code = ch == 0 ? U' ' : ch < 0x100 ? assetgen::cp437_to_unicode(ch) : char32_t(ch);
  std::string out;
  if (code < 0x80) return out + static_cast<char>(code);
  if (code < 0x800) return out + char(0xc0 | code >> 6) + char(0x80 | (code & 0x3f));
  return out + char(0xe0 | code >> 12) + char(0x80 | (code >> 6 & 0x3f)) +
         char(0x80 | (code & 0x3f));
}

// What the player saw and heard at a flush: the sounds as the notes fold them, effect and
// panning, then the console row by row between bars.
std::string flush_text(int flush, const std::vector<SoundPlay>& heard) {
  std::string text = "golden_check: the first flush that parts is " + std::to_string(flush) +
                     "; fade " + std::to_string(TCOD_console_get_fade()) + "; sounds:";
  char line[48];
  for (const SoundPlay& play : heard) {
    std::snprintf(line, sizeof line, play.panned ? " %d (left %d right %d)" : " %d", play.effect,
                  play.panning.left, play.panning.right);
    text += line;
  }
  text += heard.empty() ? " none; it drew:\n" : "; it drew:\n";
  for (int y = 0; y < TCOD_console_get_height(nullptr); ++y) {
    std::snprintf(line, sizeof line, "  %2d |", y);
    text += line;
    for (int x = 0; x < TCOD_console_get_width(nullptr); ++x)
      text += glyph_text(TCOD_console_get_char(nullptr, x, y));
    text += "|\n";
  }
  return text;
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
  const std::string flushes = text_of(golden_path(run, ".flushes"));
  if (!read.replay || frames.empty() || flushes.empty()) {
    std::fprintf(
        stderr, "golden_check: %s: %s\n", golden_path(run, ".replay").c_str(),
        read.replay ? "no trace, frame notes or flush hashes beside it" : read.error.c_str());
    return 2;
  }
  golden_start_headless();
  platform_script_begin();
  golden_frames_begin();
  std::string first_parted;
  platform_script_on_flush([&](int flush) {
    const std::vector<SoundPlay> heard = sound_played();
    golden_frames_flush(flush);
    if (level) golden_keep_alive();
    // The hashes run on, so once they part every later flush parts too.
    const std::string& hashes = golden_frames_hashes();
    const size_t at = hashes.size() - 4;
    if (first_parted.empty() &&
        hashes.compare(at, 4, flushes, std::min(at, flushes.size()), 4) != 0)
      first_parted = flush_text(flush, heard);
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
  const size_t played_flushes = golden_frames_hashes().size() / 4;
  std::fputs(first_parted.c_str(), stderr);
  if (first_parted.empty() && played_flushes != flushes.size() / 4)
    std::fprintf(stderr, "golden_check: %zu flushes played, %zu recorded\n", played_flushes,
                 flushes.size() / 4);
  ok = first_parted.empty() && played_flushes == flushes.size() / 4 && ok;
  if (!in_step)
    std::fprintf(stderr, "golden_check: the %s took other input than was recorded\n", run.c_str());
  if (ok && in_step) std::printf("golden %s: the trace and every flush agree\n", run.c_str());
  return ok && in_step ? 0 : 1;
}
