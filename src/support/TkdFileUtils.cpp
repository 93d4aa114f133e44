#include "support/TkdFileUtils.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "platform/DosDateTime.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

std::int32_t TkdFileUtils::FileStamp(const std::string& Path, bool Creation, bool Utc) {
    sw::platform::FileTimes times;
    if (!sw::platform::ReadFileTimes(Path, times)) return -1;
    const std::time_t seconds = (Creation ? times.Creation : times.Write).tv_sec;
    std::tm broken{};
    if (!(Utc ? ::gmtime_r(&seconds, &broken) : ::localtime_r(&seconds, &broken))) return -1;
    return sw::platform::PackDosDateTime(broken);
}

std::string TkdFileUtils::ReadText(const std::string& Path, int CharSize) {
    std::string bytes = sw::platform::ReadFileBytes(Path);
    if (CharSize != 2) return bytes;
    bytes.resize(bytes.size() & ~std::size_t{1});
    // Decoding as UTF-16LE needs the mark the file was written without.
    return sw::platform::DecodeText("\xFF\xFE" + bytes);
}

namespace {

std::string ToUtf16Le(const std::string& utf8) {
    std::string out;
    out.reserve(utf8.size() * 2);
    auto put = [&](char16_t u) {
        out += static_cast<char>(u & 0xFF);
        out += static_cast<char>(u >> 8);
    };
    for (std::size_t i = 0; i < utf8.size();) {
        auto c = static_cast<unsigned char>(utf8[i]);
        char32_t cp = c;
        int extra = c < 0x80 ? 0 : (c & 0xE0) == 0xC0 ? 1 : (c & 0xF0) == 0xE0 ? 2 : (c & 0xF8) == 0xF0 ? 3 : -1;
        if (extra < 0 || (extra > 0 && i + static_cast<std::size_t>(extra) >= utf8.size())) {
            put(0xFFFD);
            ++i;
            continue;
        }
        if (extra > 0) cp = c & (0x3F >> extra);
        for (int k = 1; k <= extra; ++k) cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        i += static_cast<std::size_t>(extra) + 1;
        if (cp >= 0x10000) {
            cp -= 0x10000;
            put(static_cast<char16_t>(0xD800 + (cp >> 10)));
            put(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
        } else {
            put(static_cast<char16_t>(cp));
        }
    }
    return out;
}

}  // namespace

void TkdFileUtils::WriteText(const std::string& Path, const std::string& Text, int CharSize, bool Append) {
    sw::platform::CreateDirectories(sw::platform::FolderPart(Path));
    std::ofstream out(Path, std::ios::binary | (Append ? std::ios::app : std::ios::trunc));
    if (!out) throw std::system_error(errno ? errno : EIO, std::generic_category(), "Cannot create \"" + Path + "\"");
    const std::string bytes = CharSize == 2 ? ToUtf16Le(Text) : Text;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) throw std::system_error(errno ? errno : EIO, std::generic_category(), "Cannot write \"" + Path + "\"");
}
