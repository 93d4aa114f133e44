#pragma once
#include <cstdint>
#include <string>

// File helpers of the support services.
class TkdFileUtils {
public:
    // The creation (or last-write) time of a file or folder as a DOS date and
    // time, in UTC or local time; -1 when it cannot be read or packed.
    static std::int32_t FileStamp(const std::string& Path, bool Creation, bool Utc);
    // The whole file as text: CharSize 1 reads bytes (UTF-8 here), CharSize 2
    // reads UTF-16LE code units (an odd last byte is dropped) and returns them
    // as UTF-8. Errors (cannot open, cannot read) are thrown.
    static std::string ReadText(const std::string& Path, int CharSize);
    // Writes Text (UTF-8) at CharSize bytes a character, no byte-order mark;
    // creates missing folders first (ignoring errors); appends or replaces.
    // Errors are thrown.
    static void WriteText(const std::string& Path, const std::string& Text, int CharSize, bool Append);
};
