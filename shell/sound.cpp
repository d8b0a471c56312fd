#include "shell/sound.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <array>
#include <cstdio>
#include <cstdlib>

#include "game/screen.h"
#include "shell/page.h"
#include "shell/platform.h"

namespace {

constexpr int kFrequency = 88200;
constexpr int kChunkSize = 4096;
constexpr int kChannels = 64;
constexpr int kChannelVolume = 64;  // half of the mixer's 128
constexpr int kAudioFailureStatus = 7;

constexpr std::array<const char*, SFX_COUNT> kFiles = {
    "sound/bigExp2.wav",       "sound/bigExp.wav",         "sound/pgun3.wav",
    "sound/playerhit.wav",     "sound/charged shot.wav",   "sound/bulletHit.wav",
    "sound/smallExp1.wav",     "sound/smallExp2.wav",      "sound/smallExp3.wav",
    "sound/smallExp4.wav",     "sound/smallExp5.wav",      "sound/medExp.wav",
    "sound/medExp3.wav",       "sound/enemyBomb.wav",      "sound/eBombExplode.wav",
    "sound/missileLaunch.wav", "sound/missileExplode.wav", "sound/enemyShotgun.wav",
    "sound/enemyGun.wav",      "sound/shothit.wav",        "sound/select.wav",
    "sound/confirm.wav",       "sound/hugesmallexp.wav",   "sound/hugeexp.wav",
    "sound/lowHealth.wav",     "sound/lowerHealth.wav",    "sound/lowEnergy.wav",
    "sound/bossFlame.wav",     "sound/sweeper.wav"};

constexpr std::array<int, SFX_COUNT> kLoadOrder = {0,  1,  2,  4,  5,  6,  7,  8,  9,  10,
                                                   11, 19, 20, 21, 12, 22, 23, 3,  24, 25,
                                                   26, 28, 13, 14, 15, 16, 17, 18, 27};

struct SoundBank {
  std::array<Mix_Chunk*, SFX_COUNT> chunks{};  // loaded once, kept for the whole run
  bool recording = false;
  std::vector<SoundPlay> played;
};

SoundBank bank;

bool valid(int effect) {
  return effect >= 0 && effect < SFX_COUNT;
}

void start(int effect) {
  // A missing file leaves a null chunk, which the mixer refuses quietly.
  if (bank.chunks[effect]) Mix_PlayChannel(effect, bank.chunks[effect], 0);
}

void record(int effect, bool panned, Panning panning) {
  if (bank.recording) bank.played.push_back({effect, panned, panning});
}

}  // namespace

void sound_init() {
  page_choose_audio();
  if (SDL_Init(SDL_INIT_AUDIO) < 0) {
    std::fprintf(stderr, "Unable to initialize SDL: %s\n", SDL_GetError());
  }
  if (Mix_OpenAudio(kFrequency, AUDIO_S16LSB, 2, kChunkSize) < 0) {
    std::fprintf(stderr, "Unable to initialize audio: %s\n", SDL_GetError());
    std::exit(kAudioFailureStatus);
  }
  Mix_AllocateChannels(kChannels);
  for (int channel = 0; channel < kChannels; ++channel) Mix_Volume(channel, kChannelVolume);
  for (int effect : kLoadOrder) {
    std::string path = platform_asset_path(kFiles[effect]);
    bank.chunks[effect] = Mix_LoadWAV_RW(SDL_RWFromFile(path.c_str(), "rb"), 1);
  }
}

void play_sound(int effect) {
  if (!valid(effect)) return;
  start(effect);
  record(effect, false, {});
}

void play_sound_at(int effect, int column) {
  if (!valid(effect)) return;
  start(effect);
  Panning panning = sound_panning(column);
  Mix_SetPanning(effect, panning.left, panning.right);
  record(effect, true, panning);
}

Panning sound_panning(int column) {
  // The levels wrap modulo 256 as the mixer's byte arguments do, so a column
  // past either edge swings to the far side.
  return {static_cast<uint8_t>(5 * (kScreenWidth - column)), static_cast<uint8_t>(5 * column)};
}

void sound_record(bool on) {
  bank.recording = on;
  bank.played.clear();
}

const std::vector<SoundPlay>& sound_played() {
  return bank.played;
}

void sound_clear_played() {
  bank.played.clear();
}
