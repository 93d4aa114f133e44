#pragma once
#include <filesystem>
#include <optional>
#include <string>

namespace sw::test {

// Output of an independent RTF reader, or nullopt when the tool is not
// installed (tests then skip with a message).
std::optional<std::string> pandocNative(const std::filesystem::path& rtf);
std::optional<std::string> unrtfText(const std::filesystem::path& rtf);
bool haveTool(const std::string& name);

// Runs a shell command; returns its standard output and sets exitCode.
std::string runCommand(const std::string& command, int& exitCode);

// pandoc's native output on one line with single blanks, so a fact such as
// `Header 1 ( "" , [] , [] ) [ Str "Title" ]` can be searched for.
std::string flatten(const std::string& native);

}  // namespace sw::test
