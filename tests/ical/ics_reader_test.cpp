// Reading a month of events from iCalendar files through libical.
#include "ical/ics_reader.h"

#include <gtest/gtest.h>

#include <chrono>

namespace cal::ical {
namespace {

std::string calendar(const std::string& body) {
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//test//JP\r\n" + body + "END:VCALENDAR\r\n";
}

std::string event(const std::string& lines) { return "BEGIN:VEVENT\r\n" + lines + "END:VEVENT\r\n"; }

class IcsReading : public ::testing::Test {
protected:
    IcsMonth read(const std::string& body, int year, int month) const {
        return reader.monthEvents(calendar(body), year, month);
    }
    static std::vector<std::pair<int, std::string>> days(const IcsMonth& m) {
        std::vector<std::pair<int, std::string>> out;
        for (const IcsDayEvent& e : m.events) out.emplace_back(e.day, e.text);
        return out;
    }
    LibicalReader reader;
};

using Days = std::vector<std::pair<int, std::string>>;

TEST_F(IcsReading, RecurringEventsKeepTheirExceptions) {
    // Every Wednesday of May 2026 (6, 13, 20, 27) but the 13th; the 20th moved to the 21st at 10:00.
    const auto m = read(event("UID:taisou\r\nDTSTART;VALUE=DATE:20260408\r\nRRULE:FREQ=WEEKLY;BYDAY=WE\r\n"
                              "EXDATE;VALUE=DATE:20260513\r\nSUMMARY:体操教室\r\n") +
                            event("UID:taisou\r\nRECURRENCE-ID;VALUE=DATE:20260520\r\n"
                                  "DTSTART;TZID=Asia/Tokyo:20260521T100000\r\nSUMMARY:体操教室\r\n") +
                            event("UID:count\r\nDTSTART;VALUE=DATE:20260501\r\nRRULE:FREQ=DAILY;COUNT=2\r\n"
                                  "SUMMARY:プール\r\n"),
                        2026, 5);
    EXPECT_EQ(days(m), (Days{{1, "プール"}, {2, "プール"}, {6, "体操教室"}, {21, "10:00 体操教室"}, {27, "体操教室"}}));
    EXPECT_TRUE(m.problems.empty()) << m.problems.front();
}

TEST_F(IcsReading, EventsOfSeveralDaysAndOtherZonesFallOnJapansDays) {
    const auto m = read("BEGIN:VTIMEZONE\r\nTZID:Europe/Berlin-test\r\nBEGIN:STANDARD\r\nDTSTART:19701025T030000\r\n"
                        "TZOFFSETFROM:+0200\r\nTZOFFSETTO:+0100\r\nRRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU\r\n"
                        "END:STANDARD\r\nBEGIN:DAYLIGHT\r\nDTSTART:19700329T020000\r\nTZOFFSETFROM:+0100\r\n"
                        "TZOFFSETTO:+0200\r\nRRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU\r\nEND:DAYLIGHT\r\n"
                        "END:VTIMEZONE\r\n" +
                            // 30 April to 2 May, the end date not included.
                            event("UID:a\r\nDTSTART;VALUE=DATE:20260430\r\nDTEND;VALUE=DATE:20260503\r\n"
                                  "SUMMARY:お泊まり保育\r\n") +
                            // 20:30 in Berlin (summer, +2) is 3:30 next morning in Japan.
                            event("UID:b\r\nDTSTART;TZID=Europe/Berlin-test:20260510T203000\r\n"
                                  "DTEND;TZID=Europe/Berlin-test:20260510T213000\r\nSUMMARY:オンライン会議\r\n") +
                            event("UID:c\r\nDTSTART:20260531T230000Z\r\nSUMMARY:月末UTC\r\n") +
                            event("UID:d\r\nDTSTART:20260515T100000\r\nSUMMARY:えんそく\r\n"),
                        2026, 5);
    EXPECT_EQ(days(m), (Days{{1, "お泊まり保育"}, {2, "お泊まり保育"}, {11, "3:30 オンライン会議"},
                             {15, "10:00 えんそく"}}));
    // 23:00 UTC on 31 May is 8:00 on 1 June in Japan.
    EXPECT_EQ(days(read(event("UID:c\r\nDTSTART:20260531T230000Z\r\nSUMMARY:月末UTC\r\n"), 2026, 6)),
              (Days{{1, "8:00 月末UTC"}}));
}

TEST_F(IcsReading, LeapDaysFoldedJapaneseTextAndOneTextADay) {
    // Folded in the middle of a three-byte character, as RFC 5545 allows.
    const std::string folded = "SUMMARY:うるう日の\xE3\x81\r\n \x8A\xE8\xAA\x95\xE7\x94\x9F\xE4\xBC\x9A\r\n";
    const std::string body = event("UID:leap\r\nDTSTART;VALUE=DATE:20240229\r\nRRULE:FREQ=YEARLY\r\n" + folded) +
                             event("UID:twice\r\nDTSTART;VALUE=DATE:20280229\r\nSUMMARY:うるう日のお誕生会\r\n");
    EXPECT_EQ(days(read(body, 2028, 2)), (Days{{29, "うるう日のお誕生会"}}));
    EXPECT_TRUE(read(body, 2026, 2).events.empty());  // no 29 February, no event
}

TEST_F(IcsReading, WhatIsNoCalendarIsRefusedAndEndlessRulesStayBounded) {
    EXPECT_FALSE(reader.monthEvents("", 2026, 5).readable);
    EXPECT_FALSE(reader.monthEvents("hello\r\n", 2026, 5).readable);
    EXPECT_FALSE(reader.monthEvents(std::string("\xFF\xFE\0\0", 4), 2026, 5).readable);
    const auto start = std::chrono::steady_clock::now();
    const auto m = read(event("UID:e\r\nDTSTART;VALUE=DATE:19000101\r\nRRULE:FREQ=DAILY\r\nSUMMARY:毎日\r\n") +
                            event("UID:s\r\nDTSTART:19000101T000000\r\nRRULE:FREQ=SECONDLY\r\nSUMMARY:秒\r\n") +
                            event("UID:n\r\nDTSTART:20260501T100000\r\nRRULE:FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=31\r\n"
                                  "SUMMARY:ない日\r\n") +
                            event("UID:x\r\nSUMMARY:開始なし\r\n"),
                        2026, 5);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_EQ(m.events.front(), (IcsDayEvent{1, -1, "毎日"}));
    EXPECT_EQ(std::count_if(m.events.begin(), m.events.end(), [](const IcsDayEvent& e) { return e.text == "毎日"; }), 31);
    EXPECT_GE(m.problems.size(), 2U);  // the rule by seconds, the event without a start
}

TEST_F(IcsReading, EveryDayOfThreeYearsIsFoundInItsMonth) {
    // One all-day event a day, and one at 23:30 UTC (8:30 next morning in
    // Japan): events at a month's edges are read, however far the others lie.
    std::string body;
    for (int y = 2025; y <= 2027; ++y)
        for (int m = 1; m <= 12; ++m)
            for (int d = 1; d <= 28; ++d) {
                char date[40];
                std::snprintf(date, sizeof date, "%04d%02d%02d", y, m, d);
                body += event(std::string("UID:a") + date + "\r\nDTSTART;VALUE=DATE:" + date + "\r\nSUMMARY:日" +
                              "\r\n") +
                        event(std::string("UID:t") + date + "\r\nDTSTART:" + date + "T233000Z\r\nSUMMARY:朝\r\n");
            }
    for (int m = 1; m <= 12; ++m) {
        const auto month = read(body, 2026, m);
        int allDay = 0, mornings = 0;
        for (const IcsDayEvent& e : month.events) (e.minute < 0 ? allDay : mornings) += 1;
        EXPECT_EQ(allDay, 28) << m;
        // The 28th's morning falls on the 29th; February 2026 has 28 days, so
        // its last morning is on 1 March.
        EXPECT_EQ(mornings, m == 2 ? 27 : m == 3 ? 29 : 28) << m;
    }
}

TEST_F(IcsReading, AHundredThousandEventsAreReadForOneMonth) {
    std::string body;
    for (int i = 0; i < 100'000; ++i) {
        char line[128];
        std::snprintf(line, sizeof line, "UID:%d\r\nDTSTART;VALUE=DATE:%04d%02d%02d\r\nSUMMARY:予定%d\r\n",
                      i, 2000 + i % 31, 1 + i % 12, 1 + i % 28, i % 3);
        body += event(line);
    }
    const auto m = read(body, 2026, 5);
    EXPECT_TRUE(m.readable);
    EXPECT_FALSE(m.events.empty());
    for (const IcsDayEvent& e : m.events) EXPECT_TRUE(e.day >= 1 && e.day <= 28);
}

}  // namespace
}  // namespace cal::ical
