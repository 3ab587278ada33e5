// "祝日を入れる": national holidays put into the twenty holiday entries around
// the teacher's events.
#include "data/holiday_fill.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace cal {
namespace {

using Entries = std::array<HolidayEntry, kHolidayEntryCount>;

class HolidayFill : public ::testing::Test {
protected:
    // School year 2025: 18 holidays, 4/29 昭和の日 to 3/20 春分の日.
    std::vector<Holiday> holidays = nationalHolidays(2025).value();

    // The holiday entries in slot order, events left out.
    static std::vector<HolidayEntry> filled(const Entries& entries, const std::vector<std::size_t>& eventSlots) {
        std::vector<HolidayEntry> out;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (std::find(eventSlots.begin(), eventSlots.end(), i) == eventSlots.end() && !entries[i].empty()) {
                out.push_back(entries[i]);
            }
        }
        return out;
    }
    std::vector<HolidayEntry> asEntries(std::size_t count) const {
        std::vector<HolidayEntry> out;
        for (std::size_t i = 0; i < count; ++i) out.push_back({holidays[i].dateKey(), "", holidays[i].name});
        return out;
    }
};

TEST_F(HolidayFill, EventsKeepTheirSlotsAndHolidaysThatDoNotFitAreNamed) {
    ASSERT_EQ(holidays.size(), 18U);
    Entries current{};
    const std::vector<std::size_t> eventSlots{0, 2, 4, 6, 8, 10, 12, 14, 16, 17, 18, 19};
    for (const std::size_t slot : eventSlots) {
        current[slot] = {401 + static_cast<int>(slot), "event.bmp", "行事" + std::to_string(slot)};
    }
    current[4].comment = "こどもの日のつどい";  // an event on a holiday's date
    current[4].dateKey = 505;

    const HolidayFillResult result = fillNationalHolidays(current, holidays);

    for (const std::size_t slot : eventSlots) EXPECT_EQ(result.entries[slot], current[slot]) << slot;
    EXPECT_EQ(filled(result.entries, eventSlots), asEntries(8));  // slots 1, 3, …, 15 in date order
    EXPECT_EQ(result.entries[1], (HolidayEntry{429, "", "昭和の日"}));
    EXPECT_EQ(result.entries[15], (HolidayEntry{915, "", "敬老の日"}));
    EXPECT_EQ(result.notFitted,
              (std::vector<std::string>{"9月23日 秋分の日", "10月13日 スポーツの日", "11月3日 文化の日",
                                        "11月23日 勤労感謝の日", "11月24日 振替休日", "1月1日 元日",
                                        "1月12日 成人の日", "2月11日 建国記念の日", "2月23日 天皇誕生日",
                                        "3月20日 春分の日"}));
}

TEST_F(HolidayFill, RunningAgainReplacesTheEarlierFill) {
    Entries current{};
    current[4] = {1015, "undoukai.bmp", "運動会"};
    current[10] = {505, "", "こどもの日のつどい"};
    const HolidayFillResult first = fillNationalHolidays(current, holidays);
    EXPECT_TRUE(first.notFitted.empty());
    EXPECT_EQ(filled(first.entries, {4, 10}), asEntries(18));

    const HolidayFillResult again = fillNationalHolidays(first.entries, holidays);
    EXPECT_EQ(again.entries, first.entries);
    EXPECT_TRUE(again.notFitted.empty());

    // With the sports day gone, the holidays close up in date order around the
    // remaining event and the last slot is left empty.
    Entries edited = first.entries;
    edited[4] = HolidayEntry{};
    const HolidayFillResult closed = fillNationalHolidays(edited, holidays);
    EXPECT_EQ(closed.entries[10], current[10]);
    EXPECT_EQ(filled(closed.entries, {10}), asEntries(18));
    EXPECT_EQ(closed.entries[4], (HolidayEntry{holidays[4].dateKey(), "", holidays[4].name}));
    EXPECT_TRUE(closed.entries[19].empty());
}

TEST_F(HolidayFill, PictureOfARefilledHolidayIsKept) {
    Entries current = fillNationalHolidays(Entries{}, holidays).entries;
    ASSERT_EQ(current[3], (HolidayEntry{505, "", "こどもの日"}));
    current[3].picture = "koinobori.bmp";
    current[0] = HolidayEntry{};  // 昭和の日 removed by hand: こどもの日 moves up a slot
    const HolidayFillResult result = fillNationalHolidays(current, holidays);
    EXPECT_EQ(result.entries[3], (HolidayEntry{505, "koinobori.bmp", "こどもの日"}));
    EXPECT_EQ(result.entries[0], (HolidayEntry{429, "", "昭和の日"}));
}

TEST_F(HolidayFill, HolidayNameOnAnotherDateCountsAsAnEvent) {
    Entries current{};
    current[0] = {1014, "", "スポーツの日"};  // last year's date: no holiday in 2025
    current[1] = {0, "", "メモ"};             // a comment without a date is kept
    current[19] = {1015, "", "運動会"};
    const HolidayFillResult result = fillNationalHolidays(current, holidays);
    EXPECT_EQ(result.entries[0], current[0]);
    EXPECT_EQ(result.entries[1], current[1]);
    EXPECT_EQ(result.entries[2], (HolidayEntry{429, "", "昭和の日"}));
    EXPECT_EQ(result.notFitted, std::vector<std::string>{"3月20日 春分の日"});
}

}  // namespace
}  // namespace cal
