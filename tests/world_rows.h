#pragma once
// What a frame leaves behind as rows a table can state field by field: the
// shots fired and the sounds played.

#include <ostream>
#include <string>
#include <vector>

#include "fx/enemy_shots.h"
#include "fx/player_shots.h"
#include "game/records.h"
#include "shell/sound.h"

// Shots in a row of one kind, cell and speed, their headings rising from `first` to `last`.
struct ShotRun {
  std::string kind;
  int x, y, speed, count, first, last;
  bool operator==(const ShotRun&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const ShotRun& run) {
  return out << run.count << " " << run.kind << " at " << run.x << "," << run.y << " speed "
             << run.speed << " heading " << run.first << ".." << run.last;
}

// The bullets of a list, in order, as runs; a behaviour with no name here is "?".
inline std::vector<ShotRun> shot_runs(const EntityList<Bullet>& list) {
  const std::pair<BulletBehaviour, const char*> names[] = {
      {shot_gun_side, "side"},     {shot_gun_centre, "centre"}, {shot_charged, "charged"},
      {shot_fragment, "fragment"}, {shot_bomb, "bomb"},         {bullet_aimed, "aimed"}};
  std::vector<ShotRun> runs;
  for (const auto& b : list) {
    std::string kind = "?";
    for (const auto& [behaviour, name] : names)
      if (behaviour == b->behaviour) kind = name;
    const int x = b->motion.x, y = b->motion.y, speed = static_cast<int>(b->motion.speed);
    const int heading = static_cast<int>(b->motion.heading);
    ShotRun* last = runs.empty() ? nullptr : &runs.back();
    if (last && last->kind == kind && last->x == x && last->y == y && last->speed == speed &&
        heading >= last->last) {
      ++last->count;
      last->last = heading;
    } else {
      runs.push_back({kind, x, y, speed, 1, heading, heading});
    }
  }
  return runs;
}

// A sound as the record holds it: the effect and the column it was panned to (0 to 51), or
// kCentred.
constexpr int kCentred = -1;
struct Heard {
  int effect, column;
  bool operator==(const Heard&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Heard& heard) {
  return out << "effect " << heard.effect << " at column " << heard.column;
}

// The sounds played since the record was last cleared.
inline std::vector<Heard> sounds_heard() {
  std::vector<Heard> heard;
  for (const SoundPlay& p : sound_played())
    heard.push_back({p.effect, p.panned ? p.panning.right / 5 : kCentred});
  return heard;
}
