#pragma once

namespace calc {

// The character that stands for a UTF-16 code unit in a number written in the home number format.
// ASCII stays as it is; the full-width forms that a Chinese input method types in full-width mode
// become their ASCII twins: digits U+FF10..U+FF19, "．" U+FF0E, "＋" U+FF0B, "－" U+FF0D, and the
// ideographic space U+3000 becomes a blank. Every other code unit becomes kNoNumberCharacter.
char ToHomeFormCharacter(char16_t unit);

// Stands for code units that can be part of no number. NUL itself is no part of one either.
inline constexpr char kNoNumberCharacter = '\0';

} // namespace calc
