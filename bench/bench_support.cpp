#include "bench_support.h"

#include "data/day_cell.h"
#include "data/file_io.h"
#include "data/month_file.h"
#include "data/sjis.h"
#include "data/year_file.h"
#include "data/year_settings.h"
#include "date/calc_date.h"
#include "layout/grid.h"
#include "layout/month_layout.h"
#include "tools/string_tools.h"
#include "qt/pictures/picture_cache.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <malloc.h>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

namespace calbench {

namespace fs = std::filesystem;

namespace {

constexpr const char* kLines[] = {"えんそく", "たいそう", "おたんじょうかい", "ほけんだより", "ひなまつり",
                                  "おわかれかい", "けんこうしんだん", "すいえい"};

fs::path uniqueTempFolder(const std::string& stem) {
    static std::atomic<int> counter{0};
    return fs::temp_directory_path() /
           (stem + "-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
}

void writeOrThrow(const std::string& path, const std::string& bytes) {
    std::string error;
    if (!cal::writeFileReplacing(path, bytes, error)) throw std::runtime_error(path + ": " + error);
}

std::map<std::string, std::vector<double>>& sampleTable() {
    static std::map<std::string, std::vector<double>> table;
    return table;
}

long statusKb(const char* key) {
    std::ifstream in("/proc/self/status");
    std::string line;
    const std::string prefix = std::string(key) + ":";
    while (std::getline(in, line))
        if (line.rfind(prefix, 0) == 0) return std::stol(line.substr(prefix.size()));
    return 0;
}

}  // namespace

std::string pictureName(int index) {
    char name[32];
    std::snprintf(name, sizeof name, "pic%02d.bmp", index);
    return name;
}

// ---- pictures and folders ----------------------------------------------

PictureStore& PictureStore::instance() {
    static PictureStore store;
    return store;
}

PictureStore::PictureStore() : m_folder(uniqueTempFolder("calendar-bench-pictures").string()) {
    fs::create_directories(m_folder);
}

PictureStore::~PictureStore() {
    std::error_code ec;
    fs::remove_all(m_folder, ec);
}

const char* sizeName(PictureSize size) { return size == PictureSize::Large ? "4000x3000" : "640x480"; }

const std::string& PictureStore::path(int index, PictureSize size) {
    const auto found = m_paths.find({index, size});
    if (found != m_paths.end()) return found->second;
    constexpr int kPhotosMade = 8;
    const std::string path =
        (fs::path(m_folder) / (std::string(sizeName(size)) + "-" + pictureName(index))).string();
    if (size == PictureSize::Large && index > kPhotosMade) {
        fs::create_hard_link(this->path((index - 1) % kPhotosMade + 1, size), path);
    } else if (size == PictureSize::Large) {
        writeOrThrow(path, photoBmp(index));
    } else {
        const std::vector<std::uint8_t> bytes = sample::encodeBmp24(drawTestPicture(index));
        writeOrThrow(path, std::string(bytes.begin(), bytes.end()));
    }
    return m_paths.emplace(std::pair{index, size}, path).first->second;
}

DataFolder::DataFolder(int pictures, PictureSize size) : m_path(uniqueTempFolder("calendar-bench").string()) {
    for (const char* folder : {"master", "Calendar_dat", "Calendar_pic"})
        fs::create_directories(fs::path(m_path) / folder);

    auto year = std::make_unique<cal::YearSettings>();
    const auto m = static_cast<std::size_t>(cal::FB_TUKI_CNV(cal::MonthConv::ToSchool, kMonth));
    year->daysInMonth[m].set(kDays);
    cal::storeField(year->firstWeekday[m], "日");
    std::string error;
    const std::string yearPath =
        cal::yearSettingsPath(m_path, std::to_string(cal::schoolYearOf(kYear, kMonth)));
    if (!cal::writeYearSettings(yearPath, *year, error)) throw std::runtime_error(yearPath + ": " + error);
    writeOrThrow(cal::monthFilePath(m_path, std::to_string(kYear), kMonth),
                 std::string(cal::kMonthFileSize, '\0'));

    for (int i = 1; i <= pictures; ++i) {
        std::error_code linkError;
        fs::create_hard_link(PictureStore::instance().path(i, size), picturePath(i), linkError);
        if (linkError) fs::copy_file(PictureStore::instance().path(i, size), picturePath(i));
    }
}

DataFolder::~DataFolder() {
    std::error_code ec;
    fs::remove_all(m_path, ec);
}

std::string DataFolder::picturePath(int index) const {
    return (fs::path(m_path) / "Calendar_pic" / pictureName(index)).string();
}

std::string DataFolder::file(const std::string& name) const { return (fs::path(m_path) / name).string(); }

// ---- the displayed month -------------------------------------------------

void installMonth(cal::AppState& s, int distinct, int first) {
    int next = 0;
    const auto picture = [&]() -> std::string {
        if (distinct <= 0) return {};
        return pictureName(first + next++ % distinct + 1);
    };

    s.currentMonth = kMonth;
    s.currentYear = std::to_string(kYear);
    s.schoolYear = std::to_string(cal::schoolYearOf(kYear, kMonth));

    cal::YearSettings& y = s.yearSettings;
    const auto m = static_cast<std::size_t>(cal::FB_TUKI_CNV(cal::MonthConv::ToSchool, kMonth));
    y.daysInMonth[m].set(kDays);
    cal::storeField(y.firstWeekday[m], "日");
    cal::storeField(y.schoolName, "ひまわりほいくえん");
    cal::storeField(y.className, "ちゅうりっぷぐみ");
    cal::storeField(y.titlePicture[m], picture());
    cal::storeField(y.schoolPicture, picture());
    cal::storeField(y.classPicture, picture());
    for (std::size_t f = 1; f <= 6; ++f) cal::storeField(y.framePicture[f], picture());

    for (std::size_t n = 1; n < s.monthCells.size(); ++n) {
        cal::DayCell& cell = s.monthCells[n];
        cell = cal::DayCell{};
        if (n > static_cast<std::size_t>(kDays)) continue;
        for (std::size_t j = 1; j <= 4; ++j)
            cal::storeField(cell.lineText[j], kLines[(n + j) % std::size(kLines)]);
        cal::storeField(cell.pictureFile[1], picture());
        for (std::size_t j = 3; j <= 8; ++j) cal::storeField(cell.pictureFile[j], picture());
    }
    s.dayChanged = 0;
}

SchoolYear writeSchoolYear(const DataFolder& folder, int columns, int rows) {
    constexpr const char* kWeekdays[] = {"日", "月", "火", "水", "木", "金", "土"};
    SchoolYear year{std::make_unique<cal::YearSettings>(), {}};
    cal::YearSettings& y = *year.settings;
    cal::storeField(y.schoolName, "ひまわりほいくえん");
    cal::storeField(y.className, "ちゅうりっぷぐみ");
    cal::storeField(y.schoolPicture, pictureName(1));
    cal::storeField(y.classPicture, pictureName(2));
    for (std::size_t f = 1; f <= 6; ++f) cal::storeField(y.framePicture[f], pictureName(static_cast<int>(f) + 2));
    for (int i = 0; i < 12; ++i) {
        const int month = (i + 3) % 12 + 1;
        const int calendarYear = month >= 4 ? kYearSchoolYear : kYearSchoolYear + 1;
        const auto m = static_cast<std::size_t>(i + 1);
        y.daysInMonth[m].set(cal::daysInMonth(calendarYear, month));
        cal::storeField(y.firstWeekday[m], kWeekdays[cal::weekdayOfSerial(cal::serialDay(calendarYear, month, 1))]);
        cal::storeField(y.titlePicture[m], pictureName(20 * i + 1 + (i % 20)));
    }
    std::string error;
    const std::string yearPath = cal::yearSettingsPath(folder.path(), std::to_string(kYearSchoolYear));
    if (!cal::writeYearSettings(yearPath, y, error)) throw std::runtime_error(yearPath + ": " + error);

    for (int i = 0; i < 12; ++i) {
        SchoolYearMonth month{i < 9 ? kYearSchoolYear : kYearSchoolYear + 1, (i + 3) % 12 + 1,
                              std::make_unique<cal::MonthCells>()};
        int next = 0;
        const auto picture = [&] { return pictureName(20 * i + next++ % 40 + 1); };
        for (const cal::DayPlace& place : cal::dayPlaces(cal::monthLayout(y, month.month), columns, rows)) {
            cal::DayCell& cell = (*month.cells)[static_cast<std::size_t>(place.cell)];
            for (std::size_t j = 1; j <= 4; ++j)
                cal::storeField(cell.lineText[j], kLines[(static_cast<std::size_t>(place.day) + j + static_cast<std::size_t>(i)) % std::size(kLines)]);
            cal::storeField(cell.pictureFile[1], picture());
            for (std::size_t j = 3; j <= 8; ++j) cal::storeField(cell.pictureFile[j], picture());
        }
        const std::string path = cal::monthFilePath(folder.path(), std::to_string(month.year), month.month);
        if (!cal::writeMonthFile(path, *month.cells, error)) throw std::runtime_error(path + ": " + error);
        year.months.push_back(std::move(month));
    }
    return year;
}

std::string readWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// ---- the program -----------------------------------------------------------

Program::Program(const std::string& dataDir) : m_forms(std::make_unique<cal::qtui::QtFormsService>()) {
    start(dataDir);
}

Program::Program(const std::string& dataDir, const std::string& pdfPath)
    : m_forms(std::make_unique<cal::qtui::QtFormsService>(cal::qtui::QtFormsService::Mode::Headless, pdfPath)),
      m_headlessDialogs(std::make_unique<cal::qtui::HeadlessDialogs>(m_messages)) {
    start(dataDir);
}

void Program::settlePictures() {
    m_forms->pictures().settle();
    settleEvents();
}

Program::~Program() {
    // The program's objects before the service they use.
    m_app.reset();
    m_forms.reset();
}

void Program::start(const std::string& dataDir) {
    cal::Dialogs& dialogs = m_headlessDialogs ? static_cast<cal::Dialogs&>(*m_headlessDialogs) : *m_forms;
    m_app = std::make_unique<cal::App>(*m_state, dialogs, *m_forms, *m_forms, m_clock, m_registry);
    m_forms->setEventSink(m_app.get());
    m_app->start({dataDir, dataDir});
    if (m_forms->programEnded()) throw std::runtime_error("the program ended during its start-up");
    if (!m_messages.str().empty()) throw std::runtime_error("start-up messages: " + m_messages.str());
}

// ---- timings and memory ------------------------------------------------------

double timeCommand(const std::string& command) {
    const double start = now();
    const int status = std::system(command.c_str());
    const double seconds = now() - start;
    if (status != 0) throw std::runtime_error("failed (" + std::to_string(status) + "): " + command);
    return seconds;
}

double now() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

void recordSample(const std::string& key, double value) { sampleTable()[key].push_back(value); }

const std::vector<double>* samples(const std::string& key) {
    const auto found = sampleTable().find(key);
    return found == sampleTable().end() || found->second.empty() ? nullptr : &found->second;
}

std::optional<double> median(const std::string& key) {
    const std::vector<double>* values = samples(key);
    if (values == nullptr) return std::nullopt;
    std::vector<double> sorted = *values;
    std::sort(sorted.begin(), sorted.end());
    const std::size_t mid = sorted.size() / 2;
    return sorted.size() % 2 == 1 ? sorted[mid] : (sorted[mid - 1] + sorted[mid]) / 2;
}

long currentRssKb() { return statusKb("VmRSS"); }
long peakRssKb() { return statusKb("VmHWM"); }

bool resetPeakRss() {
    std::ofstream out("/proc/self/clear_refs");
    out << "5";
    out.flush();
    return static_cast<bool>(out);
}

void releaseFreeMemory() { malloc_trim(0); }

std::string memoryProbeLine(const MemoryReading& reading) {
    std::ostringstream line;
    line << "memory-probe " << reading.seconds << ' ' << reading.peakKb << ' ' << reading.keptKb;
    for (const long kb : reading.monthsKb) line << ' ' << kb;
    line << '\n';
    return line.str();
}

const char* probeKindName(ProbeKind kind) { return kind == ProbeKind::Print ? "print" : "repaint"; }

MemoryReading runMemoryProbe(ProbeKind kind, int distinct) {
    const std::string exe = fs::read_symlink("/proc/self/exe").string();
    const std::string command = "'" + exe + "' " + kMemoryProbeOption + " " + probeKindName(kind) + " " +
                                std::to_string(distinct) + " 2>/dev/null";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) throw std::runtime_error("cannot start the memory probe");
    std::string output;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) output += buffer;
    const int status = ::pclose(pipe);
    MemoryReading reading;
    std::istringstream in(output);
    std::string word;
    while (in >> word)
        if (word == "memory-probe" && in >> reading.seconds >> reading.peakKb >> reading.keptKb && status == 0) {
            for (long kb = 0; in >> kb;) reading.monthsKb.push_back(kb);
            return reading;
        }
    throw std::runtime_error("the memory probe failed: " + output);
}

}  // namespace calbench
