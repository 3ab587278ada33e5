#include "ui/platform.h"

#include <ctime>

namespace cal {

Date SystemClock::today() const {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

Date MonthClock::today() const {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (m_year % 4 == 0 && m_year % 100 != 0) || m_year % 400 == 0;
    const int last = m_month == 2 && leap ? 29 : kDays[m_month - 1];
    const int day = m_base.today().day;
    return {m_year, m_month, day < last ? day : last};
}

}  // namespace cal
