// The text functions of the framework: numbers from text and back, characters and their codes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace fw {

// The number that the text spells when the whole text is one: an optional sign, digits with at
// most one point and at least one digit, and an optional exponent ("5.", ".5", "00.5", "-1e3").
// Any other text, the empty one included, gives NaN: a text read only in part ("1.2.3", ".", "1x")
// must never pass for the number it starts with, and NaN fails every comparison a caller checks.
double Val(std::string_view text);

// The number written after a mask. Supported mask characters: "#" (optional digit), "0" (digit),
// "." (the decimal point), "-" and "," are not needed by the program and are written literally.
// ".0000" writes 0.1864 as ".1864", 0 as ".0000" and a value that rounds to 1 as "1.0000": digits
// the mask has no place for before the point are written all the same, so a value is never cut.
// The value is rounded to the mask's places once, halves away from zero; "#" places after the point
// drop trailing zeros. NaN is written "NaN", infinities "INF" and "-INF".
std::string Format(double number, std::string_view mask);

// The one-character text (UTF-8) of a Unicode code point; the empty text for a code that is none
// (negative, a surrogate, past U+10FFFF), since no character stands for it.
std::string Chr(std::int64_t code);

// The code point of the text's first character (UTF-8); 0 for the empty text. A malformed
// sequence gives its first byte's value, so that no byte of the text is lost.
std::int64_t Asc(std::string_view text);

}  // namespace fw
