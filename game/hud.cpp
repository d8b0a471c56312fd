#include "game/hud.h"

#include "game/globals.h"
#include "shell/console.h"

namespace {

constexpr int kPanelRows = 10;
constexpr int kBarX = 18;  // a cell for every five points

// Blue-violet when full, red when empty.
TCOD_color_t bar_colour(double value) {
  auto channel = [](double v) { return static_cast<uint8_t>(static_cast<int>(v)); };
  return TCOD_color_RGB(channel(200 - 1.5 * value), 25, channel(50 + 1.5 * value));
}

void draw_bar(int y, double cells, double value) {
  TCOD_console_set_default_foreground(nullptr, bar_colour(value));
  for (int i = 0; i < cells; ++i) console_print(kBarX + i, y, "=");
}

const char* shield_word(int shield) {
  if (shield == 100) return "   OK  ";
  if (shield >= 25 && shield <= 99) return "DAMAGED ";
  if (shield <= 24) return "CRITICAL";
  return "";
}

}  // namespace

void hud_draw(const Player& player, const Score& score) {
  const int width = TCOD_console_get_width(nullptr);
  const int height = TCOD_console_get_height(nullptr);
  const TCOD_color_t ship = player.glyph.colour;
  const int score_row = height - 8, shield_row = height - 6, energy_row = height - 4,
            boss_row = height - 2;

  TCOD_console_set_default_foreground(nullptr, ship);
  console_print_frame(0, 0, width, height - kPanelRows, false, TCOD_BKGND_SET);
  console_print_frame(0, height - kPanelRows, width, kPanelRows, true, TCOD_BKGND_SET);
  TCOD_console_set_background_flag(nullptr, TCOD_BKGND_SET);
  TCOD_console_set_alignment(nullptr, TCOD_LEFT);

  console_print(2, score_row, "SCORE   = %010d MULTI = %.1f", score.score,
                game.score_factor * score.multiplier);
  console_print(36, score_row, "HIT = %04d", score.hits);

  console_print(2, shield_row, "SHIELD  = [%d", player.shield);
  console_print(16, shield_row, "][");
  draw_bar(shield_row, player.shield / 5, player.shield);
  TCOD_console_set_default_foreground(nullptr, ship);

  console_print(2, energy_row, "ENERGY  = [%d", player.energy);
  console_print(16, energy_row, "][");
  // A partly filled fifth of energy still shows a cell.
  draw_bar(energy_row, player.energy / 5.0, player.energy);
  TCOD_console_set_default_foreground(nullptr, ship);
  console_print(38, energy_row, "][");

  // A boss with no full health on record reads as no boss.
  double boss_share = game.boss_hp_full != 0 ? 100.0 * game.boss_hp / game.boss_hp_full : 0;
  int boss_percent = static_cast<int>(boss_share);
  console_print(2, boss_row, "BOSS    = [%d", boss_percent);
  console_print(16, boss_row, "][");
  draw_bar(boss_row, boss_percent / 5, boss_share);
  TCOD_console_set_default_foreground(nullptr, ship);
  console_print(38, boss_row, "][    %d", game.boss_timer);
  console_print(48, boss_row, "]");

  console_print(40, energy_row, "%s", player.energy <= 74 ? "CHARGING" : "  READY ");
  console_print(48, energy_row, "]");
  console_print(38, shield_row, "][");
  console_print(40, shield_row, "%s", shield_word(player.shield));
  console_print(48, shield_row, "]");
}
