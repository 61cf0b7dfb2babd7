#pragma once
// Units the whole suite counts in, kept in one place so every program
// converts the same way.
#include <cstdint>

namespace tavo {

// Seconds of a calendar day: wall-clock times are held as
// Julian day x kSecondsPerDay + seconds of the day.
inline constexpr std::int64_t kSecondsPerDay = 86400;

}  // namespace tavo
