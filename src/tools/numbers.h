#pragma once
// Numbers typed into fields or read from text files: the leading decimal
// number of the text, blanks before it and a sign allowed; 0 when there is none.

#include <string>
#include <string_view>

namespace cal {

double leadingValue(std::string_view text);
// The whole-number part of leadingValue, clamped to the range of int.
int leadingInt(std::string_view text);
// Blanks (half-width spaces) trimmed at both ends.
std::string_view trimBlanks(std::string_view text);

}  // namespace cal
