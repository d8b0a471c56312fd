// The sound effects as the game loads and plays them.
#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "asset_files.h"
#include "sounds.h"

namespace assettest {
namespace {

// The game's effect numbers 0..28, in order.
constexpr std::array<const char*, 29> kGameSounds = {
    "bigExp2.wav",        "bigExp.wav",       "pgun3.wav",        "playerhit.wav",
    "charged shot.wav",   "bulletHit.wav",    "smallExp1.wav",    "smallExp2.wav",
    "smallExp3.wav",      "smallExp4.wav",    "smallExp5.wav",    "medExp.wav",
    "medExp3.wav",        "enemyBomb.wav",    "eBombExplode.wav", "missileLaunch.wav",
    "missileExplode.wav", "enemyShotgun.wav", "enemyGun.wav",     "shothit.wav",
    "select.wav",         "confirm.wav",      "hugesmallexp.wav", "hugeexp.wav",
    "lowHealth.wav",      "lowerHealth.wav",  "lowEnergy.wav",    "bossFlame.wav",
    "sweeper.wav"};

constexpr double kFullScale = 32768.0;
constexpr double kLongest = 1.5;  // seconds

std::filesystem::path sound_file(const char* name) {
  return asset_dir() / "sound" / name;
}

std::vector<double> mono(const Wav& wav) {
  std::vector<double> out;
  for (std::size_t i = 0; i + wav.channels <= wav.samples.size(); i += wav.channels) {
    double sum = 0;
    for (int c = 0; c < wav.channels; ++c) sum += wav.samples[i + c];
    out.push_back(sum / wav.channels / kFullScale);
  }
  return out;
}

double seconds(const Wav& wav) {
  return static_cast<double>(wav.samples.size()) / wav.channels / wav.sample_rate;
}

// Sign changes per second: rises with pitch and with the brightness of noise.
double crossings(const std::vector<double>& s, double from, double to, int rate) {
  const auto a = static_cast<std::size_t>(from * s.size()),
             b = static_cast<std::size_t>(to * s.size());
  int n = 0;
  for (std::size_t i = a + 1; i < b; ++i) n += (s[i - 1] < 0) != (s[i] < 0);
  return n * static_cast<double>(rate) / (b - a);
}

TEST(SoundFiles, TheGeneratorWritesExactlyTheGamesFiles) {
  const auto recipes = assetgen::sound_recipes();
  ASSERT_EQ(recipes.size(), kGameSounds.size());
  for (std::size_t i = 0; i < kGameSounds.size(); ++i) EXPECT_EQ(recipes[i].file, kGameSounds[i]);
  std::set<std::string> on_disk;
  for (const auto& entry : std::filesystem::directory_iterator(asset_dir() / "sound")) {
    if (entry.path().extension() == ".wav") on_disk.insert(entry.path().filename().string());
  }
  EXPECT_EQ(on_disk, std::set<std::string>(kGameSounds.begin(), kGameSounds.end()));
}

TEST(SoundFiles, MixerLoadsEveryFileAsTheGameOpensIt) {
  ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
  ASSERT_EQ(Mix_OpenAudio(88200, AUDIO_S16LSB, 2, 4096), 0) << Mix_GetError();
  constexpr double kBytesPerSecond = 88200.0 * 2 * 2;
  for (const char* name : kGameSounds) {
    Mix_Chunk* chunk = Mix_LoadWAV(sound_file(name).c_str());
    ASSERT_NE(chunk, nullptr) << name << ": " << Mix_GetError();
    EXPECT_GT(chunk->alen / kBytesPerSecond, 0.01) << name;
    EXPECT_LT(chunk->alen / kBytesPerSecond, kLongest) << name;
    Mix_FreeChunk(chunk);
  }
  Mix_CloseAudio();
  SDL_Quit();
}

TEST(SoundFiles, ShortUnclippedAndSilentAtBothEnds) {
  constexpr double kHeadroom = 0.95;  // of full scale
  constexpr double kSilent = 0.01;    // the very first and last sample
  constexpr double kEdge = 0.0005;    // seconds that must still be fading
  constexpr double kFading = 0.2;
  int under_half_second = 0;
  for (const char* name : kGameSounds) {
    const Wav wav = read_wav(sound_file(name));
    ASSERT_EQ(wav.bits, 16) << name;
    ASSERT_TRUE(wav.channels == 1 || wav.channels == 2) << name;
    const std::vector<double> s = mono(wav);
    ASSERT_FALSE(s.empty()) << name;
    EXPECT_LT(seconds(wav), kLongest) << name;
    under_half_second += seconds(wav) < 0.5;
    double top = 0;
    for (double v : s) top = std::max(top, std::fabs(v));
    EXPECT_LT(top, kHeadroom) << name << " clips";
    EXPECT_LT(std::fabs(s.front()), kSilent) << name << " clicks on";
    EXPECT_LT(std::fabs(s.back()), kSilent) << name << " clicks off";
    const auto edge = static_cast<std::size_t>(kEdge * wav.sample_rate);
    for (std::size_t i = 0; i < edge; ++i) {
      EXPECT_LT(std::fabs(s[i]), kFading) << name << " starts abruptly";
      EXPECT_LT(std::fabs(s[s.size() - 1 - i]), kFading) << name << " stops abruptly";
    }
  }
  EXPECT_GT(under_half_second, static_cast<int>(kGameSounds.size()) / 2);
  EXPECT_LT(seconds(read_wav(sound_file("bulletHit.wav"))), 0.05) << "plays 60 times a second";
  EXPECT_LT(seconds(read_wav(sound_file("select.wav"))), 0.1);
}

TEST(SoundFiles, AllSitAtASimilarLoudness) {
  constexpr double kQuietest = -24.0, kLoudest = -12.0, kSpread = 6.0;  // dBFS
  std::vector<double> levels;
  for (const char* name : kGameSounds) {
    const std::vector<double> s = mono(read_wav(sound_file(name)));
    double sum = 0;
    for (double v : s) sum += v * v;
    const double db = 10 * std::log10(sum / s.size());
    EXPECT_GT(db, kQuietest) << name;
    EXPECT_LT(db, kLoudest) << name;
    levels.push_back(db);
  }
  EXPECT_LT(*std::max_element(levels.begin(), levels.end()) -
                *std::min_element(levels.begin(), levels.end()),
            kSpread);
}

TEST(SoundFiles, EachFileIsASoundOfItsOwn) {
  for (std::size_t a = 0; a < kGameSounds.size(); ++a) {
    for (std::size_t b = a + 1; b < kGameSounds.size(); ++b) {
      EXPECT_NE(read_bytes(sound_file(kGameSounds[a])), read_bytes(sound_file(kGameSounds[b])))
          << kGameSounds[a] << " and " << kGameSounds[b];
    }
  }
}

// Pitch and brightness move the way the names promise.
TEST(SoundFiles, SweepsGoTheWayTheirNamesSay) {
  auto thirds = [](const char* name) {
    const Wav wav = read_wav(sound_file(name));
    const std::vector<double> s = mono(wav);
    return std::array<double, 3>{crossings(s, 0, 1 / 3.0, wav.sample_rate),
                                 crossings(s, 1 / 3.0, 2 / 3.0, wav.sample_rate),
                                 crossings(s, 2 / 3.0, 1, wav.sample_rate)};
  };
  const auto launch = thirds("missileLaunch.wav");
  EXPECT_GT(launch[2], 1.5 * launch[0]) << "the launch whoosh rises";
  const auto sweep = thirds("sweeper.wav");
  EXPECT_GT(sweep[1], 1.5 * sweep[0]) << "the sweep goes up";
  EXPECT_GT(sweep[1], 1.5 * sweep[2]) << "and comes back down";
  for (const char* falling : {"pgun3.wav", "enemyGun.wav", "charged shot.wav", "bigExp2.wav",
                              "hugeexp.wav", "medExp.wav", "smallExp1.wav"}) {
    const auto t = thirds(falling);
    EXPECT_GT(t[0], 1.3 * t[2]) << falling << " falls in pitch or dulls as it dies";
  }
}

}  // namespace
}  // namespace assettest
