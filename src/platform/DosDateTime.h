#pragma once
#include <cstdint>
#include <ctime>

namespace sw::platform {

// Packs a broken-down time as a DOS date and time: the date in the high 16
// bits (years since 1980, month, day), the time in the low 16 bits (hours,
// minutes, seconds / 2). Years outside 1980..2107 give -1.
std::int32_t PackDosDateTime(const std::tm& time);

}  // namespace sw::platform
