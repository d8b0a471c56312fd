#include "frontend/logo.h"

#include <string>
#include <string_view>

#include "shell/console.h"

// clang-format off
const char* const kLogoEmber =
    " __          __   __   __\n"
    "|__  |\\  /| |__| |__  |__|\n"
    "|    | \\/ | |  \\ |    | \\\n"
    "|__  |    | |__/ |__  |  \\";

const char* const kLogoVortex =
    "        __   __  ___  __  \\  /\n"
    "\\    / |  | |__|  |  |__   \\/\n"
    " \\  /  |  | | \\   |  |     /\\\n"
    "  \\/   |__| |  \\  |  |__  /  \\";
// clang-format on

void logo_print(const char* block, int x, int y) {
  std::string_view rest = block;
  for (int row = y; !rest.empty(); ++row) {
    size_t end = rest.find('\n');
    std::string line(rest.substr(0, end));
    console_print(x, row, "%s", line.c_str());
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
  }
}
