#include "qprot_datetime.h"

#include <algorithm>
#include <ctime>

namespace qvs {

using namespace std::chrono;

std::optional<LocalDateTime> MakeLocalDateTime(const DateTimeFields& f)
{
    if (f.Year < 1 || f.Year > 9999 || f.Month < 1 || f.Month > 12 || f.Day < 1 || f.Day > 31)
        return std::nullopt;
    const year_month_day date{year{f.Year}, month{static_cast<unsigned>(f.Month)},
                              day{static_cast<unsigned>(f.Day)}};
    if (!date.ok())
        return std::nullopt;
    if (f.Hour < 0 || f.Hour > 23 || f.Minute < 0 || f.Minute > 59 || f.Second < 0 || f.Second > 59
        || f.Millisecond < 0 || f.Millisecond > 999)
        return std::nullopt;
    return local_days{date} + hours{f.Hour} + minutes{f.Minute} + seconds{f.Second}
           + milliseconds{f.Millisecond};
}

DateTimeFields SplitLocalDateTime(LocalDateTime value)
{
    const auto dayStart = floor<days>(value);
    const year_month_day date{dayStart};
    const hh_mm_ss<milliseconds> time{value - dayStart};
    return {static_cast<int>(date.year()),
            static_cast<int>(static_cast<unsigned>(date.month())),
            static_cast<int>(static_cast<unsigned>(date.day())),
            static_cast<int>(time.hours().count()),
            static_cast<int>(time.minutes().count()),
            static_cast<int>(time.seconds().count()),
            static_cast<int>(time.subseconds().count())};
}

LocalDateTime CurrentLocalDateTime()
{
    const auto now = system_clock::now();
    const std::time_t seconds_now = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&seconds_now, &local);
    const auto ms = duration_cast<milliseconds>(now.time_since_epoch()) % 1000;
    auto result = MakeLocalDateTime({local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                                     local.tm_hour, local.tm_min, std::min(local.tm_sec, 59),
                                     static_cast<int>(ms.count())});
    return result.value_or(LocalDateTime{});
}

}  // namespace qvs
