#include "shell/console.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {
constexpr int kLineLimit = 4096;
}

void console_print(int x, int y, const char* format, ...) {
  char text[kLineLimit];
  va_list args;
  va_start(args, format);
  std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  // One call a line: in one multi-line call libtcod drops every line after
  // one that runs past the console's edge, as a sliding logo does.
  for (char* line = text; line != nullptr; ++y) {
    char* end = std::strchr(line, '\n');
    if (end != nullptr) *end = '\0';
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    TCOD_console_print(nullptr, x, y, "%s", line);
#pragma GCC diagnostic pop
    line = end != nullptr ? end + 1 : nullptr;
  }
}

void console_print_frame(int x, int y, int width, int height, bool clear, TCOD_bkgnd_flag_t flag) {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  TCOD_console_print_frame(nullptr, x, y, width, height, clear, flag, nullptr);
#pragma GCC diagnostic pop
}
