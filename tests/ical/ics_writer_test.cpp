// A month exported for parents' phones, read back with libical.
#include "data/file_io.h"
#include "data/sjis.h"
#include "ical/ics_writer.h"
#include "layout/month_layout.h"
#include "print/ics_export.h"
#include "support/month_setup.h"
#include "ui/names.h"
#include "windows/mainform/mainform_controls.h"

#include <libical/ical.h>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <sstream>
#include <stdexcept>

namespace cal::test {
namespace {

struct ReadEvent {
    std::string uid, start, end, summary, description, category;
};

// Every VEVENT of the file as libical reads it, by summary.
std::map<std::string, ReadEvent> readBack(const std::string& bytes, std::string& calendarName) {
    std::unique_ptr<icalcomponent, void (*)(icalcomponent*)> root(icalparser_parse_string(bytes.c_str()),
                                                                   icalcomponent_free);
    std::map<std::string, ReadEvent> events;
    if (!root) return events;
    for (icalproperty* p = icalcomponent_get_first_property(root.get(), ICAL_X_PROPERTY); p != nullptr;
         p = icalcomponent_get_next_property(root.get(), ICAL_X_PROPERTY))
        if (std::string(icalproperty_get_x_name(p)) == "X-WR-CALNAME") calendarName = icalproperty_get_x(p);
    for (icalcomponent* e = icalcomponent_get_first_component(root.get(), ICAL_VEVENT_COMPONENT); e != nullptr;
         e = icalcomponent_get_next_component(root.get(), ICAL_VEVENT_COMPONENT)) {
        ReadEvent r;
        r.uid = icalcomponent_get_uid(e);
        EXPECT_TRUE(icalcomponent_get_dtstart(e).is_date);
        r.start = icaltime_as_ical_string(icalcomponent_get_dtstart(e));
        r.end = icaltime_as_ical_string(icalcomponent_get_dtend(e));
        r.summary = icalcomponent_get_summary(e);
        if (const char* d = icalcomponent_get_description(e)) r.description = d;
        if (icalproperty* c = icalcomponent_get_first_property(e, ICAL_CATEGORIES_PROPERTY))
            r.category = icalproperty_get_categories(c);
        events[r.summary] = r;
    }
    return events;
}

class IcsExportTest : public ::testing::Test {
protected:
    void SetUp() override {
        h.createForms();
        h.context().icsWriter = &writer;
        showMonth(h, 2028, 2, "火", 29);  // a leap February
        YearSettings& y = h.state->yearSettings;
        storeField(y.schoolName, "ひまわり保育園");
        storeField(y.className, "ぱんだ組");
        y.holidayDate[1].set(211);
        storeField(y.holidayComment[1], "建国記念の日");
        y.holidayDate[2].set(203);
        storeField(y.holidayComment[2], "節分の豆まき");
        y.holidayDate[3].set(505);  // another month's
        storeField(y.holidayComment[3], "こどもの日");
        DayCell& leapDay = cell(29);
        storeField(leapDay.lineText[1], "ひなまつり会の練習をします（ホール）");
        storeField(leapDay.lineText[2], "職員会議");
        leapDay.lineCheck[2].set(1);
        storeField(leapDay.lineText[3], "お弁当の日");
        for (std::size_t j = 1; j <= 3; ++j)
            storeField(leapDay.extraText[j], "持ち物：水筒、タオル、着替え一式" + std::to_string(j));
    }
    DayCell& cell(int day) {
        for (const DayPlace& p : dayPlaces(monthLayout(h.state->yearSettings, 2), 7, 6))
            if (p.day == day) return h.state->monthCells[static_cast<std::size_t>(p.cell)];
        throw std::logic_error("no such day");
    }
    std::string exported() {
        const std::string path = h.dir.path() + "/month.ics";
        const IcsExport result = exportIcs(h.context(), path, std::nullopt);
        EXPECT_EQ(result.error, "");
        const ReadResult read = readFile(path, std::size_t{1} << 20);
        EXPECT_TRUE(read.ok) << read.error;
        return read.bytes;
    }
    Harness h;
    ical::LibicalWriter writer;
};

TEST_F(IcsExportTest, TheMonthReadsBackWithItsDatesLinesHolidaysAndLastingUids) {
    const std::string bytes = exported();
    std::string name;
    const std::map<std::string, ReadEvent> events = readBack(bytes, name);
    EXPECT_EQ(name, "ひまわり保育園 ぱんだ組");
    ASSERT_EQ(events.size(), 4u);
    const ReadEvent& first = events.at("ひなまつり会の練習をします（ホール）");
    EXPECT_EQ(first.start, "20280229");
    EXPECT_EQ(first.end, "20280301");
    EXPECT_EQ(first.description,
              "持ち物：水筒、タオル、着替え一式1\n持ち物：水筒、タオル、着替え一式2\n持ち物：水筒、タオル、着替え一式3");
    EXPECT_EQ(events.at("お弁当の日").description, "");
    EXPECT_EQ(events.at("建国記念の日").start, "20280211");
    EXPECT_EQ(events.at("建国記念の日").category, "祝日");
    EXPECT_EQ(events.at("節分の豆まき").category, "行事");
    // A marked line is never written, not even in the file's bytes.
    EXPECT_EQ(bytes.find("職員会議"), std::string::npos);

    // Lines end in CRLF and are folded at 75 octets, never inside a character.
    std::istringstream lines(bytes);
    bool folded = false;
    for (std::string line; std::getline(lines, line, '\n');) {
        ASSERT_FALSE(line.empty());
        EXPECT_EQ(line.back(), '\r');
        EXPECT_LE(line.size() - 1, 75u) << line;
        folded = folded || line[0] == ' ';
        if (line[0] == ' ') {
            EXPECT_NE(static_cast<unsigned char>(line[1]) & 0xC0, 0x80u) << line;
        }
    }
    EXPECT_TRUE(folded);

    // Exported again after the line's text changed, every event keeps its UID.
    storeField(cell(29).lineText[1], "ひなまつり会");
    std::map<std::string, ReadEvent> again = readBack(exported(), name);
    EXPECT_EQ(again.at("ひなまつり会").uid, first.uid);
    for (const char* same : {"お弁当の日", "建国記念の日", "節分の豆まき"}) EXPECT_EQ(again.at(same).uid, events.at(same).uid);
}

TEST_F(IcsExportTest, TheButtonWritesTheChosenFileAndAFailureIsTold) {
    const std::string path = h.dir.path() + "/parents.ics";
    h.forms.answerFiles({path, h.dir.path() + "/no-such-folder/x.ics"});
    h.forms.postEvent({kMainForm, mainform::kExportIcs, EventKind::On});
    h.forms.postEvent({kMainForm, mainform::kExportIcs, EventKind::On});
    h.app.run();
    EXPECT_TRUE(fileExists(path));
    ASSERT_EQ(h.forms.messages.size(), 2u);
    EXPECT_EQ(h.forms.messages[0].title, "お知らせ");
    EXPECT_EQ(h.forms.messages[1].title, "エラー");
    EXPECT_NE(h.forms.messages[1].message.find("no-such-folder"), std::string::npos);
}

}  // namespace
}  // namespace cal::test
