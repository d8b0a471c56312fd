#pragma once
// The x87's 80-bit long double, done in integers: every step rounds to a
// 64-bit mantissa, ties to even. Builds whose long double is wider (WebAssembly,
// arm64) or narrower still score exactly as the desktop game does.

#include <cstdint>

// sign x mantissa x 2^exponent; the mantissa's top bit is set unless it is 0.
// The score's products stay far inside the x87's exponent range, so there is
// no overflow or gradual underflow here.
struct Extended {
  bool negative = false;
  uint64_t mantissa = 0;
  int exponent = 0;
};

Extended extended_from_int(int64_t value);
Extended extended_from_double(double value);  // finite
Extended extended_multiply(const Extended& a, const Extended& b);
Extended extended_add(const Extended& a, const Extended& b);
// Truncated toward zero, then clamped to int32_t's range.
int32_t extended_to_int32(const Extended& value);
