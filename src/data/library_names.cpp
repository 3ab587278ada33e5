#include "data/library_names.h"

#include "data/sjis.h"

#include <algorithm>

namespace cal {

namespace {

constexpr std::string_view kExtension = ".bmp";
constexpr std::string_view kStandIn = "画像";

// Characters Windows refuses in a file name, and control characters.
bool refusedInName(char ch) {
    return static_cast<unsigned char>(ch) < 0x20 || std::string_view("\\/:*?\"<>|").find(ch) != std::string_view::npos;
}

std::size_t utf8Length(unsigned char lead) { return lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1; }

// The stem with every character a record or a file name cannot hold as "_".
std::string storableStem(std::string_view stem) {
    std::string out;
    for (std::size_t pos = 0; pos < stem.size();) {
        const std::size_t n = std::min(utf8Length(static_cast<unsigned char>(stem[pos])), stem.size() - pos);
        const std::string_view ch = stem.substr(pos, n);
        pos += n;
        const bool bad = (n == 1 && refusedInName(ch[0])) || !unstorableCharacters(ch).empty();
        out += bad ? std::string_view("_") : ch;
    }
    // Windows drops trailing dots and blanks, and a name of only those.
    while (!out.empty() && (out.back() == '.' || out.back() == ' ')) out.pop_back();
    while (!out.empty() && out.front() == ' ') out.erase(0, 1);
    return out;
}

char lower(char ch) { return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch; }

// CON, NUL, COM1 … : Windows opens the device, whatever the extension.
bool isDeviceStem(std::string_view stem) {
    std::string s;
    for (const char ch : stem) s += lower(ch);
    if (s == "con" || s == "prn" || s == "aux" || s == "nul") return true;
    return s.size() == 4 && (s.starts_with("com") || s.starts_with("lpt")) && s[3] >= '1' && s[3] <= '9';
}

}  // namespace

std::string libraryName(std::string_view fileName, int number) {
    const std::size_t dot = fileName.rfind('.');
    std::string stem = storableStem(dot == std::string_view::npos ? fileName : fileName.substr(0, dot));
    if (stem.empty()) stem = kStandIn;
    if (isDeviceStem(stem)) stem.insert(0, "_");
    const std::string suffix = (number > 1 ? "-" + std::to_string(number) : std::string()) + std::string(kExtension);
    const std::string sjis = utf8ToSjis(stem);
    const std::size_t room = kPictureNameBytes - suffix.size();
    std::string cut = sjisToUtf8(std::string_view(sjis).substr(0, sjisPrefixLength(sjis, room)));
    while (!cut.empty() && (cut.back() == '.' || cut.back() == ' ')) cut.pop_back();
    if (cut.empty()) cut = kStandIn;
    return cut + suffix;
}

bool sameLibraryName(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace cal
