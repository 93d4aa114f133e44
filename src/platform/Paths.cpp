#include "platform/Paths.h"

namespace sw::platform {

std::string FolderPart(std::string_view path) {
    auto pos = path.rfind(PathDelim);
    return pos == std::string_view::npos ? std::string() : std::string(path.substr(0, pos + 1));
}

std::string FileNamePart(std::string_view path) {
    auto pos = path.rfind(PathDelim);
    return std::string(pos == std::string_view::npos ? path : path.substr(pos + 1));
}

std::string ExtractFileExt(std::string_view path) {
    auto nameStart = path.rfind(PathDelim);
    nameStart = nameStart == std::string_view::npos ? 0 : nameStart + 1;
    auto dot = path.rfind('.');
    if (dot == std::string_view::npos || dot < nameStart) return {};
    return std::string(path.substr(dot));
}

std::string ChangeFileExt(std::string_view path, std::string_view ext) {
    std::string result(path.substr(0, path.size() - ExtractFileExt(path).size()));
    result += ext;
    return result;
}

std::string IncludeTrailingDelimiter(std::string_view path) {
    std::string result(path);
    if (!result.empty() && result.back() != PathDelim) result += PathDelim;
    return result;
}

}  // namespace sw::platform
