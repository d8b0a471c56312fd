#pragma once
// The player's intent: a held direction, and the edges of the mapped controls.

#include <array>
#include <cstdint>

// Heading in degrees (0 right, 90 down, 180 left, 270 up, diagonals between),
// or -1 when no direction is held.
int read_direction();

// Edge readers: 1 just pressed, 0 just released, -1 no change. Each keeps its
// own memory of its key and button, so two readers of one key do not interfere.
// A key's press is seen even when it was let go again before the reading.
int read_fire();
int read_charged_shot();
int read_bomb();
int read_accept();  // the fire key, the fire button or Enter (menus)

// Forgets every remembered state (all up), for a fresh script.
void input_reset();

// The readers' memories as a recording keeps them at the start of a game.
struct SourceMemory {
  bool down = false;
  uint8_t ahead = 0;     // presses seen held before their events came
  uint8_t age = 2;       // frames since its last reading, 2 for any more
  uint32_t pending = 0;  // presses taken by the polls and not yet noticed
  bool operator==(const SourceMemory&) const = default;
};
struct ReaderMemory {
  SourceMemory key, button, enter;
  bool operator==(const ReaderMemory&) const = default;
};
// Fire, charged shot, bomb and accept, in that order.
using InputMemory = std::array<ReaderMemory, 4>;
InputMemory input_memory();
void input_restore(const InputMemory& memory);
