// The program's code page 932 table against the GNU C library's iconv, from
// which it was made: every byte, every two-byte code, every character.
// Linux only: no other system has this iconv.
#include "data/sjis.h"

#include <gtest/gtest.h>

#include <iconv.h>

#include <optional>
#include <string>

namespace cal {
namespace {

class Iconv {
public:
    Iconv(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
    ~Iconv() { iconv_close(m_cd); }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;
    // The whole input converted; nothing when iconv refuses any of it.
    std::optional<std::string> operator()(std::string in) {
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        char out[16];
        char* inPtr = in.data();
        char* outPtr = out;
        std::size_t inLeft = in.size(), outLeft = sizeof out;
        if (iconv(m_cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1) || inLeft != 0)
            return std::nullopt;
        return std::string(out, static_cast<std::size_t>(outPtr - out));
    }

private:
    iconv_t m_cd;
};

std::string utf8Of(char32_t ch) {
    if (ch < 0x80) return std::string(1, static_cast<char>(ch));
    if (ch < 0x800) return {static_cast<char>(0xC0 | (ch >> 6)), static_cast<char>(0x80 | (ch & 0x3F))};
    return {static_cast<char>(0xE0 | (ch >> 12)), static_cast<char>(0x80 | ((ch >> 6) & 0x3F)),
            static_cast<char>(0x80 | (ch & 0x3F))};
}

TEST(Cp932Iconv, EveryCodeReadsAsIconvReadsIt) {
    Iconv decode("UTF-8", "CP932");
    for (int byte = 0; byte <= 0xFF; ++byte) {
        const std::string in(1, static_cast<char>(byte));
        if (isSjisLeadByte(static_cast<unsigned char>(byte))) continue;
        EXPECT_EQ(sjisToUtf8(in), decode(in).value_or("\xEF\xBF\xBD")) << std::hex << byte;
    }
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (!isSjisLeadByte(static_cast<unsigned char>(lead))) continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            if (trail == 0x7F) continue;
            const std::string in{static_cast<char>(lead), static_cast<char>(trail)};
            EXPECT_EQ(sjisToUtf8(in), decode(in).value_or("\xEF\xBF\xBD")) << std::hex << lead << trail;
        }
    }
}

TEST(Cp932Iconv, EveryCharacterIsStoredAsIconvStoresIt) {
    Iconv encode("CP932", "UTF-8");
    for (char32_t ch = 1; ch <= 0xFFFF; ++ch) {
        if (ch >= 0xD800 && ch <= 0xDFFF) continue;
        const std::string text = utf8Of(ch);
        ASSERT_EQ(utf8ToSjis(text), encode(text).value_or("?")) << std::hex << static_cast<unsigned>(ch);
    }
}

}  // namespace
}  // namespace cal
