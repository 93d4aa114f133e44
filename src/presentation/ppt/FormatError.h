#pragma once
#include <cstdint>
#include <cstdio>
#include <stdexcept>
#include <string>

namespace sw::pres::ppt {

// A structure inside the file is broken. Thrown by the record and container
// layers with the cause only; readPpt turns it into an EngineError that names
// the file ("... is damaged: <cause>").
class FormatError : public std::runtime_error {
public:
    explicit FormatError(const std::string& cause) : std::runtime_error(cause) {}
};

// "0x0FF5": record types in messages, as the format documents write them.
inline std::string hexType(std::uint16_t type) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "0x%04X", static_cast<unsigned>(type));
    return buf;
}

}  // namespace sw::pres::ppt
