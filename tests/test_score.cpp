#include "game/score.h"

#include <cmath>
#include <limits>
#include <random>

#include "tests/harness.h"

class Scoring : public GameTest {};

// The multiplier's steps are checked where kills, grazes and hits happen, and sums in general
// against the x87 below; the golden runs scale points by factor and multiplier, take it to its
// cap by grazes and to its floor by hits. The x87's draws never meet a product just over half the
// score's last place below it: the bits the sum's alignment drops still round it down.
TEST_F(Scoring, AProductJustOverHalfALastPlaceRoundsDownAndAKillStopsTheMultiplierAt16) {
  Score score{.score = 1000001, .multiplier = 0x1.7c47d02fb883p-60};
  score_add(score, -22059);
  EXPECT_EQ(score.score, 1000000);
  Score capped{.multiplier = 15.95};
  score_kill(capped);
  EXPECT_DOUBLE_EQ(capped.multiplier, 16.0);
}

// Where long double is the x87's own, the sum it forms is the reference.
TEST_F(Scoring, AdditionsMatchTheX87sLongDoubleInPlayAndAtTheEdges) {
  if (std::numeric_limits<long double>::digits != 64) GTEST_SKIP() << "no x87 long double here";
  constexpr int kDraws = 1'500'000;
  std::mt19937_64 random(87);
  auto below = [&](int64_t bound) { return static_cast<int64_t>(random() % bound); };
  auto any_int = [&] { return static_cast<int32_t>(static_cast<uint32_t>(random())); };
  Score played;  // its multiplier steps as a game's does
  for (int draw = 0; draw < kDraws; ++draw) {
    Score score;
    int factor = 1 + static_cast<int>(below(2));
    int points = 0;
    if (draw % 3 == 0) {
      const int64_t step = below(20);
      if (step == 0)
        score_penalty(played);
      else if (step < 12)
        score_kill(played);
      else
        score_graze(played);
      score = {.score = static_cast<int32_t>(below(3'000'000)), .multiplier = played.multiplier};
      points = 10 * static_cast<int>(below(1251));
    } else if (draw % 3 == 1) {
      // The clamp's bounds, signs, 16 and any finite double from 2^-100 to 2^40.
      const double multipliers[] = {16.0, 1 + 15 * std::ldexp(random() >> 11, -53),
                                    std::ldexp(random() >> 11, static_cast<int>(below(140)) - 153)};
      score.score = any_int() >> below(32);
      score.multiplier = multipliers[below(3)];
      if (below(8) == 0) factor = any_int();
      points = any_int() >> below(32);
    } else {
      // An odd product a of 12 or 13 bits times a multiplier M / 2^52 that makes
      // it the whole number K plus or minus 2^-52, a tie in 64 bits; the score
      // leaves only the rounding's effect.
      const int64_t a = 2049 + 2 * below(3072);
      const int side = below(2) == 0 ? 1 : -1;
      int64_t k = (a - side) % a;  // K = -side / 2^52 modulo a: halve 52 times
      for (int i = 0; i < 52; ++i) k = (k % 2 == 0 ? k : k + a) / 2;
      const int64_t whole = k + a;
      const auto mantissa = __extension__(((static_cast<__int128>(whole) << 52) + side) / a);
      const int sign = below(2) == 0 ? 1 : -1;
      factor = 1;
      points = static_cast<int>(sign * a);
      score = {.score = static_cast<int32_t>(-sign * (whole + side)),
               .multiplier = std::ldexp(static_cast<double>(mantissa), -52)};
    }
    game.score_factor = factor;
    const long double sum =
        static_cast<long double>(score.score) +
        static_cast<long double>(factor) * points * static_cast<long double>(score.multiplier);
    const auto expected = static_cast<int32_t>(std::clamp<long double>(
        sum, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
    const Score before = score;
    score_add(score, points);
    ASSERT_EQ(score.score, expected) << before.score << " + " << factor << " x " << points << " x "
                                     << std::hexfloat << before.multiplier;
  }
}
