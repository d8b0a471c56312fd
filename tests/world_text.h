#pragma once
// What a frame leaves behind, written as short text so that a table row can
// state it in one string: bullets and the sounds played.

#include <string>
#include <utility>
#include <vector>

#include "fx/enemy_shots.h"
#include "fx/player_shots.h"
#include "game/records.h"
#include "shell/sound.h"

namespace world_text {

template <class T, std::size_t N>
std::string name(const std::pair<T, const char*> (&names)[N], T value, std::string other) {
  for (const auto& [named, text] : names)
    if (named == value) return text;
  return other;
}

// Things in a row that share a key and do not turn back are written once, as
// "count x key first..last heading|".
inline std::string runs(const std::vector<std::pair<std::string, int>>& things) {
  std::string out;
  for (size_t i = 0, j = 1; i < things.size(); i = j++) {
    while (j < things.size() && things[j].first == things[i].first &&
           things[j].second >= things[j - 1].second)
      ++j;
    const int first = things[i].second, last = things[j - 1].second;
    out += std::to_string(j - i) + "x" + things[i].first + std::to_string(first) +
           (last != first ? ".." + std::to_string(last) : "") + "|";
  }
  return out;
}

// " x,y " of a cell, and " x,y speed/" of a mover.
inline std::string at(const Motion& m, bool speed = false) {
  return " " + std::to_string(m.x) + "," + std::to_string(m.y) + " " +
         (speed ? std::to_string(static_cast<int>(m.speed)) + "/" : "");
}

}  // namespace world_text

// The bullets of a list as "count x behaviour x,y speed/headings|".
inline std::string bullets_text(const EntityList<Bullet>& list) {
  const std::pair<BulletBehaviour, const char*> names[] = {
      {shot_gun_side, "side"},     {shot_gun_centre, "centre"}, {shot_charged, "charged"},
      {shot_fragment, "fragment"}, {shot_bomb, "bomb"},         {bullet_aimed, "aimed"}};
  std::vector<std::pair<std::string, int>> things;
  for (const auto& b : list) {
    things.emplace_back(
        world_text::name(names, b->behaviour, "?") + world_text::at(b->motion, true),
        static_cast<int>(b->motion.heading));
  }
  return world_text::runs(things);
}

// The sounds played since the record was last cleared, as "effect@column|" when panned (columns
// 0 to 51) and "effect|" when centred.
inline std::string sounds_text() {
  std::string out;
  for (const SoundPlay& p : sound_played()) {
    out += std::to_string(p.effect);
    if (p.panned) out += '@' + std::to_string(p.panning.right / 5);
    out += '|';
  }
  return out;
}
