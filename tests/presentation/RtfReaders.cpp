#include "RtfReaders.h"

#include <sys/wait.h>

#include <array>
#include <cstdio>

namespace sw::test {

std::string runCommand(const std::string& command, int& exitCode) {
    std::string out;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) {
        exitCode = -1;
        return out;
    }
    std::array<char, 65536> buf;
    std::size_t n;
    while ((n = std::fread(buf.data(), 1, buf.size(), pipe)) > 0) out.append(buf.data(), n);
    int status = ::pclose(pipe);
    exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return out;
}

bool haveTool(const std::string& name) {
    int rc = 0;
    runCommand("command -v " + name + " >/dev/null 2>&1", rc);
    return rc == 0;
}

namespace {

std::string quote(const std::filesystem::path& p) {
    std::string s = "'";
    for (char c : p.string()) {
        if (c == '\'') s += "'\\''";
        else s += c;
    }
    return s + "'";
}

}  // namespace

std::optional<std::string> pandocNative(const std::filesystem::path& rtf) {
    if (!haveTool("pandoc")) return std::nullopt;
    int rc = 0;
    std::string out = runCommand("pandoc -f rtf -t native " + quote(rtf) + " 2>/dev/null", rc);
    if (rc != 0) return std::string("pandoc failed with exit code ") + std::to_string(rc);
    return out;
}

std::optional<std::string> unrtfText(const std::filesystem::path& rtf) {
    if (!haveTool("unrtf")) return std::nullopt;
    int rc = 0;
    std::string out = runCommand("unrtf --text " + quote(rtf) + " 2>/dev/null", rc);
    return out;
}

std::string flatten(const std::string& native) {
    std::string out;
    bool blank = false;
    for (char c : native) {
        if (c == ' ' || c == '\n' || c == '\r' || c == '\t') {
            blank = true;
            continue;
        }
        if (blank && !out.empty()) out += ' ';
        blank = false;
        out += c;
    }
    return out;
}

}  // namespace sw::test
