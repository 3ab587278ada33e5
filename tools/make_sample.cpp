// make_sample FOLDER
//
// Lays out a ready-made installation of the calendar in FOLDER:
//   master/CalendarDef0設定.dat   default year settings (an all-zero record)
//   Calendar_dat/                month files, written by the program itself
//   Calendar_pic/不明２５６.bmp    the picture shown when a picture is missing
// Files that are already there are left exactly as they are, so running it
// again only puts back what is missing. Prints each file it creates.

#include "bmp_writer.h"

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <numbers>
#include <stdexcept>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kYearSettingsRecordSize = 59162;

// File names are UTF-8 on disk.
constexpr const char* kMasterFolder = "master";
constexpr const char* kMonthFolder = "Calendar_dat";
constexpr const char* kPictureFolder = "Calendar_pic";
constexpr const char* kDefaultYearSettings = "CalendarDef0設定.dat";
constexpr const char* kMissingPicture = "不明２５６.bmp";

class Failure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

void ensureFolder(const fs::path& folder)
{
    std::error_code ec;
    if (fs::is_directory(folder, ec))
        return;
    if (fs::exists(folder, ec))
        throw Failure("フォルダの場所にフォルダ以外のものがあります: " + folder.string());
    fs::create_directories(folder, ec);
    if (ec)
        throw Failure("フォルダを作れません: " + folder.string() + " (" + ec.message() + ")");
}

// Creates `file` with `bytes`, unless something already exists there.
// Returns false when the file was already there.
bool writeNewFile(const fs::path& file, const std::vector<std::uint8_t>& bytes)
{
    // "x": fail rather than replace a file that appears in the meantime.
    std::FILE* out = std::fopen(file.c_str(), "wbx");
    if (out == nullptr) {
        const int error = errno;
        std::error_code ec;
        if (error == EEXIST) {
            if (fs::is_regular_file(file, ec))
                return false;
            throw Failure("ファイルの場所にファイル以外のものがあります: " + file.string());
        }
        throw Failure("ファイルを作れません: " + file.string() + " (" + std::strerror(error) + ")");
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    const bool closed = std::fclose(out) == 0;
    if (!written || !closed) {
        std::error_code ec;
        fs::remove(file, ec);
        throw Failure("ファイルを書けません: " + file.string());
    }
    return true;
}

// A light grey tile with a dark question mark and frame.
sample::Canvas drawMissingPicture()
{
    constexpr sample::Rgb kPaper{212, 212, 212};
    constexpr sample::Rgb kInk{48, 48, 48};
    constexpr sample::Rgb kFrame{128, 128, 128};

    sample::Canvas canvas(256, 256, kPaper);
    canvas.strokeRect(0, 0, 256, 256, 4, kFrame);

    // The hook: a thick ring from the left, over the top, down to the right,
    // with round ends; then a stroke down into the stem, and the dot.
    constexpr double cx = 128.0;
    constexpr double cy = 96.0;
    constexpr double outer = 56.0;
    constexpr double inner = 30.0;
    constexpr double stroke = outer - inner;
    constexpr double startDeg = 165.0;
    constexpr double sweepDeg = 240.0;
    const auto onHook = [&](double deg) {
        const double radians = deg * std::numbers::pi / 180.0;
        const double r = (outer + inner) / 2.0;
        return std::pair{cx + r * std::cos(radians), cy + r * std::sin(radians)};
    };
    canvas.fillArc(cx, cy, outer, inner, startDeg, sweepDeg, kInk);
    const auto [leftX, leftY] = onHook(startDeg);
    canvas.fillEllipse(leftX, leftY, stroke / 2.0, stroke / 2.0, kInk);
    const auto [endX, endY] = onHook(startDeg + sweepDeg);
    canvas.drawLine(endX, endY, cx, 160.0, stroke, kInk);
    canvas.drawLine(cx, 160.0, cx, 180.0, stroke, kInk);
    canvas.fillEllipse(cx, 217.0, 15.0, 15.0, kInk);
    return canvas;
}

void report(const fs::path& file, bool created)
{
    if (created)
        std::cout << "作成しました: " << file.string() << '\n';
}

void makeSample(const fs::path& root)
{
    ensureFolder(root);
    ensureFolder(root / kMasterFolder);
    ensureFolder(root / kMonthFolder);
    ensureFolder(root / kPictureFolder);

    const fs::path settings = root / kMasterFolder / kDefaultYearSettings;
    report(settings, writeNewFile(settings, std::vector<std::uint8_t>(kYearSettingsRecordSize, 0)));

    const fs::path picture = root / kPictureFolder / kMissingPicture;
    report(picture, writeNewFile(picture, sample::encodeBmp24(drawMissingPicture())));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2 || argv[1][0] == '\0') {
        std::cerr << "使い方: make_sample <作成するフォルダ>\n";
        return 2;
    }
    try {
        makeSample(fs::path(argv[1]));
    } catch (const std::exception& e) {
        std::cerr << "make_sample: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
