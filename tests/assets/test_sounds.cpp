// The sound effects as the game's mixer loads them.
#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>

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

TEST(SoundFiles, EveryEffectLoadsShortCleanAndEvenlyLoud) {
  constexpr int kRate = 88200, kChannels = 2;  // as the game opens the mixer
  constexpr double kFullScale = 32768, kLongest = 1.5, kHeadroom = 0.95;
  constexpr double kSilent = 0.01, kFading = 0.2, kEdge = 0.0005;  // of full scale; seconds
  constexpr double kQuietest = -24, kLoudest = -12, kSpread = 6;   // dBFS
  ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
  ASSERT_EQ(Mix_OpenAudio(kRate, AUDIO_S16LSB, kChannels, 4096), 0) << Mix_GetError();
  int rate = 0, channels = 0;
  Uint16 format = 0;
  ASSERT_EQ(Mix_QuerySpec(&rate, &format, &channels), 1);
  ASSERT_EQ(std::tuple(rate, format, channels), std::tuple(kRate, AUDIO_S16LSB, kChannels));
  double quietest = INFINITY, loudest = -INFINITY;
  for (const char* name : kGameSounds) {
    Mix_Chunk* chunk = Mix_LoadWAV((asset_dir() / "sound" / name).c_str());
    ASSERT_NE(chunk, nullptr) << name << ": " << Mix_GetError();
    std::vector<double> s;  // mono
    const auto* raw = reinterpret_cast<const Sint16*>(chunk->abuf);
    for (Uint32 i = 0; i + 1 < chunk->alen / 2; i += kChannels) {
      s.push_back((raw[i] + raw[i + 1]) / 2.0 / kFullScale);
    }
    Mix_FreeChunk(chunk);
    ASSERT_GT(s.size(), 100u) << name;
    EXPECT_LT(s.size(), kLongest * kRate) << name;
    double top = 0, power = 0;
    for (double v : s) {
      top = std::max(top, std::fabs(v));
      power += v * v;
    }
    EXPECT_LT(top, kHeadroom) << name << " clips";
    EXPECT_LT(std::fabs(s.front()), kSilent) << name << " clicks on";
    EXPECT_LT(std::fabs(s.back()), kSilent) << name << " clicks off";
    for (std::size_t i = 0; i < kEdge * kRate; ++i) {
      EXPECT_LT(std::fabs(s[i]), kFading) << name << " starts abruptly";
      EXPECT_LT(std::fabs(s[s.size() - 1 - i]), kFading) << name << " stops abruptly";
    }
    const double db = 10 * std::log10(power / s.size());
    EXPECT_GT(db, kQuietest) << name;
    EXPECT_LT(db, kLoudest) << name;
    quietest = std::min(quietest, db);
    loudest = std::max(loudest, db);
  }
  EXPECT_LT(loudest - quietest, kSpread);
  Mix_CloseAudio();
  SDL_Quit();
}

}  // namespace
}  // namespace assettest
