// Forced into every file of ours by the web build: the C++ library of
// Debian's emscripten 3.1.6 has <bit> without std::bit_cast, which its clang
// can still do as a builtin.
#pragma once
#include <bit>
#ifndef __cpp_lib_bit_cast
namespace std {
template <class To, class From>
constexpr To bit_cast(const From& from) noexcept {
  return __builtin_bit_cast(To, from);
}
}  // namespace std
#endif
