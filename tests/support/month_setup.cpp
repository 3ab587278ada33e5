#include "support/month_setup.h"

#include "data/month_file.h"
#include "data/sjis.h"
#include "data/year_file.h"
#include "tools/string_tools.h"
#include "ui/names.h"
#include "windows/mainform/mainform_controls.h"

#include <cstring>

namespace cal::test {

std::string bmpBytes(int width, int height) {
    const int rowBytes = (width * 3 + 3) / 4 * 4;
    const int size = 54 + rowBytes * height;
    std::string b(static_cast<std::size_t>(size), '\0');
    auto put32 = [&](int at, int v) {
        for (int i = 0; i < 4; ++i) b[static_cast<std::size_t>(at + i)] = static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, size);
    put32(10, 54);
    put32(14, 40);
    put32(18, width);
    put32(22, height);
    b[26] = 1;
    b[28] = 24;
    put32(34, rowBytes * height);
    return b;
}

void addPicture(const Harness& h, const std::string& name, int width, int height) {
    h.dir.write("Calendar_pic", name, bmpBytes(width, height));
}

void showMonth(Harness& h, int year, int month, const char* firstWeekday, int days) {
    AppState& s = *h.state;
    s.currentYear = std::to_string(year);
    s.currentMonth = month;
    s.schoolYear = std::to_string(schoolYearOf(year, month));
    const auto m = static_cast<std::size_t>(FB_TUKI_CNV(MonthConv::ToSchool, month));
    storeField(s.yearSettings.firstWeekday[m], firstWeekday);
    s.yearSettings.daysInMonth[m].set(days);
    h.forms.setText(kMainForm, mainform::kSchoolYear, s.currentYear);
}

void writeMonthFile(const Harness& h, int year, int month, int cell, const std::string& line) {
    std::string bytes(kMonthFileSize, '\0');
    if (cell > 0) {
        const std::string sjis = utf8ToSjis(line);
        bytes.replace(static_cast<std::size_t>(2736 * cell + 680 + 40), sjis.size(), sjis);
    }
    writeBytes(monthFilePath(h.dir.path(), std::to_string(year), month), bytes);
}

void writeYearFile(const Harness& h, int schoolYear, int month, const char* firstWeekday, int days) {
    auto y = std::make_unique<YearSettings>();
    if (month > 0) {
        const auto m = static_cast<std::size_t>(FB_TUKI_CNV(MonthConv::ToSchool, month));
        storeField(y->firstWeekday[m], firstWeekday);
        y->daysInMonth[m].set(days);
    }
    std::string error;
    writeYearSettings(yearSettingsPath(h.dir.path(), std::to_string(schoolYear)), *y, error);
}

}  // namespace cal::test
