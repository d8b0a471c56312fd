#include "game/game_loop.h"

#include <cctype>

#include "frontend/continue_offer.h"
#include "frontend/demo_end_screen.h"
#include "frontend/name_entry.h"
#include "frontend/score_table.h"
#include "frontend/scoreboard.h"
#include "fx/particle.h"
#include "game/collisions.h"
#include "game/director.h"
#include "game/globals.h"
#include "game/player.h"
#include "game/score.h"
#include "game/screen.h"
#include "game/trace.h"
#include "game/world.h"
#include "shell/console.h"
#include "shell/input.h"
#include "shell/platform.h"
#include "shell/settings.h"

namespace {

constexpr int kFadeFrames = 64;
constexpr int kFadeStep = 4;
constexpr int kOpaque = 255;
constexpr int kStartStars = 100;

// An ending's timetable, counted from its first frame as 1: over its last
// frames the screen fades by two levels a frame, and its last frame is never
// shown: the screen after it comes instead.
struct Timetable {
  int frames;
  int fade_frames;
};
constexpr Timetable kGameOver{300, 127};
constexpr Timetable kVictory{172, 126};  // the fortress's fall, then the fade
constexpr int kSlideFrames = 50;         // the game-over art slides in, then stands

// The two words of the game-over art: sliding into place, then standing.
constexpr const char* kGameSliding =
    "     __ ___        __ \n    /   /  / /|/|  /    \n   /   /--/ /   | /-  \n"
    "  /__//  / /    |/__  \n ";
constexpr const char* kOverSliding[] = {
    "   ___        __  _ \n ",
    "  /  / |  /  /   / )\n ",
    " /  /  | /  /-- /_|\n ",
    "/__/   |/  /__ /  |\n ",
};
constexpr const char* kGameStanding =
    "     __  ___        __ \n    /   /  / /|/|  /    \n   /   /--/ /   | /-  \n"
    "  /__//  / /    |/__  \n ";
constexpr const char* kOverStanding =
    "    ___        __  _\n   /  / |  /  /   / )\n  /  /  | /  /-- /_|\n /__/   |/  /__ /  |\n ";

void set_fade(int level) {
  TCOD_console_set_fade(static_cast<uint8_t>(level), TCOD_black);
}

// Fades out whatever the menu left on screen.
void fade_out_menu() {
  for (int frame = 0; frame < kFadeFrames; ++frame) {
    set_fade(kOpaque - kFadeStep * frame);
    platform_flush();
  }
  set_fade(kOpaque);
}

void add_start_stars(World& world) {
  for (int i = 0; i < kStartStars; ++i) {
    int speed = TCOD_random_get_int(nullptr, kStarSpeedMin, kStarSpeedMax);
    int row = TCOD_random_get_int(nullptr, 0, kScreenHeight);
    int column = TCOD_random_get_int(nullptr, 0, kScreenWidth);
    star_spawn(column, row, speed, world);
  }
}

// Every game starts from the same state: nothing of a previous game (its
// double score, its boss, its ship's cell) carries over.
void start_globals() {
  game = GameGlobals{};
}

// GAME rises from below and OVER comes in from the right, a cell a frame.
void draw_game_over_art(int frame) {
  if (frame <= kSlideFrames) {
    console_print(10, 76 - frame, "%s", kGameSliding);
    for (int line = 0; line < 4; ++line) {
      console_print(67 - frame, 30 + line, "%s", kOverSliding[line]);
    }
  } else {
    console_print(10, 25, "%s", kGameStanding);
    console_print(16, 30, "%s", kOverStanding);
  }
}

// How the game is ending. Both endings can run at once: the ship lost or
// Escape pressed while the fortress falls, or the other way round.
struct Ending {
  bool over = false;    // the last continue declined, or Escape
  int over_frames = 0;  // frames of the game-over sequence shown
  int won_frames = 0;   // frames since the game was won
};

// Sets the frame's fade; true on the timetable's last frame.
bool ending_frame(const Timetable& timetable, int frame) {
  const int left = timetable.frames - frame;
  if (left == 0) {
    set_fade(kOpaque);
    return true;
  }
  if (left <= timetable.fade_frames) set_fade(2 * left);
  return false;
}

// A win during the game-over sequence (Escape or the ship lost, then the
// fortress falls or runs out of time) takes over its frames: within the
// victory's quiet opening they count as the victory's own; later the
// game-over's timetable runs on, without the art, and ends as a victory.
bool victory_frame(const Ending& ending) {
  const int frame = ending.over_frames + ending.won_frames;
  const bool early = ending.over_frames < kVictory.frames - kVictory.fade_frames;
  return ending_frame(early ? kVictory : kGameOver, frame);
}

// A trigger flag follows its edge reader: pressed sets, released clears.
void follow_edge(int edge, bool& held) {
  if (edge == 1) held = true;
  if (edge == 0) held = false;
}

bool is_p(const TCOD_key_t& key) {
  return std::toupper(static_cast<unsigned char>(key.c)) == 'P';
}

// Holds the last frame until 'P' is pressed again and let go.
void pause_game() {
  while (!platform_window_closed()) {
    platform_flush();
    if (is_p(platform_poll_key(TCOD_KEY_PRESSED))) break;
  }
  while (!platform_window_closed()) {
    platform_flush();
    if (is_p(platform_poll_key(TCOD_KEY_RELEASED))) break;
  }
  platform_joystick_update();
}

// A death: the name if the score qualifies, then the continue offer. Returns
// true when the game is over.
bool handle_death(Player& player, Score& score) {
  player.fire_held = false;
  player.charge_held = false;
  if (score_qualifies(score)) name_entry(score);
  if (!continue_offer()) return true;
  player_continue(player, score);
  return false;
}

}  // namespace

bool poll_game_input(Player& player) {
  platform_joystick_update();
  TCOD_key_t key = platform_poll_key(TCOD_KEY_PRESSED | TCOD_KEY_RELEASED);
  read_accept();  // keeps its memory of the fire key current for the screens after play
  follow_edge(read_fire(), player.fire_held);
  follow_edge(read_charged_shot(), player.charge_held);
  follow_edge(read_bomb(), player.bomb_held);
  if (key.vk == TCODK_ESCAPE) return false;
  if (is_p(key)) pause_game();
  return true;
}

void game_run() {
  trace_game_start();
  game_play(level_script);
  trace_game_end();
}

void game_play(DirectorStep step) {
  fade_out_menu();
  Score score;
  auto world = world_create();
  if (settings.stars != 0) add_start_stars(*world);
  auto director = director_create(step, *world);
  start_globals();
  auto player = player_create(kShipStartX, kShipStartY, player_steer, *world);
  Ending ending;

  for (int frame = 0; !platform_window_closed(); ++frame) {
    TCOD_console_clear(nullptr);
    TCOD_console_set_default_background(nullptr, TCOD_black);
    director_tick(*director);
    run_collisions(*world, *player, score);
    world_update(*world, score);
    world_draw(*world, *player, score);

    // Once the game is over (Escape leaves the ship flying), a death asks nothing.
    if (!ending.over && game.player_dead) ending.over = handle_death(*player, score);

    if (game.game_won) {
      ending.won_frames += 1;
      if (victory_frame(ending)) {
        demo_end_screen(score);
        scoreboard_show();
        return;
      }
    } else if (ending.over) {
      ending.over_frames += 1;
      draw_game_over_art(ending.over_frames);
      if (ending_frame(kGameOver, ending.over_frames)) {
        scoreboard_show();
        return;
      }
    }

    platform_flush();
    trace_frame(frame, score, *world);
    if (!poll_game_input(*player)) ending.over = true;
    game.player_prev_x = game.player_x;
    game.player_prev_y = game.player_y;
    if (game.double_score_timer != 0) {
      game.double_score_timer -= 1;
      game.score_factor = 2;
    } else {
      game.score_factor = 1;
    }
  }
}
