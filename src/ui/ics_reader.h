#pragma once
// Reading the events of one month from an iCalendar file (RFC 5545), such as
// a shared web or phone calendar exports. The library that parses the file
// lives beside the core; builds without it have no reader.

#include <string>
#include <string_view>
#include <vector>

namespace cal {

// One event on one day of the month, in Japan's time.
struct IcsDayEvent {
    int day = 0;       // 1 … 31
    int minute = -1;   // minutes after midnight of its start on that day; -1 all day
    std::string text;  // "えんそく", or "10:00 えんそく" for a timed event's first day
    friend bool operator==(const IcsDayEvent&, const IcsDayEvent&) = default;
};

struct IcsMonth {
    // False when the bytes are no iCalendar at all: nothing is to be stored.
    bool readable = false;
    std::vector<IcsDayEvent> events;    // by day, all-day events first, then by time
    std::vector<std::string> problems;  // what the file holds that could not be read
};

class IcsReader {
public:
    virtual ~IcsReader() = default;
    // The events of calendar month `month` of `year` in the file's `bytes`:
    // recurring events expanded by their rules and exceptions for this month
    // only, events of several days on each of them, times in Japan's time.
    virtual IcsMonth monthEvents(std::string_view bytes, int year, int month) const = 0;
};

}  // namespace cal
