#include "shell/input.h"

#include <SDL.h>

#include <algorithm>
#include <cstdint>

#include "shell/platform.h"
#include "shell/settings.h"

namespace {

struct Edge {
  bool down = false;
  uint8_t ahead = 0;                // presses reported from the held state before their events
  int key = -1;                     // the key its presses were counted for
  uint32_t seen = 0;                // the presses counted at the last reading
  int64_t read_at = INT64_MIN / 2;  // the frame of the last reading
};

struct Reader {
  Edge key, button, enter;
};

// Fire, charged shot, bomb, accept.
std::array<Reader, 4> readers;
enum { kFire, kCharge, kBomb, kAccept };

// A key's identity for the readers: its byte, or Enter by its key code.
constexpr int kEnterKey = 256 + TCODK_ENTER;

KeyPresses presses_of(int key) {
  return key == kEnterKey ? platform_key_presses(TCODK_ENTER)
                          : platform_mapped_key_presses(static_cast<uint8_t>(key));
}

bool held(int key) {
  return key == kEnterKey ? platform_key_down(TCODK_ENTER)
                          : platform_mapped_key_down(static_cast<uint8_t>(key));
}

// A button is read from its held state alone.
int held_edge(bool down, Edge& edge) {
  if (!down && edge.down) {
    edge.down = false;
    return 0;
  }
  if (down && !edge.down) {
    edge.down = true;
    return 1;
  }
  return -1;
}

constexpr int64_t kStale = 2;
constexpr int kMostAhead = 127;  // what a recording's memory byte holds beside the down flag

int64_t age_of(const Edge& edge, int key) {
  return edge.key == key ? std::min(kStale, platform_frame() - edge.read_at) : kStale;
}

// A key is read from its held state and from the presses the polls took, so
// a press and release that both fall between two readings still count.
int key_edge(int key, Edge& edge) {
  KeyPresses counted = presses_of(key);
  bool down = held(key);
  // Presses from before the last frame belong to a screen that did not read
  // this key (typing a name, say), and those of a key remapped since belong
  // to another: they are not this reader's to report.
  if (age_of(edge, key) >= kStale) {
    edge.seen = counted.total - counted.this_frame;
    edge.ahead = 0;
    edge.key = key;
  }
  edge.read_at = platform_frame();
  uint32_t fresh = counted.total - edge.seen;
  // Presses the held state already reported, come through the poll at last;
  // a slow poll can owe several.
  const uint32_t owed = std::min<uint32_t>(edge.ahead, fresh);
  edge.ahead = static_cast<uint8_t>(edge.ahead - owed);
  edge.seen += owed;
  fresh -= owed;
  if (fresh > 0) {
    if (!edge.down) {
      edge.seen = counted.total;
      edge.down = true;
      return 1;
    }
    // Let go and pressed again since the last reading: the release now, the
    // press (still counted as fresh) at the next reading.
    edge.down = false;
    return 0;
  }
  if (down && !edge.down) {
    edge.down = true;
    edge.ahead = static_cast<uint8_t>(std::min(edge.ahead + 1, kMostAhead));
    return 1;
  }
  if (!down && edge.down) {
    edge.down = false;
    return 0;
  }
  return -1;
}

// The key is consulted first, so a key edge hides a button edge of the same
// frame; the button's edge then comes on a later call.
int read_edges(Reader& reader, uint8_t key, int button) {
  int result = key_edge(key, reader.key);
  if (result != -1) return result;
  return held_edge(platform_joystick_button(button), reader.button);
}

uint8_t reader_key(int reader) {
  return reader == kCharge ? controls.charge_key
         : reader == kBomb ? controls.bomb_key
                           : controls.fire_key;
}

SourceMemory memory_of(const Edge& edge, int key) {
  SourceMemory memory;
  memory.down = edge.down;
  memory.age = static_cast<uint8_t>(age_of(edge, key));
  // A stale memory forgets its presses at its next reading anyway.
  if (memory.age < kStale) {
    memory.ahead = edge.ahead;
    memory.pending = presses_of(key).total - edge.seen;
  }
  return memory;
}

Edge edge_of(const SourceMemory& memory, int key) {
  Edge edge;
  edge.down = memory.down;
  edge.ahead = memory.ahead;
  edge.key = key;
  edge.seen = presses_of(key).total - memory.pending;
  edge.read_at = platform_frame() - std::min<int64_t>(memory.age, kStale);
  return edge;
}

}  // namespace

int read_direction() {
  // The hat is read before the update, so it is the previous update's value.
  int hat = platform_joystick_hat();
  platform_joystick_update();
  auto key = [](TCOD_keycode_t code) { return platform_key_down(code); };
  bool down = key(TCODK_DOWN), left = key(TCODK_LEFT), right = key(TCODK_RIGHT), up = key(TCODK_UP);
  bool kp2 = key(TCODK_KP2), kp4 = key(TCODK_KP4), kp6 = key(TCODK_KP6), kp8 = key(TCODK_KP8);

  if ((down && right) || hat == SDL_HAT_RIGHTDOWN || (kp2 && kp6)) return 45;
  if ((down && left) || hat == SDL_HAT_LEFTDOWN || (kp2 && kp4)) return 135;
  if ((up && left) || hat == SDL_HAT_LEFTUP || (kp8 && kp4)) return 225;
  if ((up && right) || hat == SDL_HAT_RIGHTUP || (kp8 && kp6)) return 315;
  if (up || hat == SDL_HAT_UP || kp8) return 270;
  if (left || hat == SDL_HAT_LEFT || kp4) return 180;
  if (down || hat == SDL_HAT_DOWN || kp2) return 90;
  if (right || hat == SDL_HAT_RIGHT || kp6) return 0;
  return -1;
}

int read_fire() {
  return read_edges(readers[kFire], controls.fire_key, controls.fire_button);
}

int read_charged_shot() {
  return read_edges(readers[kCharge], controls.charge_key, controls.charge_button);
}

int read_bomb() {
  return read_edges(readers[kBomb], controls.bomb_key, controls.bomb_button);
}

int read_accept() {
  int result = read_edges(readers[kAccept], controls.fire_key, controls.fire_button);
  if (result != -1) return result;
  return key_edge(kEnterKey, readers[kAccept].enter);
}

void input_reset() {
  for (int r = 0; r < 4; ++r) {
    readers[r] = Reader{};
    // As if read just now: no press taken so far is reported, this frame's
    // included (a default memory, stale, would report this frame's).
    readers[r].key = edge_of(SourceMemory{.age = 0}, reader_key(r));
    readers[r].enter = edge_of(SourceMemory{.age = 0}, kEnterKey);
  }
}

InputMemory input_memory() {
  InputMemory memory;
  for (int r = 0; r < 4; ++r) {
    memory[r].key = memory_of(readers[r].key, reader_key(r));
    memory[r].button.down = readers[r].button.down;
    memory[r].enter = memory_of(readers[r].enter, kEnterKey);
  }
  return memory;
}

void input_restore(const InputMemory& memory) {
  for (int r = 0; r < 4; ++r) {
    readers[r].key = edge_of(memory[r].key, reader_key(r));
    readers[r].button = Edge{};
    readers[r].button.down = memory[r].button.down;
    readers[r].enter = edge_of(memory[r].enter, kEnterKey);
  }
}
