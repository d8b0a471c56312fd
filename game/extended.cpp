#include "game/extended.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>

namespace {
// An extension gcc and clang (emscripten's too) share; -Wpedantic is told so.
__extension__ typedef unsigned __int128 Wide;
constexpr int kMantissaBits = 64;

int bit_width(Wide bits) {
  const auto high = static_cast<uint64_t>(bits >> 64);
  const auto width =
      high != 0 ? 64 + std::bit_width(high) : std::bit_width(static_cast<uint64_t>(bits));
  return static_cast<int>(width);
}

// sign x bits x 2^exponent rounded to a 64-bit mantissa, ties to even.
Extended round_to_extended(bool negative, Wide bits, int exponent) {
  if (bits == 0) return {negative, 0, 0};
  const int width = bit_width(bits);
  if (width <= kMantissaBits) {
    const int shift = kMantissaBits - width;
    return {negative, static_cast<uint64_t>(bits << shift), exponent - shift};
  }
  const int drop = width - kMantissaBits;
  Wide kept = bits >> drop;
  const Wide rest = bits & ((Wide{1} << drop) - 1);
  const Wide half = Wide{1} << (drop - 1);
  if (rest > half || (rest == half && (kept & 1) != 0)) kept += 1;
  exponent += drop;
  if (kept >> kMantissaBits != 0) {  // rounded up to the next power of two
    kept >>= 1;
    exponent += 1;
  }
  return {negative, static_cast<uint64_t>(kept), exponent};
}
}  // namespace

Extended extended_from_int(int64_t value) {
  const auto magnitude =
      value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  return round_to_extended(value < 0, magnitude, 0);
}

Extended extended_from_double(double value) {
  int exponent = 0;
  const double fraction = std::frexp(std::fabs(value), &exponent);  // 0.5 to 1, or 0
  return {std::signbit(value), static_cast<uint64_t>(std::ldexp(fraction, kMantissaBits)),
          exponent - kMantissaBits};
}

Extended extended_multiply(const Extended& a, const Extended& b) {
  return round_to_extended(a.negative != b.negative, Wide{a.mantissa} * b.mantissa,
                           a.exponent + b.exponent);
}

Extended extended_add(const Extended& a, const Extended& b) {
  if (a.mantissa == 0) return b;
  if (b.mantissa == 0) return a;
  const bool a_larger =
      a.exponent > b.exponent || (a.exponent == b.exponent && a.mantissa >= b.mantissa);
  const Extended& large = a_larger ? a : b;
  const Extended& small = a_larger ? b : a;
  // Both mantissas sit 62 bits up, leaving room for a carry above and the
  // rounding below; what the smaller loses past bit 0 survives as bit 0 (sticky).
  constexpr int kGuardBits = 62;
  const Wide x = Wide{large.mantissa} << kGuardBits;
  Wide y = Wide{small.mantissa} << kGuardBits;
  const int gap = large.exponent - small.exponent;
  if (gap >= 128) {
    y = 1;
  } else if (gap > 0) {
    const bool lost = (y & ((Wide{1} << gap) - 1)) != 0;
    y = (y >> gap) | Wide{lost};
  }
  return round_to_extended(large.negative, large.negative == small.negative ? x + y : x - y,
                           large.exponent - kGuardBits);
}

int32_t extended_to_int32(const Extended& value) {
  // 2^31 and up clamp either way (-2^31 itself is int32_t's lowest).
  constexpr uint64_t kBeyond = uint64_t{1} << 31;
  if (value.mantissa == 0 || value.exponent <= -kMantissaBits) return 0;
  const uint64_t whole =
      value.exponent >= 0 ? kBeyond : std::min(value.mantissa >> -value.exponent, kBeyond);
  const int64_t signed_whole =
      value.negative ? -static_cast<int64_t>(whole) : static_cast<int64_t>(whole);
  return static_cast<int32_t>(std::clamp<int64_t>(signed_whole, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}
