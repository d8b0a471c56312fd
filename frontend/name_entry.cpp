#include "frontend/name_entry.h"

#include <array>
#include <cctype>

#include "frontend/score_table.h"
#include "shell/console.h"
#include "shell/platform.h"

namespace {

constexpr int kBoxX = 10;
constexpr int kBoxY = 23;
constexpr int kBoxWidth = 30;
constexpr int kBoxHeight = 11;
constexpr int kTextX = 11;
constexpr int kScoreY = 24;
constexpr int kHelpY = 30;
constexpr int kSlotsX = 23;
constexpr int kSlotsY = 28;
constexpr int kSlots = 3;
constexpr int kBlinkPeriod = 10;  // the cursor is a block for the first half
constexpr int kBlock = 219;

// Slots at and after `count` are NUL, so the name never runs past three.
struct NameBuffer {
  std::array<char, kSlots> slots{};
  int count = 0;
};

void draw_box(const Score& score) {
  TCOD_console_set_alignment(nullptr, TCOD_LEFT);
  console_print_frame(kBoxX, kBoxY, kBoxWidth, kBoxHeight, true, TCOD_BKGND_SET);
  console_print(kTextX, kScoreY, "YOUR SCORE IS: %010d\n\nRANK IN! ", score.score);
  console_print(kTextX, kHelpY, "(Enter to confirm,\n Backspace to delete\n Escape to cancel)");
}

void draw_slots(const NameBuffer& name, int blink) {
  for (int i = 0; i < kSlots; ++i) {
    int ch = '-';
    if (i < name.count) {
      ch = static_cast<unsigned char>(name.slots[static_cast<size_t>(i)]);
    } else if (i == name.count && blink % kBlinkPeriod < kBlinkPeriod / 2) {
      ch = kBlock;
    }
    TCOD_console_put_char(nullptr, kSlotsX + i, kSlotsY, ch, TCOD_BKGND_SET);
  }
}

void save(Score& score, const NameBuffer& name) {
  for (int i = 0; i < kSlots; ++i) score.name[i] = name.slots[static_cast<size_t>(i)];
  score.name[kSlots] = '\0';
  score_table_add(score);
  // The same result must not qualify a second time.
  score.score = 0;
  score.hits = 0;
  score.multiplier = 1.0;
}

// What the key typed, as the player's keyboard made it ('!' for Shift+1).
// Without its text (a scripted key, an older recording, Ctrl held) the key's
// own character stands; a text of more than one byte is no single letter.
int typed_character(const TCOD_key_t& key) {
  if (key.text[0] == '\0') return static_cast<unsigned char>(key.c);
  return key.text[1] == '\0' ? static_cast<unsigned char>(key.text[0]) : 0;
}

}  // namespace

void name_entry(Score& score) {
  draw_box(score);
  NameBuffer name;
  int blink = 0;
  for (;;) {
    draw_slots(name, blink);
    platform_flush();
    TCOD_key_t key = platform_poll_key(TCOD_KEY_PRESSED);
    int c = typed_character(key);
    if (key.vk == TCODK_ESCAPE) return;
    if (key.vk == TCODK_ENTER) {
      save(score, name);
      return;
    }
    if (key.vk == TCODK_BACKSPACE) {
      if (name.count > 0) name.slots[static_cast<size_t>(--name.count)] = '\0';
      blink = 0;
    } else if (key.vk != TCODK_NONE && std::isprint(c)) {
      // A fourth character is ignored.
      if (name.count < kSlots) {
        name.slots[static_cast<size_t>(name.count++)] = static_cast<char>(std::toupper(c));
      }
      blink = 0;
    } else {
      blink += 1;
    }
    // A player who reached the table and closed the window keeps the row,
    // with the letters typed so far.
    if (platform_window_closed()) {
      save(score, name);
      return;
    }
  }
}
