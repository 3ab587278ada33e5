#pragma once
// IcsWriter on libical: the library escapes the texts, folds the lines and
// ends them with CRLF as RFC 5545 says.

#include "ui/ics_writer.h"

namespace cal::ical {

class LibicalWriter final : public IcsWriter {
public:
    std::optional<std::string> write(const IcsCalendar& calendar, std::string& error) const override;
};

}  // namespace cal::ical
