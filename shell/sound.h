#pragma once
// The bank of 29 sound effects. Each effect owns the mixer channel of its own
// number, so restarting an effect cuts off only its own previous instance.

#include <cstdint>
#include <vector>

enum SoundEffect : int {
  SFX_BIG_EXP2 = 0,
  SFX_BIG_EXP = 1,
  SFX_PGUN3 = 2,
  SFX_PLAYER_HIT = 3,
  SFX_CHARGED_SHOT = 4,
  SFX_BULLET_HIT = 5,
  SFX_SMALL_EXP1 = 6,  // to SFX_SMALL_EXP1 + 4
  SFX_MED_EXP = 11,
  SFX_MED_EXP3 = 12,
  SFX_ENEMY_BOMB = 13,
  SFX_ENEMY_BOMB_EXPLODE = 14,
  SFX_MISSILE_LAUNCH = 15,
  SFX_MISSILE_EXPLODE = 16,
  SFX_ENEMY_SHOTGUN = 17,
  SFX_ENEMY_GUN = 18,
  SFX_SHOT_HIT = 19,
  SFX_SELECT = 20,
  SFX_CONFIRM = 21,
  SFX_HUGE_SMALL_EXP = 22,
  SFX_HUGE_EXP = 23,
  SFX_LOW_HEALTH = 24,
  SFX_LOWER_HEALTH = 25,
  SFX_LOW_ENERGY = 26,
  SFX_BOSS_FLAME = 27,
  SFX_SWEEPER = 28,
  SFX_COUNT = 29
};

// Opens the audio device and loads the bank. When the device cannot be opened
// it prints "Unable to initialize audio: ..." and ends the process with status 7.
void sound_init();

void play_sound(int effect);
// Plays the effect panned by a playfield column (0 far left, 50 far right).
void play_sound_at(int effect, int column);

struct Panning {
  uint8_t left;
  uint8_t right;
};
Panning sound_panning(int column);

// What has been played since recording started, for scripts that check which
// effects a frame made.
struct SoundPlay {
  int effect;
  bool panned;
  Panning panning;
};
void sound_record(bool on);
const std::vector<SoundPlay>& sound_played();
void sound_clear_played();
