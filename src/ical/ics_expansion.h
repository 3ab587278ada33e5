#pragma once
// The occurrences of one event that reach into a window of days, in Japan's
// wall-clock seconds: recurrence rules, extra dates, excluded dates and
// occurrences moved by an event of their own, all bounded.

#include <libical/ical.h>

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace cal::ical {

inline constexpr std::int64_t kDay = 24 * 60 * 60;

// Seconds since 1970-01-01 00:00 on Japan's wall clock.
struct Window {
    std::int64_t start = 0, end = 0;
};
struct Span {
    std::int64_t start = 0, end = 0;  // end exclusive; end == start for an instant
    bool allDay = false;
};

// Iterator steps one file may take, all its events together, and one event alone.
struct Budget {
    long left = 500'000;
    static constexpr long kPerEvent = 50'000;
};

// The occurrences, by UID, that an event with a RECURRENCE-ID replaces.
using Overrides = std::map<std::string, std::set<std::int64_t>>;
Overrides overridesIn(icalcomponent* calendar);

struct Expansion {
    std::vector<Span> spans;
    std::string problem;  // what could not be read, for the user
};
Expansion expandInWindow(icalcomponent* event, const Overrides& overrides, const Window& window, Budget& budget);

// A time on Japan's wall clock: a date as its midnight, a floating time as
// written, a time with a zone (or UTC) converted.
std::int64_t japanSeconds(const icaltimetype& t);

}  // namespace cal::ical
