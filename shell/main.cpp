// Ember Vortex. Without arguments the game starts at its title menu; the
// options record the games played or play a recording back.

#include <cstdio>
#include <string>

#include "frontend/title_menu.h"
#include "shell/replay.h"
#include "shell/session.h"
#include "shell/startup.h"

namespace {

constexpr const char* kUsage =
    "usage: ember_vortex [--record FILE | --replay FILE [--headless]]\n"
    "  --record FILE   play, recording every game into FILE\n"
    "  --replay FILE   play the recorded games back in the window (Escape stops)\n"
    "  --headless      with --replay: no window and no pacing; check each game\n"
    "                  against its recording and print its result and digests\n"
    "  --help          show this help\n"
    "  --version       show the version\n";
constexpr int kUsageStatus = 2;

struct Options {
  std::string record;
  std::string replay;
  bool headless = false;
  bool help = false;
  bool version = false;
};

// False for anything the usage does not allow.
bool parse(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    std::string flag = argv[i];
    if (flag == "--help") {
      options.help = true;
    } else if (flag == "--version") {
      options.version = true;
    } else if (flag == "--headless") {
      options.headless = true;
    } else if ((flag == "--record" || flag == "--replay") && i + 1 < argc) {
      (flag == "--record" ? options.record : options.replay) = argv[++i];
    } else {
      return false;
    }
  }
  if (!options.record.empty() && !options.replay.empty()) return false;
  return !options.headless || !options.replay.empty();
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!parse(argc, argv, options)) {
    std::fputs(kUsage, stderr);
    return kUsageStatus;
  }
  if (options.help) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (options.version) {
    // The format a recording made now is written in.
    std::printf("Ember Vortex %s (replay format %u)\n", EV_VERSION, kReplayVersion);
    return 0;
  }
  if (!options.replay.empty()) return session_replay_main(options.replay, options.headless);
  startup();
  if (!options.record.empty()) session_record(options.record);
  title_menu();
  return 0;
}
