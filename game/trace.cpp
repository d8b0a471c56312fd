#include "game/trace.h"

#include <libtcod.h>

#include <cinttypes>
#include <cstdio>
#include <numeric>

namespace {

const GameWatch* watching = nullptr;

uint64_t screen_hash() {
  uint64_t hash = kTraceHashStart;
  auto fold = [&hash](uint64_t value) { hash = trace_fold(hash, value); };
  int width = TCOD_console_get_width(nullptr);
  int height = TCOD_console_get_height(nullptr);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      TCOD_color_t fg = TCOD_console_get_char_foreground(nullptr, x, y);
      fold(static_cast<uint64_t>(TCOD_console_get_char(nullptr, x, y)));
      fold(static_cast<uint64_t>(fg.r) << 16 | static_cast<uint64_t>(fg.g) << 8 | fg.b);
    }
  }
  return hash;
}

template <class List>
uint32_t size_of(const List& list) {
  return static_cast<uint32_t>(list.size());
}

std::array<uint32_t, 8> list_sizes(const World& world) {
  return {size_of(world.player_bullets), size_of(world.enemy_bullets), size_of(world.drones),
          size_of(world.explosions),     size_of(world.particles),     size_of(world.enemies),
          size_of(world.enemy_missiles), size_of(world.bomb_shots)};
}

}  // namespace

TraceDigest trace_digest(int frame, const Score& score, const World& world) {
  TraceDigest digest;
  digest.frame = frame;
  digest.score = score.score;
  digest.hits = score.hits;
  digest.lists = list_sizes(world);
  digest.screen = screen_hash();
  return digest;
}

int trace_entities(const World& world) {
  const std::array<uint32_t, 8> sizes = list_sizes(world);
  return static_cast<int>(std::accumulate(sizes.begin(), sizes.end(), uint32_t{0}));
}

std::string trace_line(const TraceDigest& digest) {
  char line[192];
  const auto& n = digest.lists;
  std::snprintf(line, sizeof line,
                "frame %d score %d hits %d lists %u %u %u %u %u %u %u %u screen %016" PRIx64,
                digest.frame, digest.score, digest.hits, n[0], n[1], n[2], n[3], n[4], n[5], n[6],
                n[7], digest.screen);
  return line;
}

void trace_watch(const GameWatch* watch) {
  watching = watch;
}

void trace_game_start() {
  if (watching && watching->start) watching->start();
}

void trace_frame(int frame, const Score& score, const World& world) {
  if (watching && watching->frame) watching->frame(frame, score, world);
}

void trace_game_end() {
  if (watching && watching->end) watching->end();
}
