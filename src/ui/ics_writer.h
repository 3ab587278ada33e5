#pragma once
// Writing a calendar as an iCalendar file (RFC 5545) that phone and web
// calendars import. The program's events are all-day events; texts are UTF-8.

#include "ui/platform.h"

#include <optional>
#include <string>
#include <vector>

namespace cal {

struct IcsEvent {
    std::string uid;          // the same for the same entry of the same day in every export
    Date date;                // the day the event lasts
    std::string summary;
    std::string description;  // empty: none
    std::string category;     // empty: none
};

struct IcsCalendar {
    std::string name;  // shown by calendar programs (X-WR-CALNAME)
    std::vector<IcsEvent> events;
};

class IcsWriter {
public:
    virtual ~IcsWriter() = default;
    // The file's bytes: UTF-8, folded lines, CRLF, stamped with the time of
    // writing. Nothing, with the reason
    // in `error`, when the calendar cannot be written.
    virtual std::optional<std::string> write(const IcsCalendar& calendar, std::string& error) const = 0;
};

}  // namespace cal
