#pragma once
// Shared pieces of the benchmarks: test pictures, temporary data folders,
// the displayed month with or without pictures, a running program on the
// real Qt service, collected timings and memory readings.

#include "app/app.h"
#include "state/app_state.h"
#include "ui/platform.h"
#include "bench_pictures.h"
#include "qt/forms/headless_dialogs.h"
#include "qt/forms/qt_forms_service.h"

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace calbench {

// The month every benchmark shows: March 2026, starting on a Sunday, 31 days
// in a 7 × 5 grid, so cells 1 … 31 hold days 1 … 31.
inline constexpr int kYear = 2026;
inline constexpr int kMonth = 3;
inline constexpr int kDays = 31;

// "pic07.bmp" for index 7.
std::string pictureName(int index);

// The two sizes of pictures: 640 × 480 clip-art and 4000 × 3000 photos.
enum class PictureSize { Small, Large };
const char* sizeName(PictureSize size);
// The picture places of the month: seven in each of 31 days, three in the
// title band and the six frames (printed only).
inline constexpr int kMonthSlots = 226;

// 24-bit BMP files of pictures 1 … count, made once per run in a folder of
// their own and linked into data folders from there. Small pictures are all
// drawn differently; of the photos, eight are made and the others are links
// to them (the same bytes under another name, which the program treats as
// another file; reading them still reads every byte).
class PictureStore {
public:
    static PictureStore& instance();
    ~PictureStore();
    PictureStore(const PictureStore&) = delete;
    PictureStore& operator=(const PictureStore&) = delete;
    // The full path of picture `index`, making it on first use.
    const std::string& path(int index, PictureSize size);

private:
    PictureStore();
    std::string m_folder;
    std::map<std::pair<int, PictureSize>, std::string> m_paths;
};

// A data folder with master/, Calendar_dat/ and Calendar_pic/ that starts the
// program on March 2026 without any question: the school year's settings and
// an empty month file, no picture names in either. Removed on destruction.
class DataFolder {
public:
    // Links pictures 1 … `pictures` into Calendar_pic/.
    explicit DataFolder(int pictures, PictureSize size = PictureSize::Small);
    ~DataFolder();
    DataFolder(const DataFolder&) = delete;
    DataFolder& operator=(const DataFolder&) = delete;

    const std::string& path() const { return m_path; }
    std::string picturePath(int index) const;
    // A file name inside the folder itself (for PDF output).
    std::string file(const std::string& name) const;

private:
    std::string m_path;
};

// Puts the month into the displayed state: the texts of every day and, when
// `distinct` > 0, pictures chosen round-robin among pictures first + 1 …
// first + distinct in every cell slot (1, 3 … 8), the title band and the six
// frames.
void installMonth(cal::AppState& state, int distinct, int first = 0);

// A school year in a data folder: April 2025 to March 2026, every month with
// its real days (four lines and seven pictures each) and a title picture of
// its own; the school and class pictures and the six frames are shared by
// the year. School month i (0 = April) draws its pictures from files
// 20·i + 1 … 20·i + 40, so neighbouring months share half their pictures and
// the year uses kYearPictures files. The month files are written for a grid
// of `columns` × `rows`; the year's settings and each month's cells are
// also answered for putting them on screen.
inline constexpr int kYearPictures = 260;
inline constexpr int kYearSchoolYear = 2025;
struct SchoolYearMonth {
    int year = 0, month = 0;
    std::unique_ptr<cal::MonthCells> cells;
};
struct SchoolYear {
    std::unique_ptr<cal::YearSettings> settings;
    std::vector<SchoolYearMonth> months;  // April … March
};
SchoolYear writeSchoolYear(const DataFolder& folder, int columns, int rows);

class FixedClock final : public cal::Clock {
public:
    cal::Date today() const override { return {kYear, kMonth, 10}; }
};

class EmptyRegistry final : public cal::Registry {
public:
    bool keyExists(const std::string&) const override { return false; }
    std::optional<std::string> value(const std::string&, const std::string&) const override {
        return std::nullopt;
    }
    bool setValue(const std::string&, const std::string&, const std::string&, std::string& error) override {
        error = "not stored";
        return false;
    }
};

// The program on the real Qt forms service, started on a data folder.
class Program {
public:
    // Windowed service (windows on Qt's offscreen platform).
    explicit Program(const std::string& dataDir);
    // Headless service printing to the PDF file `pdfPath`.
    Program(const std::string& dataDir, const std::string& pdfPath);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    cal::Context& context() { return m_app->context(); }
    cal::qtui::QtFormsService& forms() { return *m_forms; }
    // Waits for the pictures being decoded and draws them in.
    void settlePictures();
    cal::AppState& state() { return *m_state; }
    // What the headless service reported instead of showing boxes.
    std::string messages() const { return m_messages.str(); }

private:
    void start(const std::string& dataDir);

    std::ostringstream m_messages;
    std::unique_ptr<cal::AppState> m_state = std::make_unique<cal::AppState>();
    std::unique_ptr<cal::qtui::QtFormsService> m_forms;
    std::unique_ptr<cal::qtui::HeadlessDialogs> m_headlessDialogs;  // headless runs only
    FixedClock m_clock;
    EmptyRegistry m_registry;
    std::unique_ptr<cal::App> m_app;
};

// Runs the Qt events that are waiting (window updates), outside any timing.
void settleEvents();

// Reading picture files in one pass each into their reduced master copies,
// as the Qt service does, all kept until the last is read (as the cache
// keeps them); answers false when one cannot be decoded.
bool decodePictures(const std::vector<std::string>& paths);
// The images a PDF file embeds, each saved as a PNG file of its own size by
// Qt's writer; answers their total size, 0 when there are none or poppler's
// pdfimages is missing.
std::uintmax_t embeddedImagesAsPng(const std::string& pdfPath, const std::string& folder);
// Seconds one run of a shell command takes; throws when it fails.
double timeCommand(const std::string& command);

// The bytes of a file; empty when it cannot be read.
std::string readWholeFile(const std::string& path);

// Seconds of a steady clock.
double now();

// Samples collected while the benchmarks run, read by the summary.
void recordSample(const std::string& key, double value);
const std::vector<double>* samples(const std::string& key);
std::optional<double> median(const std::string& key);

// Memory of the process, in KiB, from /proc/self/status.
long currentRssKb();
long peakRssKb();
// Gives memory that was freed back to the system.
void releaseFreeMemory();
// Starts a new peak measurement (the peak becomes the current size);
// answers false when the system does not allow it.
bool resetPeakRss();

// What a memory probe measures in a fresh program: the picture month painted
// twice (cold, then warm), or printed once to a PDF file.
enum class ProbeKind { Repaint, Print };

struct MemoryReading {
    double seconds = 0;
    long peakKb = 0;  // peak resident size above the size before
    long keptKb = 0;  // resident size afterwards above the size before
    std::vector<long> monthsKb;  // repaint: the resident growth after each month
};
// Measures in this process.
MemoryReading memoryProbe(ProbeKind kind, int distinct);
// Measures in a new process: this program run as
// "calendar_bench --memory-probe repaint|print DISTINCT".
MemoryReading runMemoryProbe(ProbeKind kind, int distinct);
inline constexpr const char* kMemoryProbeOption = "--memory-probe";
const char* probeKindName(ProbeKind kind);
// The line the probe process prints.
std::string memoryProbeLine(const MemoryReading& reading);

}  // namespace calbench
