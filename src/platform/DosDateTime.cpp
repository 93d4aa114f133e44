#include "platform/DosDateTime.h"

namespace sw::platform {

std::int32_t PackDosDateTime(const std::tm& t) {
    const int year = t.tm_year + 1900;
    if (year < 1980 || year > 2107) return -1;
    const std::uint32_t date = static_cast<std::uint32_t>(((year - 1980) << 9) | ((t.tm_mon + 1) << 5) | t.tm_mday);
    const std::uint32_t time = static_cast<std::uint32_t>((t.tm_hour << 11) | (t.tm_min << 5) | (t.tm_sec / 2));
    return static_cast<std::int32_t>((date << 16) | time);
}

}  // namespace sw::platform
