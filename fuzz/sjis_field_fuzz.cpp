// The Shift-JIS codec and storing into a fixed-width field: the first byte
// picks the field width, the rest is read both as Shift-JIS bytes and as a
// typed text. A stored field never ends in half a character, holds only zero
// bytes after its text, and reads back as the stored text.
#include "data/sjis.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>

using namespace cal;

namespace {

void checkStored(std::span<char> field, std::string_view typed) {
    storeField(field, typed);
    const std::string_view bytes(field.data(), field.size());
    const std::size_t end = std::min(bytes.find('\0'), bytes.size());
    if (bytes.find_first_not_of('\0', end) != std::string_view::npos) std::abort();
    if (sjisPrefixLength(bytes.substr(0, end), field.size()) != end) std::abort();
    // What the user typed and is told fits comes back whole: as the same
    // characters, a JIS form (¬) as the Microsoft form of its code (￢).
    if (fieldFitWarning(typed, field.size()).empty() && typed.find('\0') == std::string_view::npos &&
        utf8ToSjis(fieldText(field)) != utf8ToSjis(typed))
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
    std::array<char, 64> buffer{};
    const std::span<char> field(buffer.data(), std::size_t{data[0]} % 64 + 1);

    // Bytes read from a file, shown, and stored again.
    const std::string shown = sjisToUtf8(input);
    checkStored(field, shown);
    // The same bytes taken as a typed text.
    checkStored(field, input);
    unstorableCharacters(input);
    describeCharacters(unstorableCharacters(shown));
    fitToSjisWidth(input, field.size());
    return 0;
}
