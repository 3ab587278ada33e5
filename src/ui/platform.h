#pragma once
// The platform beyond the forms service: today's date and the per-user
// settings store (the registry on Windows).

#include <optional>
#include <string>

namespace cal {

struct Date {
    int year = 2000, month = 1, day = 1;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual Date today() const = 0;
};

// Today's date from the system clock, in local time.
class SystemClock final : public Clock {
public:
    Date today() const override;
};

// Today's date moved into another month, for a program started on a chosen
// month: today's day in that month when it has one, else its last day.
class MonthClock final : public Clock {
public:
    MonthClock(const Clock& base, int year, int month) : m_base(base), m_year(year), m_month(month) {}
    Date today() const override;

private:
    const Clock& m_base;
    int m_year, m_month;
};

// The per-user settings store: a key (a group of values) and named string
// values under it.
class Registry {
public:
    virtual ~Registry() = default;
    // False when the key cannot be opened (it does not exist).
    virtual bool keyExists(const std::string& key) const = 0;
    // The value as UTF-8, or nothing when the key or the value is missing.
    virtual std::optional<std::string> value(const std::string& key,
                                             const std::string& name) const = 0;
    // Stores the value, creating the key; false with the reason in `error`.
    virtual bool setValue(const std::string& key, const std::string& name, const std::string& value,
                          std::string& error) = 0;
};

}  // namespace cal
