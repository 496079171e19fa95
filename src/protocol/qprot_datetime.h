#pragma once

#include <chrono>
#include <optional>

namespace qvs {

// A wall-clock date and time in the gateway's and the user's local time (no zone).
using LocalDateTime = std::chrono::local_time<std::chrono::milliseconds>;

struct DateTimeFields {
    int Year = 0, Month = 0, Day = 0, Hour = 0, Minute = 0, Second = 0, Millisecond = 0;
    bool operator==(const DateTimeFields&) const = default;
};

// The fields of a valid calendar date (years 1 to 9999) and time, or nothing.
std::optional<LocalDateTime> MakeLocalDateTime(const DateTimeFields& fields);
DateTimeFields SplitLocalDateTime(LocalDateTime value);

// The computer's clock, in local time.
LocalDateTime CurrentLocalDateTime();

}  // namespace qvs
