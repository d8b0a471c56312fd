// Times the game's start-up from outside: figures.sh preloads this library
// into the unchanged game (LD_PRELOAD), and the game's first call of
// TCOD_console_flush_ex, the title menu's first frame, writes the wall clock at
// its return (nanoseconds since the epoch) and the processor time the process
// has used so far, all its threads (nanoseconds), to the file named by
// EV_FIRST_FLUSH_FILE. Every later flush goes straight through.

#include <dlfcn.h>
#include <libtcod.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

extern "C" TCOD_Error TCOD_console_flush_ex(TCOD_Console* console,
                                            struct TCOD_ViewportOptions* viewport) {
  using Flush = TCOD_Error (*)(TCOD_Console*, struct TCOD_ViewportOptions*);
  static const Flush real = reinterpret_cast<Flush>(dlsym(RTLD_NEXT, "TCOD_console_flush_ex"));
  static bool stamped = false;
  TCOD_Error result = real(console, viewport);
  if (!stamped) {
    stamped = true;
    timespec now{}, used{};
    clock_gettime(CLOCK_REALTIME, &now);
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used);
    const char* path = std::getenv("EV_FIRST_FLUSH_FILE");
    if (FILE* out = path ? std::fopen(path, "w") : nullptr) {
      std::fprintf(out, "%lld%09ld %lld%09ld\n", static_cast<long long>(now.tv_sec), now.tv_nsec,
                   static_cast<long long>(used.tv_sec), used.tv_nsec);
      std::fclose(out);
    }
  }
  return result;
}
