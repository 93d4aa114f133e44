#pragma once
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// The program's text files: written as UTF-8 without a byte-order mark, every
// line ended by CR LF; read honouring a UTF-8 or UTF-16 (LE/BE) byte-order
// mark, else as UTF-8 when valid, else as Windows-1252.
namespace sw::platform {

// Decodes file bytes to UTF-8 text by the rules above.
std::string DecodeText(std::string_view bytes);
// Splits at CR LF, lone CR and lone LF; empty lines count; a break at the
// very end adds no line.
std::vector<std::string> SplitLines(std::string_view text);
// Joins lines, each followed by CR LF.
std::string JoinLines(const std::vector<std::string>& lines);

// Whole file, decoded. Throws std::system_error naming the file on failure.
std::string ReadTextFile(const std::filesystem::path& path);
// Creates or overwrites the file with the lines (UTF-8, CR LF after each).
// Throws std::system_error naming the file on failure.
void WriteTextLines(const std::filesystem::path& path, const std::vector<std::string>& lines);

// Bytes of a whole file; throws std::system_error naming the file.
std::string ReadFileBytes(const std::filesystem::path& path);

}  // namespace sw::platform
