#include "data/sjis.h"

#include "data/cp932_table.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <utility>
#include <vector>

namespace cal {

namespace {

constexpr char32_t kNoCharacter = 0xFFFD;
constexpr char32_t kFirstUserDefined = 0xE000;  // of lead bytes 0xF0-0xF9

// The trail byte's place in a row of the table; -1 for no trail byte.
int trailIndex(unsigned char trail) {
    if (trail >= 0x40 && trail <= 0x7E) return trail - 0x40;
    if (trail >= 0x80 && trail <= 0xFC) return trail - 0x41;
    return -1;
}

char32_t decodePair(unsigned char lead, unsigned char trail) {
    const int t = trailIndex(trail);
    if (t < 0) return kNoCharacter;
    if (lead >= 0xF0 && lead <= 0xF9)
        return kFirstUserDefined + static_cast<char32_t>((lead - 0xF0) * cp932::kTrails + static_cast<unsigned>(t));
    const int row = lead <= 0x9F ? lead - 0x81 : lead <= 0xEF ? lead - 0xE0 + 31 : lead - 0xFA + 47;
    return cp932::kDoubleByte[row][t];
}

char32_t decodeSingle(unsigned char byte) {
    if (byte < 0x80) return byte;
    if (byte >= 0xA1 && byte <= 0xDF) return 0xFF61 + (byte - 0xA1);  // half-width katakana
    return kNoCharacter;
}

// The code of every character of the Basic Multilingual Plane, 0 for none.
// A character with two codes takes the first, except that the NEC-selected
// IBM rows 0xED-0xEE give way to IBM's own rows 0xFA-0xFC, as Windows does.
const std::vector<std::uint16_t>& encodeTable() {
    static const std::vector<std::uint16_t> table = [] {
        std::vector<std::uint16_t> codes(0x10000, 0);
        const auto put = [&](char32_t ch, unsigned code) {
            if (ch != kNoCharacter && codes[ch] == 0) codes[ch] = static_cast<std::uint16_t>(code);
        };
        for (unsigned byte = 0xA1; byte <= 0xDF; ++byte) put(decodeSingle(static_cast<unsigned char>(byte)), byte);
        for (const auto& [first, last] : {std::pair{0x81u, 0x9Fu}, {0xE0u, 0xECu}, {0xF0u, 0xFCu}, {0xEDu, 0xEEu}})
            for (unsigned lead = first; lead <= last; ++lead)
                for (unsigned trail = 0x40; trail <= 0xFC; ++trail)
                    put(decodePair(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail)),
                        lead << 8 | trail);
        for (const cp932::EncodeOnly& extra : cp932::kEncodeOnly) put(extra.character, extra.code);
        return codes;
    }();
    return table;
}

std::size_t utf8SequenceLength(std::string_view s) {
    const auto lead = static_cast<unsigned char>(s.front());
    std::size_t n = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    return std::min(n, s.size());
}

// The code point of one UTF-8 sequence, or U+FFFD for a broken one.
char32_t codePoint(std::string_view seq) {
    const auto b = [&](std::size_t i) { return static_cast<char32_t>(static_cast<unsigned char>(seq[i])); };
    if (b(0) >= 0x80 && (seq.size() == 1 || b(0) < 0xC0 || b(0) > 0xF4)) return kNoCharacter;
    for (std::size_t i = 1; i < seq.size(); ++i)
        if ((b(i) & 0xC0) != 0x80) return kNoCharacter;
    const std::size_t expected = b(0) < 0x80 ? 1 : b(0) >= 0xF0 ? 4 : b(0) >= 0xE0 ? 3 : 2;
    if (seq.size() != expected) return kNoCharacter;  // cut short by the end of the text
    char32_t ch = 0;
    switch (seq.size()) {
    case 1: return b(0);
    case 2: ch = ((b(0) & 0x1F) << 6) | (b(1) & 0x3F); break;
    case 3: ch = ((b(0) & 0x0F) << 12) | ((b(1) & 0x3F) << 6) | (b(2) & 0x3F); break;
    default: ch = ((b(0) & 0x07) << 18) | ((b(1) & 0x3F) << 12) | ((b(2) & 0x3F) << 6) | (b(3) & 0x3F);
    }
    // An overlong form (C0 80 for a zero byte), a surrogate or a code past
    // U+10FFFF is no character.
    constexpr char32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (ch < kShortest[seq.size()] || (ch >= 0xD800 && ch <= 0xDFFF) || ch > 0x10FFFF) return kNoCharacter;
    return ch;
}

void appendUtf8(std::string& out, char32_t ch) {
    if (ch < 0x80) {
        out += static_cast<char>(ch);
    } else if (ch < 0x800) {
        out += static_cast<char>(0xC0 | (ch >> 6));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    } else {  // every character of code page 932 lies in the BMP
        out += static_cast<char>(0xE0 | (ch >> 12));
        out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    }
}

// The code of a character beyond ASCII, 0 when code page 932 holds none.
unsigned codeOf(char32_t ch) { return ch <= 0xFFFF && ch != kNoCharacter ? encodeTable()[ch] : 0; }

// Stored under the code of the same character as the other mapping names it
// (〜 as ～): it comes back as that character, which is no loss.
bool isOtherMappingsForm(char32_t ch) {
    return std::any_of(std::begin(cp932::kEncodeOnly), std::end(cp932::kEncodeOnly),
                       [&](const cp932::EncodeOnly& e) { return e.character == ch && e.code > 0xFF; });
}

}  // namespace

bool isSjisLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

std::string sjisToUtf8(std::string_view sjis) {
    std::string out;
    out.reserve(sjis.size() * 3 / 2);
    for (std::size_t pos = 0; pos < sjis.size();) {
        const auto byte = static_cast<unsigned char>(sjis[pos]);
        if (!isSjisLeadByte(byte)) {
            appendUtf8(out, decodeSingle(byte));
            ++pos;
        } else if (pos + 1 == sjis.size()) {
            break;  // a character cut at the end
        } else if (const auto trail = static_cast<unsigned char>(sjis[pos + 1]); trailIndex(trail) < 0) {
            appendUtf8(out, kNoCharacter);  // the byte after it is read on its own
            ++pos;
        } else {
            appendUtf8(out, decodePair(byte, trail));
            pos += 2;
        }
    }
    return out;
}

std::string utf8ToSjis(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const std::string_view seq = utf8.substr(pos, utf8SequenceLength(utf8.substr(pos)));
        const char32_t ch = codePoint(seq);
        // A broken sequence costs one byte only, so the text after it is kept.
        pos += ch == kNoCharacter && seq != "\xEF\xBF\xBD" ? 1 : seq.size();
        const unsigned code = ch < 0x80 ? ch : codeOf(ch);
        if (code == 0 && ch != 0) {
            out += '?';
        } else if (code > 0xFF) {
            out += static_cast<char>(code >> 8);
            out += static_cast<char>(code & 0xFF);
        } else {
            out += static_cast<char>(code & 0xFF);
        }
    }
    return out;
}

std::size_t sjisPrefixLength(std::string_view sjis, std::size_t width) {
    std::size_t pos = 0;
    while (pos < sjis.size()) {
        const std::size_t len = isSjisLeadByte(static_cast<unsigned char>(sjis[pos])) ? 2 : 1;
        if (pos + len > width || pos + len > sjis.size()) break;
        pos += len;
    }
    return pos;
}

std::string fieldText(std::span<const char> field) {
    const auto end = std::find(field.begin(), field.end(), '\0');
    return sjisToUtf8(std::string_view(field.data(), static_cast<std::size_t>(end - field.begin())));
}

std::string fieldName(std::span<const char> field) {
    std::string_view bytes(field.data(), field.size());
    const auto first = bytes.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    bytes = bytes.substr(first, bytes.find_last_not_of(' ') - first + 1);
    bytes = bytes.substr(0, bytes.find('\0'));
    return sjisToUtf8(bytes);
}

void storeField(std::span<char> field, std::string_view utf8) {
    // A zero ends a field's text: nothing after it is stored.
    const std::string sjis = utf8ToSjis(utf8.substr(0, utf8.find('\0')));
    const std::size_t n = sjisPrefixLength(sjis, field.size());
    std::fill(std::copy_n(sjis.begin(), n, field.begin()), field.end(), '\0');
}

std::string fitToSjisWidth(std::string_view utf8, std::size_t width) {
    const std::string sjis = utf8ToSjis(utf8);
    return sjisToUtf8(std::string_view(sjis).substr(0, sjisPrefixLength(sjis, width)));
}

std::vector<std::string> unstorableCharacters(std::string_view utf8) {
    std::vector<std::string> found;
    for (std::size_t pos = 0; pos < utf8.size();) {
        const std::string_view seq = utf8.substr(pos, utf8SequenceLength(utf8.substr(pos)));
        pos += seq.size();
        // A character Shift-JIS holds comes back from its bytes unchanged.
        if (sjisToUtf8(utf8ToSjis(seq)) == seq || isOtherMappingsForm(codePoint(seq))) continue;
        if (std::find(found.begin(), found.end(), seq) == found.end()) found.emplace_back(seq);
    }
    return found;
}

std::string describeCharacters(const std::vector<std::string>& characters) {
    std::string text;
    for (const std::string& ch : characters) {
        char code[16];
        std::snprintf(code, sizeof code, "(U+%04X)", static_cast<unsigned>(codePoint(ch)));
        text += (text.empty() ? "「" : " 「") + ch + "」" + code;
    }
    return text;
}

std::string fieldFitWarning(std::string_view utf8, std::size_t width) {
    if (const auto bad = unstorableCharacters(utf8); !bad.empty())
        return "保存できない文字があります: " + describeCharacters(bad);
    if (utf8ToSjis(utf8).size() > width)
        return std::to_string(width) + "バイトを超えた分は保存されません";
    return {};
}

}  // namespace cal
