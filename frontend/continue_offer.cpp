#include "frontend/continue_offer.h"

#include <cstdint>

#include "game/globals.h"
#include "shell/console.h"
#include "shell/input.h"
#include "shell/platform.h"

namespace {

constexpr int kBoxX = 10;
constexpr int kBoxY = 23;
constexpr int kBoxWidth = 30;
constexpr int kBoxHeight = 20;
constexpr int kQuestionX = 12;
constexpr int kQuestionY = 25;
constexpr int kTensX = 20;
constexpr int kUnitsX = 25;
constexpr int kDigitY = 30;
constexpr int kDigitWidth = 4;
constexpr int kDigitHeight = 7;
constexpr int kContinuesX = 25;
constexpr int kContinuesY = 40;
constexpr int kCountdown = 30;
constexpr int kFramesPerSecond = 60;

enum Segment : uint8_t {
  kTop = 1,
  kUpperLeft = 2,
  kUpperRight = 4,
  kMiddle = 8,
  kLowerLeft = 16,
  kLowerRight = 32,
  kBottom = 64,
  kAll = 127,
};

constexpr uint8_t kDigits[10] = {
    kAll & ~kMiddle,
    kUpperRight | kLowerRight,
    kTop | kUpperRight | kMiddle | kLowerLeft | kBottom,
    kTop | kUpperRight | kMiddle | kLowerRight | kBottom,
    kUpperLeft | kUpperRight | kMiddle | kLowerRight,
    kTop | kUpperLeft | kMiddle | kLowerRight | kBottom,
    kAll & ~kUpperRight,
    kTop | kUpperRight | kLowerRight,
    kAll,
    kAll & ~kLowerLeft,
};

// The segment a cell of the 4 x 7 box belongs to; corners and the inside
// belong to none.
uint8_t segment_at(int column, int row) {
  bool edge_column = column == 0 || column == kDigitWidth - 1;
  if (!edge_column) {
    if (row == 0) return kTop;
    if (row == 3) return kMiddle;
    if (row == 6) return kBottom;
    return 0;
  }
  bool left = column == 0;
  if (row == 1 || row == 2) return left ? kUpperLeft : kUpperRight;
  if (row == 4 || row == 5) return left ? kLowerLeft : kLowerRight;
  return 0;
}

void draw_offer(int countdown) {
  TCOD_console_set_alignment(nullptr, TCOD_LEFT);
  console_print_frame(kBoxX, kBoxY, kBoxWidth, kBoxHeight, true, TCOD_BKGND_SET);
  console_print(kQuestionX, kQuestionY, "Continue? (Press Enter)");
  draw_big_digit(countdown / 10, kTensX);
  draw_big_digit(countdown % 10, kUnitsX);
  console_print(kContinuesX, kContinuesY, "Continues: %d", game.continues_left);
}

}  // namespace

void draw_big_digit(int digit, int column) {
  if (digit < 0 || digit > 9) return;
  uint8_t lit = kDigits[digit];
  for (int row = 0; row < kDigitHeight; ++row) {
    for (int x = 0; x < kDigitWidth; ++x) {
      int ch = (segment_at(x, row) & lit) != 0 ? 'X' : ' ';
      TCOD_console_put_char(nullptr, column + x, kDigitY + row, ch, TCOD_BKGND_SET);
    }
  }
}

bool continue_offer() {
  if (game.continues_left == 0) return false;
  int countdown = kCountdown;
  // The first frame shows 30, which drops to 29 at once: 1 + 29 x 60 frames
  // at most, and 00 is never shown.
  for (int frame = 0; !platform_window_closed(); ++frame) {
    draw_offer(countdown);
    platform_flush();
    TCOD_key_t key = platform_poll_key(TCOD_KEY_PRESSED);
    // A button pressed here must not count as a fresh press when play resumes.
    read_fire();
    read_charged_shot();
    read_bomb();
    if (frame % kFramesPerSecond == 0) countdown -= 1;
    if (key.vk == TCODK_ENTER) return true;
    if (key.vk == TCODK_ESCAPE || countdown == 0) return false;
  }
  return true;
}
