#include "ical/ics_reader.h"

#include "ical/civil_days.h"
#include "ical/ics_expansion.h"
#include "ical/ics_prefilter.h"

#include <libical/ical.h>

#include <map>
#include <memory>
#include <set>
#include <tuple>

namespace cal::ical {

namespace {

// Problems beyond this many are counted, not listed.
constexpr std::size_t kListedProblems = 20;

struct ComponentFree {
    void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

std::string summaryOf(icalcomponent* event) {
    const char* summary = icalcomponent_get_summary(event);
    std::string text = summary != nullptr ? summary : "";
    for (char& ch : text)
        if (ch == '\n' || ch == '\r' || ch == '\t') ch = ' ';
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "（件名なし）";
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// What libical could not parse: its error properties and invalid components.
void collectParseErrors(icalcomponent* c, std::vector<std::string>& problems) {
    if (icalcomponent_isa(c) == ICAL_XLICINVALID_COMPONENT) problems.push_back("読めない部分があります");
    for (icalproperty* p = icalcomponent_get_first_property(c, ICAL_XLICERROR_PROPERTY); p != nullptr;
         p = icalcomponent_get_next_property(c, ICAL_XLICERROR_PROPERTY)) {
        const char* what = icalproperty_get_xlicerror(p);
        problems.push_back(std::string("読めない行があります: ") + (what != nullptr ? what : ""));
    }
    for (icalcomponent* child = icalcomponent_get_first_component(c, ICAL_ANY_COMPONENT); child != nullptr;
         child = icalcomponent_get_next_component(c, ICAL_ANY_COMPONENT))
        collectParseErrors(child, problems);
}

std::vector<icalcomponent*> calendarsIn(icalcomponent* root) {
    std::vector<icalcomponent*> calendars;
    if (icalcomponent_isa(root) == ICAL_VCALENDAR_COMPONENT) calendars.push_back(root);
    if (icalcomponent_isa(root) == ICAL_XROOT_COMPONENT)
        for (icalcomponent* c = icalcomponent_get_first_component(root, ICAL_VCALENDAR_COMPONENT); c != nullptr;
             c = icalcomponent_get_next_component(root, ICAL_VCALENDAR_COMPONENT))
            calendars.push_back(c);
    return calendars;
}

std::string hourMinute(int minute) {
    char text[16];
    std::snprintf(text, sizeof text, "%d:%02d", minute / 60, minute % 60);
    return text;
}

}  // namespace

LibicalReader::LibicalReader() {
    // A malformed file is reported, never a reason for libical to abort.
    icalerror_set_errors_are_fatal(0);
}

IcsMonth LibicalReader::monthEvents(std::string_view bytes, int year, int month) const {
    IcsMonth result;
    if (bytes.find_first_not_of(" \t\r\n") == std::string_view::npos) {
        result.problems.push_back("ファイルが空です");
        return result;
    }
    const std::int64_t firstDay = daysFromCivil(year, month, 1);
    const std::int64_t nextMonth = daysFromCivil(month == 12 ? year + 1 : year, month == 12 ? 1 : month + 1, 1);
    // libical reads up to the first zero byte.
    const std::string text = withoutFarEvents(bytes.substr(0, bytes.find('\0')), firstDay, nextMonth - 1);
    const Component root(icalparser_parse_string(text.c_str()));
    const std::vector<icalcomponent*> calendars = root ? calendarsIn(root.get()) : std::vector<icalcomponent*>{};
    if (calendars.empty()) {
        result.problems.push_back("iCalendar のファイルではありません（BEGIN:VCALENDAR がありません）");
        return result;
    }
    result.readable = true;
    std::vector<std::string> problems;
    collectParseErrors(root.get(), problems);

    const Window window{firstDay * kDay, nextMonth * kDay};
    Budget budget;
    // (day, minute, text): each text once a day, in the order they are shown.
    std::set<std::tuple<int, int, std::string>> found;
    for (icalcomponent* calendar : calendars) {
        const Overrides overrides = overridesIn(calendar);
        for (icalcomponent* event = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT);
             event != nullptr; event = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
            if (icalcomponent_get_status(event) == ICAL_STATUS_CANCELLED) continue;
            const std::string summary = summaryOf(event);
            const Expansion expanded = expandInWindow(event, overrides, window, budget);
            if (!expanded.problem.empty()) problems.push_back("「" + summary + "」" + expanded.problem);
            for (const Span& span : expanded.spans) {
                const std::int64_t first = std::max(span.start, window.start) / kDay;
                const std::int64_t last = (std::max(span.end, span.start + 1) - 1) / kDay;
                for (std::int64_t d = first; d <= last && d * kDay < window.end; ++d) {
                    const int day = civilFromDays(d).day;
                    const bool startsHere = !span.allDay && d == span.start / kDay;
                    const int minute = startsHere ? static_cast<int>(span.start % kDay / 60) : -1;
                    found.emplace(day, minute, startsHere ? hourMinute(minute) + " " + summary : summary);
                }
            }
        }
    }
    std::set<std::pair<int, std::string>> shown;
    for (const auto& [day, minute, summary] : found)
        if (shown.emplace(day, summary).second) result.events.push_back({day, minute, summary});
    if (problems.size() > kListedProblems) {
        const std::size_t more = problems.size() - kListedProblems;
        problems.resize(kListedProblems);
        problems.push_back("ほか " + std::to_string(more) + " 件");
    }
    result.problems = std::move(problems);
    return result;
}

}  // namespace cal::ical
