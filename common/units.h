#pragma once
// Units the whole suite counts in, kept in one place so every program
// converts the same way.
#include <cstdint>

namespace tavo {

// Seconds of a calendar day: wall-clock times are held as
// Julian day x kSecondsPerDay + seconds of the day.
inline constexpr std::int64_t kSecondsPerDay = 86400;

// Kilobits in a megabyte (1024 x 1024 bytes of 8 bits, kilo = 1024): one
// megabyte a second is kKbitPerMegabyte kbit/s, one a minute that over 60.
inline constexpr double kKbitPerMegabyte = 8192.0;

}  // namespace tavo
