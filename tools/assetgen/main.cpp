// assetgen: writes the game's fonts, icon and sounds, and on request a
// contact sheet of each font for review.
//
//   assetgen --out BUILD_DIR [--console-fonts DIR] [--contact-sheet DIR]

#include <cstdio>
#include <exception>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "contact_sheet.h"
#include "font.h"
#include "icon.h"
#include "sounds.h"
#include "wav.h"

namespace {

namespace fs = std::filesystem;
using namespace assetgen;

struct Options {
  std::optional<fs::path> out;
  std::optional<fs::path> contact_sheets;
  fs::path console_fonts = "/usr/share/consolefonts";
};

constexpr std::string_view kUsage =
    "usage: assetgen [--out DIR] [--contact-sheet DIR] [--console-fonts DIR]\n"
    "  --out DIR            write DIR/terminal/ (fonts, icon), DIR/sound/ and\n"
    "                       DIR/icons/ (the icon in the desktop's sizes)\n"
    "  --contact-sheet DIR  write DIR/font-x1.png, font-x15.png, font-x2.png\n"
    "  --console-fonts DIR  where the console-setup PSF fonts are\n";

std::optional<Options> parse(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (i + 1 >= argc) return std::nullopt;
    const fs::path value = argv[++i];
    if (arg == "--out") {
      options.out = value;
    } else if (arg == "--contact-sheet") {
      options.contact_sheets = value;
    } else if (arg == "--console-fonts") {
      options.console_fonts = value;
    } else {
      return std::nullopt;
    }
  }
  if (!options.out && !options.contact_sheets) return std::nullopt;
  return options;
}

void run(const Options& options) {
  if (options.out) {
    fs::create_directories(*options.out / "terminal");
    fs::create_directories(*options.out / "sound");
  }
  if (options.contact_sheets) fs::create_directories(*options.contact_sheets);
  for (const FontRecipe& recipe : font_recipes()) {
    const Font font = build_font(recipe, options.console_fonts);
    if (options.out) save_font_png(font, *options.out / "terminal" / recipe.png_name);
    if (options.contact_sheets) {
      save_contact_sheet(font, recipe, *options.contact_sheets / ("font-" + recipe.zoom + ".png"));
    }
  }
  if (!options.out) return;
  save_icon_bmp(*options.out / "terminal" / "EVicon.bmp");
  fs::create_directories(*options.out / "icons");
  for (int side : kIconPngSides) {
    const std::string size = std::to_string(side) + "x" + std::to_string(side);
    save_icon_png(side, *options.out / "icons" / (size + ".png"));
  }
  for (const SoundRecipe& recipe : sound_recipes()) {
    save_wav(make_sound(recipe), *options.out / "sound" / recipe.file);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const std::optional<Options> options = parse(argc, argv);
  if (!options) {
    std::fputs(kUsage.data(), stderr);
    return 2;
  }
  try {
    run(*options);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "assetgen: %s\n", e.what());
    return 1;
  }
  return 0;
}
