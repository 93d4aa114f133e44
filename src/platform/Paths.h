#pragma once
#include <string>
#include <string_view>

// Path text helpers. The delimiter is the native "/" (Windows has "\"),
// and ":" is an ordinary file-name character.
namespace sw::platform {

inline constexpr char PathDelim = '/';

// Everything up to and including the last delimiter; "" when there is none.
std::string FolderPart(std::string_view path);
// Everything after the last delimiter.
std::string FileNamePart(std::string_view path);
// The extension of the file-name part, from its last "." on; "" when none.
std::string ExtractFileExt(std::string_view path);
// The path with the extension of its file-name part replaced (or appended).
std::string ChangeFileExt(std::string_view path, std::string_view ext);
// `path` with a trailing delimiter, unless it has one already or is empty.
std::string IncludeTrailingDelimiter(std::string_view path);

}  // namespace sw::platform
