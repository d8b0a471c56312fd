// The three console fonts the game offers and the window each gives a 50x70
// console.
#pragma once

#include <array>
#include <ostream>
#include <string>

namespace assettest {

struct FontCase {
  const char* png;
  int cell;
  int window_width;
  int window_height;
};

inline constexpr std::array<FontCase, 3> kFontCases = {{
    {"terminal.png", 8, 400, 560},
    {"termx15.png", 12, 600, 840},
    {"termx2.png", 16, 800, 1120},
}};

inline std::string font_case_name(const FontCase& f) {
  return "cell" + std::to_string(f.cell);
}
inline std::ostream& operator<<(std::ostream& out, const FontCase& f) {
  return out << f.png;
}

}  // namespace assettest
