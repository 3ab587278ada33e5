#include "ical/ics_expansion.h"

#include "ical/civil_days.h"

#include <algorithm>
#include <memory>

namespace cal::ical {

namespace {

constexpr std::int64_t kJapanOffset = 9 * 60 * 60;

std::int64_t floorDays(std::int64_t seconds) { return (seconds >= 0 ? seconds : seconds - kDay + 1) / kDay; }

std::int64_t wallSeconds(const icaltimetype& t) {
    return daysFromCivil(t.year, t.month, t.day) * kDay + t.hour * 3600 + t.minute * 60 + t.second;
}

int utcOffset(const icaltimetype& t) {
    icaltimetype copy = t;
    int daylight = 0;
    return icaltimezone_get_utc_offset(const_cast<icaltimezone*>(t.zone), &copy, &daylight);
}

// The time `like` would hold at Japan's `seconds`, near enough to start an
// iteration from.
icaltimetype fromJapanSeconds(std::int64_t seconds, const icaltimetype& like) {
    if (like.zone != nullptr) seconds += utcOffset(like) - kJapanOffset;
    const CivilDate date = civilFromDays(floorDays(seconds));
    icaltimetype t = like;
    t.year = date.year;
    t.month = date.month;
    t.day = date.day;
    const std::int64_t inDay = seconds - floorDays(seconds) * kDay;
    t.hour = like.is_date ? 0 : static_cast<int>(inDay / 3600);
    t.minute = like.is_date ? 0 : static_cast<int>(inDay / 60 % 60);
    t.second = like.is_date ? 0 : static_cast<int>(inDay % 60);
    return t;
}

icaltimetype timeOf(icalproperty* p, icalcomponent* event) {
    icaltimetype t = icalproperty_get_datetime_with_component(p, event);
    // An RDATE may be a period: its start counts.
    if (icaltime_is_null_time(t) && icalproperty_isa(p) == ICAL_RDATE_PROPERTY)
        t = icalproperty_get_rdate(p).period.start;
    return t;
}

bool usable(const icaltimetype& t) { return !icaltime_is_null_time(t) && icaltime_is_valid_time(t) && t.year > 0; }

struct IteratorFree {
    void operator()(icalrecur_iterator* it) const { icalrecur_iterator_free(it); }
};

}  // namespace

std::int64_t japanSeconds(const icaltimetype& t) {
    if (t.is_date) return daysFromCivil(t.year, t.month, t.day) * kDay;
    if (t.zone == nullptr) return wallSeconds(t);
    return wallSeconds(t) - utcOffset(t) + kJapanOffset;
}

Overrides overridesIn(icalcomponent* calendar) {
    Overrides overrides;
    for (icalcomponent* e = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); e != nullptr;
         e = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
        icalproperty* id = icalcomponent_get_first_property(e, ICAL_RECURRENCEID_PROPERTY);
        const char* uid = icalcomponent_get_uid(e);
        if (id == nullptr || uid == nullptr) continue;
        if (const icaltimetype t = timeOf(id, e); usable(t)) overrides[uid].insert(japanSeconds(t));
    }
    return overrides;
}

Expansion expandInWindow(icalcomponent* event, const Overrides& overrides, const Window& window, Budget& budget) {
    Expansion out;
    icalproperty* startProperty = icalcomponent_get_first_property(event, ICAL_DTSTART_PROPERTY);
    const icaltimetype start = startProperty ? timeOf(startProperty, event) : icaltime_null_time();
    if (!usable(start)) {
        out.problem = "は開始日時が読めません";
        return out;
    }
    if (icalparameter* tzid = icalproperty_get_first_parameter(startProperty, ICAL_TZID_PARAMETER);
        tzid != nullptr && start.zone == nullptr)
        out.problem = std::string("の時間帯「") + icalparameter_get_tzid(tzid) + "」が分からないため、日本の時刻として読みました";
    const std::int64_t first = japanSeconds(start);
    std::int64_t length = start.is_date ? kDay : 0;
    if (const icaltimetype end = icalcomponent_get_dtend(event); usable(end))
        length = std::max<std::int64_t>(0, japanSeconds(end) - first);

    std::set<std::int64_t> excluded, excludedDays;
    for (icalproperty* p = icalcomponent_get_first_property(event, ICAL_EXDATE_PROPERTY); p != nullptr;
         p = icalcomponent_get_next_property(event, ICAL_EXDATE_PROPERTY))
        if (const icaltimetype t = timeOf(p, event); usable(t))
            (t.is_date ? excludedDays : excluded).insert(t.is_date ? floorDays(japanSeconds(t)) : japanSeconds(t));
    const bool isOverride = icalcomponent_get_first_property(event, ICAL_RECURRENCEID_PROPERTY) != nullptr;
    const char* uid = icalcomponent_get_uid(event);
    const auto moved = uid != nullptr && !isOverride ? overrides.find(uid) : overrides.end();
    const auto emit = [&](std::int64_t s) {
        if (excluded.contains(s) || excludedDays.contains(floorDays(s))) return;
        if (moved != overrides.end() && moved->second.contains(s)) return;
        if (s < window.end && std::max(s + length, s + 1) > window.start)
            out.spans.push_back({s, s + length, static_cast<bool>(start.is_date)});
    };

    for (icalproperty* p = icalcomponent_get_first_property(event, ICAL_RDATE_PROPERTY); p != nullptr;
         p = icalcomponent_get_next_property(event, ICAL_RDATE_PROPERTY))
        if (const icaltimetype t = timeOf(p, event); usable(t)) emit(japanSeconds(t));
    icalproperty* rule = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY);
    const icalrecurrencetype recurrence = rule ? icalproperty_get_rrule(rule) : icalrecurrencetype{};
    if (rule == nullptr || isOverride) {
        emit(first);
        return out;
    }
    // Rules by the second, minute or hour are no school's; libical could
    // spend minutes looking for an occurrence that never comes.
    const std::unique_ptr<icalrecur_iterator, IteratorFree> it(
        recurrence.freq < ICAL_DAILY_RECURRENCE ? nullptr : icalrecur_iterator_new(recurrence, start));
    if (!it) {
        out.problem = "の繰り返しの決まりが読めないため、最初の日だけ読みました";
        emit(first);
        return out;
    }
    // Without COUNT the iteration may start just before the window.
    if (const std::int64_t from = window.start - length - kDay; recurrence.count == 0 && from > first)
        icalrecur_iterator_set_start(it.get(), fromJapanSeconds(from, start));
    for (long steps = 0;; ++steps) {
        if (budget.left <= 0 || steps >= Budget::kPerEvent) {
            out.problem = "の繰り返しが多すぎるため、途中までしか読めませんでした";
            break;
        }
        --budget.left;
        icaltimetype next = icalrecur_iterator_next(it.get());
        if (icaltime_is_null_time(next)) break;
        next.zone = start.zone;
        const std::int64_t s = japanSeconds(next);
        if (s >= window.end) break;
        emit(s);
    }
    return out;
}

}  // namespace cal::ical
