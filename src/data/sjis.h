#pragma once
// Conversion between the program's UTF-8 texts and the Shift-JIS (code page
// 932) bytes kept in files. Conversion happens only where texts enter or leave
// a record or a file.

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace cal {

// Bytes that are no valid Shift-JIS become U+FFFD; an incomplete two-byte
// character at the end is dropped.
std::string sjisToUtf8(std::string_view sjis);
// Characters that Shift-JIS cannot hold become "?".
std::string utf8ToSjis(std::string_view utf8);
// The longest prefix of `sjis` of at most `width` bytes that ends on a
// character boundary.
std::size_t sjisPrefixLength(std::string_view sjis, std::size_t width);
// True when `byte` starts a two-byte Shift-JIS character.
bool isSjisLeadByte(unsigned char byte);

// Fixed-width text fields of the records.
// The field's text up to its first zero byte.
std::string fieldText(std::span<const char> field);
// The field read as a name: blanks trimmed at both ends, then cut at the first
// zero byte (TOOL_NULL_CUT on the field's bytes).
std::string fieldName(std::span<const char> field);
// Stores `utf8` (up to a zero character, if any) cut to the field's width,
// never splitting a two-byte character; the rest of the field becomes zero
// bytes.
void storeField(std::span<char> field, std::string_view utf8);
// Cuts an UTF-8 text so that its Shift-JIS form fits `width` bytes.
std::string fitToSjisWidth(std::string_view utf8, std::size_t width);

// The characters of `utf8` that Shift-JIS cannot hold (emoji, 𠮷, Hangul, a
// combining mark, a character that would come back as another), each once,
// in order of appearance.
std::vector<std::string> unstorableCharacters(std::string_view utf8);
// The characters for a message: "「😀」(U+1F600) 「゙」(U+3099)".
std::string describeCharacters(const std::vector<std::string>& characters);
// What a field of `width` bytes would do to `utf8`, for the control showing
// it: empty when it is stored as it is, else the warning to show beside it.
std::string fieldFitWarning(std::string_view utf8, std::size_t width);

}  // namespace cal
