// make_sample [--today YYYY-MM-DD] FOLDER
//
// Lays out a ready-made installation of the calendar in FOLDER, for the
// school year of today (or of the given date):
//   master/CalendarH.dat             display and print settings that fit
//                                    the month on A3 landscape
//   master/CalendarDef0設定.dat      default year settings
//   master/Calendar<年度>設定.dat     the school year's settings
//   Calendar_dat/Calendar<YYYYMM>.dat the twelve months; today's month has a
//                                    few days filled in
//   Calendar_pic/                    every picture those files name, and
//                                    不明２５６.bmp for a missing picture
// Files that are already there are left exactly as they are, so running it
// again only puts back what is missing. Prints each file it creates.

#include "bmp_writer.h"
#include "sample_pictures.h"
#include "sample_year.h"

#include "data/day_cell.h"
#include "data/file_io.h"
#include "data/month_file.h"
#include "data/year_file.h"
#include "data/year_settings.h"

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;
namespace ch = std::chrono;

namespace {

constexpr const char* kMasterFolder = "master";
constexpr const char* kMonthFolder = "Calendar_dat";
constexpr const char* kPictureFolder = "Calendar_pic";

// The program reads years as "20" and two digits.
constexpr int kFirstYear = 2000;
constexpr int kLastYear = 2099;

using Bytes = std::vector<std::uint8_t>;

class Failure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Options {
    fs::path root;
    std::optional<ch::year_month_day> today;
};

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

Options parseOptions(int argc, char** argv)
{
    Options options;
    bool haveRoot = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--today") {
            if (i + 1 == argc)
                throw UsageError("--today の後に日付がありません");
            options.today = sample::parseDate(argv[++i]);
            if (!options.today)
                throw UsageError(std::string("日付は YYYY-MM-DD で書いてください: ") + argv[i]);
        } else if (arg.starts_with("-") || arg.empty() || haveRoot) {
            throw UsageError(std::string("使えない引数です: ") + argv[i]);
        } else {
            options.root = fs::path(arg);
            haveRoot = true;
        }
    }
    if (!haveRoot)
        throw UsageError("作成するフォルダがありません");
    return options;
}

ch::year_month_day systemToday()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return ch::year{local.tm_year + 1900} / ch::month{static_cast<unsigned>(local.tm_mon + 1)} /
           ch::day{static_cast<unsigned>(local.tm_mday)};
}

fs::path fromUtf8(const std::string& utf8)
{
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

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

// Creates `file` with the bytes `make` gives, unless something already
// exists there. Returns false when the file was already there.
template <typename Make>
bool createMissing(const fs::path& file, Make make)
{
    std::error_code ec;
    if (fs::is_regular_file(file, ec))
        return false;
    const Bytes bytes = make();
    // "x": fail rather than replace a file that appears in the meantime.
    std::FILE* out = std::fopen(file.c_str(), "wbx");
    if (out == nullptr) {
        const int error = errno;
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
        fs::remove(file, ec);
        throw Failure("ファイルを書けません: " + file.string());
    }
    std::cout << "作成しました: " << file.string() << '\n';
    return true;
}

template <typename Record>
Bytes recordBytes(const Record& record)
{
    Bytes bytes(sizeof(Record));
    std::memcpy(bytes.data(), &record, sizeof(Record));
    return bytes;
}

void makeSample(const fs::path& root, ch::year_month_day today)
{
    ensureFolder(root);
    ensureFolder(root / kMasterFolder);
    ensureFolder(root / kMonthFolder);
    ensureFolder(root / kPictureFolder);
    const std::string dataDir = root.string();

    // Six rows hold every month; seven 50 mm boxes and a 20 mm left margin
    // keep the grid inside the border of frame pictures on A3 landscape (the
    // form's own 70 mm do not).
    createMissing(fromUtf8(cal::dataPath(dataDir, kMasterFolder, "CalendarH.dat")), [] {
        const std::string lines = "7\n6\n50\n38\n13\n20\n5\n6\n7\n1\n0\n7\n\n8\n12\n2\n3\n4\n0\n4\n40\n";
        return Bytes(lines.begin(), lines.end());
    });

    createMissing(fromUtf8(cal::defaultSettingsPath(dataDir)),
                  [] { return recordBytes(sample::defaultYearSettings()); });

    const int schoolYear = sample::schoolYearOf(today);
    const cal::YearSettings settings = sample::schoolYearSettings(schoolYear);
    createMissing(fromUtf8(cal::yearSettingsPath(dataDir, std::to_string(schoolYear))),
                  [&] { return recordBytes(settings); });

    for (int k = 1; k <= 12; ++k) {
        const ch::year_month month = sample::calendarMonthOf(schoolYear, k);
        const std::string path = cal::monthFilePath(dataDir, std::to_string(static_cast<int>(month.year())),
                                                    static_cast<int>(static_cast<unsigned>(month.month())));
        createMissing(fromUtf8(path), [&] {
            if (month == today.year() / today.month())
                return recordBytes(sample::filledMonth(month, settings));
            return Bytes(cal::kMonthFileSize, 0);
        });
    }

    for (const sample::SamplePicture& picture : sample::samplePictures()) {
        createMissing(fromUtf8(cal::dataPath(dataDir, kPictureFolder, std::string(picture.name))),
                      [&] { return sample::encodeBmp24(picture.draw()); });
    }
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    try {
        options = parseOptions(argc, argv);
    } catch (const UsageError& e) {
        std::cerr << "make_sample: " << e.what() << '\n'
                  << "使い方: make_sample [--today YYYY-MM-DD] <作成するフォルダ>\n";
        return 2;
    }
    try {
        const ch::year_month_day today = options.today.value_or(systemToday());
        const int year = static_cast<int>(today.year());
        if (year < kFirstYear || year > kLastYear)
            throw Failure("日付は" + std::to_string(kFirstYear) + "年から" + std::to_string(kLastYear) +
                          "年までにしてください: " + std::to_string(year) + "年");
        makeSample(options.root, today);
    } catch (const std::exception& e) {
        std::cerr << "make_sample: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
