// The command line: the data folder, the options and their mistakes.
#include "app/command_line.h"
#include "ui/platform.h"
#include "support/test_platform.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace cal::test {
namespace {

TEST(CommandLine, ArgumentsJoinIntoTheDataFolder) {
    EXPECT_EQ(parseCommandLine({}).dataText, "");
    EXPECT_EQ(parseCommandLine({"/data/ひよこ組"}).dataText, "/data/ひよこ組");
    EXPECT_EQ(parseCommandLine({"C:\\My", "Calendar"}).dataText, "C:\\My Calendar");
}

TEST(CommandLine, OptionsCombineWithTheDataFolder) {
    const CommandLine c = parseCommandLine({"--month", "2025-04", "--print-pdf", "april.pdf", "/data"});
    EXPECT_TRUE(c.error.empty());
    EXPECT_EQ(c.dataText, "/data");
    EXPECT_EQ(*c.pdfFile, "april.pdf");
    EXPECT_EQ(c.month->year, 2025);
    EXPECT_EQ(c.month->month, 4);
}

TEST(CommandLine, AnIcsFileGoesIntoTheMonthGiven) {
    const CommandLine c = parseCommandLine({"--month", "2026-05", "--import-ics", "共有.ics", "/data"});
    EXPECT_TRUE(c.error.empty()) << c.error;
    EXPECT_EQ(*c.icsImportFile, "共有.ics");
    EXPECT_EQ(c.dataText, "/data");
}

TEST(CommandLine, MistakesAreClearErrors) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--colour"}, {"--month"}, {"--month", "2025-4"}, {"--month", "2025-13"},
             {"--month", "20x5-04"}, {"--month", "1850-01"}, {"--print-pdf"}, {"--print-pdf", ""},
             {"--import-ics", "a.ics"}, {"--month", "2026-05", "--import-ics", "a.ics", "--print-pdf", "a.pdf"}})
        EXPECT_FALSE(parseCommandLine(args).error.empty()) << args[0];
    EXPECT_NE(parseCommandLine({"--colour"}).error.find("--colour"), std::string::npos);
}

TEST(CommandLine, WritableFileCheckLeavesNothingBehind) {
    TempDataDir dir;
    std::string error;
    const std::string fresh = dir.file("master", "new.pdf");
    EXPECT_TRUE(canWriteFile(fresh, error));
    EXPECT_FALSE(std::filesystem::exists(u8path(fresh)));
    dir.write("master", "old.pdf", "keep");
    EXPECT_TRUE(canWriteFile(dir.file("master", "old.pdf"), error));
    EXPECT_EQ(dir.read("master", "old.pdf"), "keep");
    EXPECT_FALSE(canWriteFile(dir.file("nowhere", "x.pdf"), error));
    dir.write("master", "protected.pdf", "keep");
    std::filesystem::permissions(u8path(dir.file("master", "protected.pdf")), std::filesystem::perms::owner_read);
    EXPECT_FALSE(canWriteFile(dir.file("master", "protected.pdf"), error));
    EXPECT_FALSE(canWriteFile(dir.file("master", ""), error));
}

TEST(CommandLine, SchoolYearAndPictureOutput) {
    const CommandLine year = parseCommandLine({"--school-year", "2026", "--print-pdf", "y.pdf", "/data"});
    EXPECT_EQ(year.error, "");
    EXPECT_EQ(year.schoolYear, 2026);
    EXPECT_EQ(year.pdfFile, "y.pdf");
    EXPECT_EQ(parseCommandLine({"--print-png", "m.png"}).pngFile, "m.png");
    for (const auto& bad : std::vector<std::vector<std::string>>{{"--school-year", "2026"},  // no PDF
                                                                  {"--school-year", "26", "--print-pdf", "y.pdf"},
                                                                  {"--school-year", "２０２６", "--print-pdf", "y.pdf"},
                                                                  {"--print-png", "m.png", "--print-pdf", "y.pdf"},
                                                                  {"--print-png"}})
        EXPECT_NE(parseCommandLine(bad).error, "") << bad[0] << " " << (bad.size() > 1 ? bad[1] : "");
}

TEST(CommandLine, PaperStaffAndCalendarExport) {
    const CommandLine b4 = parseCommandLine({"--paper", "B4", "--staff", "--print-png", "m.png"});
    EXPECT_EQ(b4.error, "");
    EXPECT_EQ(b4.paper, 12);
    EXPECT_TRUE(b4.staff);
    const CommandLine year = parseCommandLine({"--school-year", "2026", "--export-ics", "y.ics"});
    EXPECT_EQ(year.error, "");
    EXPECT_EQ(year.icsExportFile, "y.ics");
    for (const auto& bad : std::vector<std::vector<std::string>>{{"--paper", "A5", "--print-pdf", "m.pdf"},
                                                                  {"--paper", "a4", "--print-pdf", "m.pdf"},
                                                                  {"--paper", "A4"},  // nothing printed
                                                                  {"--staff", "--export-ics", "m.ics"},
                                                                  {"--export-ics", "m.ics", "--print-pdf", "m.pdf"}})
        EXPECT_NE(parseCommandLine(bad).error, "") << bad[0] << " " << bad[1];
}

TEST(MonthClock, KeepsTodaysDayWhereTheMonthHasIt) {
    SettableClock base;
    base.date = {2026, 12, 31};
    EXPECT_EQ(MonthClock(base, 2025, 4).today().day, 30);
    EXPECT_EQ(MonthClock(base, 2024, 2).today().day, 29);
    base.date.day = 8;
    const Date d = MonthClock(base, 2025, 4).today();
    EXPECT_EQ(d.year, 2025);
    EXPECT_EQ(d.month, 4);
    EXPECT_EQ(d.day, 8);
}

}  // namespace
}  // namespace cal::test

namespace cal::test {
namespace {

TEST(CommandLine, PicturesToImportKeepTheirOrder) {
    const CommandLine c = parseCommandLine({"--import-picture", "a.png", "/data", "--import-picture", "b.jpg"});
    EXPECT_TRUE(c.error.empty());
    EXPECT_EQ(c.importPictures, (std::vector<std::string>{"a.png", "b.jpg"}));
    EXPECT_EQ(c.dataText, "/data");
    EXPECT_FALSE(parseCommandLine({"--import-picture"}).error.empty());
    EXPECT_FALSE(parseCommandLine({"--import-picture", "a.png", "--print-pdf", "x.pdf"}).error.empty());
}

}  // namespace
}  // namespace cal::test
