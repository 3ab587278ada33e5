#pragma once
// The iCalendar reader on libical.

#include "ui/ics_reader.h"

namespace cal::ical {

class LibicalReader final : public IcsReader {
public:
    LibicalReader();
    IcsMonth monthEvents(std::string_view bytes, int year, int month) const override;
};

}  // namespace cal::ical
