#pragma once
// The year utility opened over a displayed month: June 2024 (school year
// 2024, 1 June a Saturday) with its year file, a default file and the month file.

#include "data/file_io.h"
#include "data/month_file.h"
#include "data/sjis.h"
#include "data/year_file.h"
#include "support/month_setup.h"
#include "ui/names.h"
#include "windows/form4/form4_handlers.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <map>
#include <memory>

namespace cal::test {

class YearUtilityTest : public ::testing::Test {
protected:
    void SetUp() override {
        h.createForms();
        h.clock.date = {2025, 1, 15};
        showMonth(h, 2024, 6, "土", 30);
        auto year = std::make_unique<YearSettings>(h.state->yearSettings);
        storeField(year->className, "ひよこ組");
        year->reservedHead.set(2024);
        writeSettings(yearSettingsPath(h.dir.path(), "2024"), *year);
        auto def = std::make_unique<YearSettings>();
        storeField(def->className, "デフォルト組");
        storeField(def->firstWeekday[3], "月");
        def->daysInMonth[3].set(30);
        writeSettings(defaultSettingsPath(h.dir.path()), *def);
        writeMonthFile(h, 2024, 6);
        h.state->yearSettings = *year;
    }
    static void writeSettings(const std::string& path, const YearSettings& y) {
        std::string error;
        ASSERT_TRUE(writeYearSettings(path, y, error)) << error;
    }
    std::unique_ptr<YearSettings> readSettings(const std::string& path) {
        auto y = std::make_unique<YearSettings>();
        const std::string bytes = readBytes(path);
        EXPECT_EQ(bytes.size(), sizeof(YearSettings));
        std::memcpy(y.get(), bytes.data(), std::min(bytes.size(), sizeof(YearSettings)));
        return y;
    }
    std::string yearFile(const std::string& year) const { return yearSettingsPath(h.dir.path(), year); }
    Context& c() { return h.context(); }
    void open() { BUTTON25_ON(c()); }
    std::string text(const std::string& control) const { return h.forms.text(kYearUtility, control); }
    void type(const std::string& control, const std::string& value) {
        h.forms.setText(kYearUtility, control, value);
    }
    // Every file of the master folder with its bytes.
    std::map<std::string, std::string> masterFiles() const {
        std::map<std::string, std::string> files;
        for (const auto& e : std::filesystem::directory_iterator(u8path(h.dir.path() + "/master")))
            files[utf8Of(e.path().filename())] = e.is_regular_file() ? readBytes(utf8Of(e.path())) : "(folder)";
        return files;
    }

    Harness h;
};

}  // namespace cal::test
