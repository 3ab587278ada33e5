// The program's code page 932 table against Windows' own (the system calls
// with no best fit): the same text from every code and the same code for
// every character, but for the differences chosen on purpose. Windows only.
#include "data/sjis.h"
#include "data/win32.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

namespace cal {
namespace {

std::string utf8Of(const wchar_t* text, int size) {
    char out[16];
    const int n = WideCharToMultiByte(CP_UTF8, 0, text, size, out, sizeof out, nullptr, nullptr);
    return std::string(out, static_cast<std::size_t>(n));
}

std::optional<std::string> windowsRead(const std::string& bytes) {
    wchar_t out[4];
    const int n = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()), out, 4);
    if (n <= 0) return std::nullopt;
    return utf8Of(out, n);
}

std::optional<std::string> windowsStored(wchar_t ch) {
    char out[4];
    BOOL usedDefault = FALSE;
    const int n = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, &ch, 1, out, sizeof out, nullptr, &usedDefault);
    if (n <= 0 || usedDefault) return std::nullopt;
    return std::string(out, static_cast<std::size_t>(n));
}

TEST(Cp932Windows, EveryTwoByteCodeReadsAsWindowsReadsIt) {
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (!isSjisLeadByte(static_cast<unsigned char>(lead))) continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            if (trail == 0x7F) continue;
            const std::string in{static_cast<char>(lead), static_cast<char>(trail)};
            EXPECT_EQ(sjisToUtf8(in), windowsRead(in).value_or("\xEF\xBF\xBD")) << std::hex << lead << trail;
        }
    }
    // Windows reads the bytes that start no character of Shift-JIS as
    // characters of its own (0x80 as U+0080); the program keeps them U+FFFD
    // on every system, as it always has.
    for (int byte = 0; byte <= 0xFF; ++byte) {
        if (isSjisLeadByte(static_cast<unsigned char>(byte))) continue;
        const std::string in(1, static_cast<char>(byte));
        const bool ownChoice = byte == 0x80 || byte == 0xA0 || byte >= 0xFD;
        if (ownChoice) continue;
        EXPECT_EQ(sjisToUtf8(in), windowsRead(in).value_or("?")) << std::hex << byte;
    }
}

TEST(Cp932Windows, EveryCharacterWindowsStoresIsStoredTheSame) {
    for (unsigned ch = 1; ch <= 0xFFFF; ++ch) {
        if (ch >= 0xD800 && ch <= 0xDFFF) continue;
        const wchar_t wide = static_cast<wchar_t>(ch);
        const std::string text = utf8Of(&wide, 1);
        const std::optional<std::string> windows = windowsStored(wide);
        // Windows stores none of the JIS forms (〜 U+301C); the program
        // stores them as Linux does, under the code of the Microsoft form.
        if (!windows) {
            const bool jisForm = std::u16string_view(u"¢£¥¬—‖‾−〜").find(static_cast<char16_t>(ch)) != std::u16string_view::npos;
            EXPECT_EQ(utf8ToSjis(text) != "?", jisForm) << std::hex << ch;
            continue;
        }
        // The bytes read as U+FFFD are no character's code either.
        const auto byte = static_cast<unsigned char>(windows->front());
        if (windows->size() == 1 && (byte == 0x80 || byte == 0xA0 || byte >= 0xFD)) {
            EXPECT_EQ(utf8ToSjis(text), "?") << std::hex << ch;
            continue;
        }
        ASSERT_EQ(utf8ToSjis(text), *windows) << std::hex << ch;
    }
}

}  // namespace
}  // namespace cal
