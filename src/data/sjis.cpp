#include "data/sjis.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <iconv.h>

namespace cal {

namespace {

// One open conversion per direction and thread; iconv descriptors are costly
// to open and the conversions run for every text drawn.
class Converter {
public:
    Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
    ~Converter() {
        if (m_cd != reinterpret_cast<iconv_t>(-1)) iconv_close(m_cd);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts `in`; on a byte sequence it cannot take, appends `replacement`
    // and skips `skip(in)` bytes.
    template <typename Skip>
    std::string run(std::string_view in, std::string_view replacement, Skip skip) {
        std::string out;
        if (m_cd == reinterpret_cast<iconv_t>(-1)) return out;
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        char buffer[256];
        std::size_t pos = 0;
        while (pos < in.size()) {
            char* inPtr = const_cast<char*>(in.data() + pos);
            std::size_t inLeft = in.size() - pos;
            char* outPtr = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t rc = iconv(m_cd, &inPtr, &inLeft, &outPtr, &outLeft);
            const int err = errno;
            out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
            pos = in.size() - inLeft;
            if (rc != static_cast<std::size_t>(-1)) break;
            if (err == E2BIG) continue;
            if (err == EINVAL) break;  // incomplete character at the end
            out += replacement;
            pos += std::max<std::size_t>(1, skip(in.substr(pos)));
            iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        }
        return out;
    }

private:
    iconv_t m_cd;
};

std::size_t utf8SequenceLength(std::string_view s) {
    const auto lead = static_cast<unsigned char>(s.front());
    std::size_t n = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    return std::min(n, s.size());
}

std::size_t sjisSequenceLength(std::string_view s) {
    return isSjisLeadByte(static_cast<unsigned char>(s.front())) && s.size() >= 2 ? 2 : 1;
}

}  // namespace

bool isSjisLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

std::string sjisToUtf8(std::string_view sjis) {
    // Single bytes below 0x80 are the same characters in both: picture names
    // usually are, and are converted at every repaint.
    if (std::all_of(sjis.begin(), sjis.end(), [](char ch) { return static_cast<unsigned char>(ch) < 0x80; }))
        return std::string(sjis);
    thread_local Converter converter("UTF-8", "CP932");
    return converter.run(sjis, "\xEF\xBF\xBD", sjisSequenceLength);
}

std::string utf8ToSjis(std::string_view utf8) {
    thread_local Converter converter("CP932", "UTF-8");
    return converter.run(utf8, "?", utf8SequenceLength);
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

namespace {

// The code point of one UTF-8 sequence, or U+FFFD for a broken one.
char32_t codePoint(std::string_view seq) {
    const auto b = [&](std::size_t i) { return static_cast<char32_t>(static_cast<unsigned char>(seq[i])); };
    switch (seq.size()) {
    case 1: return b(0) < 0x80 ? b(0) : 0xFFFD;
    case 2: return ((b(0) & 0x1F) << 6) | (b(1) & 0x3F);
    case 3: return ((b(0) & 0x0F) << 12) | ((b(1) & 0x3F) << 6) | (b(2) & 0x3F);
    default: return ((b(0) & 0x07) << 18) | ((b(1) & 0x3F) << 12) | ((b(2) & 0x3F) << 6) | (b(3) & 0x3F);
    }
}

}  // namespace

std::vector<std::string> unstorableCharacters(std::string_view utf8) {
    std::vector<std::string> found;
    for (std::size_t pos = 0; pos < utf8.size();) {
        const std::string_view seq = utf8.substr(pos, utf8SequenceLength(utf8.substr(pos)));
        pos += seq.size();
        // A character Shift-JIS holds comes back from its bytes unchanged.
        if (sjisToUtf8(utf8ToSjis(seq)) == seq) continue;
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
