// Code page 437: the IBM PC character set the game's console codes follow.
#pragma once

#include <optional>

namespace assetgen {

// The character code `code` (0..255) stands for. Codes 1..31 and 127 are the
// PC's picture characters (smiling face, card suits, arrows, house), not
// control codes. Code 0 has no character and maps to U+0000.
char32_t cp437_to_unicode(int code);

// A code point that looks the same where fonts lack the one above, e.g. the
// pointer U+25BA for which fonts usually carry the triangle U+25B6.
std::optional<char32_t> cp437_stand_in(int code);

// The reverse lookup, for writing text with the console's codes.
std::optional<int> unicode_to_cp437(char32_t code_point);

}  // namespace assetgen
