#include "frontend/logo.h"

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
