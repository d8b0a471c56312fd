// The sound effects as the game's mixer loads them.
#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "asset_files.h"

namespace assettest {
namespace {

// The game's effect numbers 0..28, in order.
constexpr const char* kGameSounds[] = {
    "bigExp2.wav",        "bigExp.wav",       "pgun3.wav",        "playerhit.wav",
    "charged shot.wav",   "bulletHit.wav",    "smallExp1.wav",    "smallExp2.wav",
    "smallExp3.wav",      "smallExp4.wav",    "smallExp5.wav",    "medExp.wav",
    "medExp3.wav",        "enemyBomb.wav",    "eBombExplode.wav", "missileLaunch.wav",
    "missileExplode.wav", "enemyShotgun.wav", "enemyGun.wav",     "shothit.wav",
    "select.wav",         "confirm.wav",      "hugesmallexp.wav", "hugeexp.wav",
    "lowHealth.wav",      "lowerHealth.wav",  "lowEnergy.wav",    "bossFlame.wav",
    "sweeper.wav"};

TEST(SoundFiles, EveryEffectLoadsShortUnclippedAndEvenlyLoud) {
  constexpr int kRate = 88200, kChannels = 2;  // as the game opens the mixer
  constexpr double kFullScale = 32768, kLongest = 1.5, kHeadroom = 0.95;
  constexpr double kQuietest = -24, kLoudest = -12, kSpread = 6;  // dBFS
  ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
  ASSERT_EQ(Mix_OpenAudio(kRate, AUDIO_S16LSB, kChannels, 4096), 0) << Mix_GetError();
  double quietest = INFINITY, loudest = -INFINITY;
  for (const char* name : kGameSounds) {
    Mix_Chunk* chunk = Mix_LoadWAV((asset_dir() / "sound" / name).c_str());
    ASSERT_NE(chunk, nullptr) << name << ": " << Mix_GetError();
    const auto* raw = reinterpret_cast<const Sint16*>(chunk->abuf);
    const Uint32 frames = chunk->alen / 2 / kChannels;
    double top = 0, power = 0;
    for (Uint32 i = 0; i < frames; ++i) {
      const double v = (raw[2 * i] + raw[2 * i + 1]) / 2.0 / kFullScale;  // mono
      top = std::max(top, std::fabs(v));
      power += v * v;
    }
    Mix_FreeChunk(chunk);
    ASSERT_TRUE(frames > 100 && frames < kLongest * kRate) << name << ": " << frames << " frames";
    EXPECT_LT(top, kHeadroom) << name << " clips";
    const double db = 10 * std::log10(power / frames);
    EXPECT_TRUE(db > kQuietest && db < kLoudest) << name << ": " << db << " dBFS";
    quietest = std::min(quietest, db);
    loudest = std::max(loudest, db);
  }
  EXPECT_LT(loudest - quietest, kSpread);
  Mix_CloseAudio();
  SDL_Quit();
}

}  // namespace
}  // namespace assettest
