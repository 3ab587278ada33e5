#include "ical/ics_writer.h"

#include <libical/ical.h>

#include <cstdlib>
#include <memory>

namespace cal::ical {

namespace {

struct ComponentFree {
    void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

icaltimetype dateOf(const Date& date) {
    icaltimetype t = icaltime_null_date();
    t.year = date.year;
    t.month = date.month;
    t.day = date.day;
    return t;
}

icalproperty* dateProperty(icalproperty* property) {
    icalproperty_add_parameter(property, icalparameter_new_value(ICAL_VALUE_DATE));
    return property;
}

icalcomponent* eventOf(const IcsEvent& e, const icaltimetype& stamp) {
    icalcomponent* event = icalcomponent_new(ICAL_VEVENT_COMPONENT);
    icalcomponent_add_property(event, icalproperty_new_uid(e.uid.c_str()));
    icalcomponent_add_property(event, icalproperty_new_dtstamp(stamp));
    const icaltimetype start = dateOf(e.date);
    icaltimetype end = start;
    icaltime_adjust(&end, 1, 0, 0, 0);
    icalcomponent_add_property(event, dateProperty(icalproperty_new_dtstart(start)));
    icalcomponent_add_property(event, dateProperty(icalproperty_new_dtend(end)));
    icalcomponent_add_property(event, icalproperty_new_summary(e.summary.c_str()));
    if (!e.description.empty())
        icalcomponent_add_property(event, icalproperty_new_description(e.description.c_str()));
    if (!e.category.empty()) icalcomponent_add_property(event, icalproperty_new_categories(e.category.c_str()));
    // An all-day entry does not make the parents busy.
    icalcomponent_add_property(event, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
    return event;
}

}  // namespace

std::optional<std::string> LibicalWriter::write(const IcsCalendar& calendar, std::string& error) const {
    icalerror_clear_errno();
    Component root(icalcomponent_new(ICAL_VCALENDAR_COMPONENT));
    if (!root) {
        error = "iCalendar を作れません";
        return std::nullopt;
    }
    icalcomponent_add_property(root.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(root.get(), icalproperty_new_prodid("-//nursery-calendar//カレンダー作成//JA"));
    icalcomponent_add_property(root.get(), icalproperty_new_calscale("GREGORIAN"));
    icalcomponent_add_property(root.get(), icalproperty_new_method(ICAL_METHOD_PUBLISH));
    icalproperty* name = icalproperty_new_x(calendar.name.c_str());
    icalproperty_set_x_name(name, "X-WR-CALNAME");
    icalcomponent_add_property(root.get(), name);

    const icaltimetype stamp = icaltime_current_time_with_zone(icaltimezone_get_utc_timezone());
    for (const IcsEvent& e : calendar.events) icalcomponent_add_component(root.get(), eventOf(e, stamp));

    char* text = icalcomponent_as_ical_string_r(root.get());
    if (text == nullptr || icalerrno != ICAL_NO_ERROR) {
        error = icalerror_strerror(icalerrno);
        std::free(text);
        return std::nullopt;
    }
    std::string bytes(text);
    std::free(text);
    return bytes;
}

}  // namespace cal::ical
