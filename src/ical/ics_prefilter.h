#pragma once
// Leaving out, before libical parses a file, the single events that cannot
// reach the month shown: a calendar of ten years holds mostly those, and
// parsing them is most of the work.

#include <cstdint>
#include <string>
#include <string_view>

namespace cal::ical {

// `text` without the VEVENT blocks that hold no RRULE, RDATE, EXRULE or
// RECURRENCE-ID and whose DTSTART to DTEND (or DURATION) ends more than two
// days before `firstDay` or starts more than two days after `lastDay` (days
// since 1970; the margin covers any time zone). A block that cannot be read
// this simply is kept, for libical to read or report.
std::string withoutFarEvents(std::string_view text, std::int64_t firstDay, std::int64_t lastDay);

}  // namespace cal::ical
