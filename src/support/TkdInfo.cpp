#include "support/TkdInfo.h"

#include <cstdio>
#include <filesystem>

#include "app/TextCompare.h"
#include "app/TkdProject.h"
#include "platform/Paths.h"
#include "platform/Shell.h"
#include "platform/TextFile.h"
#include "support/ProductInfo.h"
#include "support/TkdFileUtils.h"

namespace {

std::string WithoutTrailingDelimiter(std::string path) {
    if (path.size() > 1 && path.back() == sw::platform::PathDelim) path.pop_back();
    return path;
}

bool IsCount(const std::string& value) {
    if (value.empty() || value.size() > 10) return false;
    std::size_t i = value[0] == '-' ? 1 : 0;
    if (i == value.size()) return false;
    for (; i < value.size(); ++i)
        if (value[i] < '0' || value[i] > '9') return false;
    return true;
}

std::int64_t ReadCount(const std::string& value) { return IsCount(value) ? std::stoll(value) : 0; }

}  // namespace

TkdInfo::TkdInfo(const TkdApp& app, sw::platform::ProgramFiles files, Opener opener)
    : InstallStamp(TkdFileUtils::FileStamp(WithoutTrailingDelimiter(app.ExeDir), true, true)),
      app_(app),
      files_(std::move(files)),
      opener_(opener ? std::move(opener) : Opener(&sw::platform::ShellOpen)) {
    LoadStore();
    Tally("R", 0, 1);
}

TkdInfo::~TkdInfo() {
    std::lock_guard lock(storeLock_);
    SaveStoreLocked();
}

// --- Pages ---

void TkdInfo::AddParam(std::string& Query, const std::string& Key, const std::string& Value) {
    if (Value.empty()) return;
    if (!Query.empty()) Query += '&';
    Query += Key;
    Query += '=';
    for (char c : Value)
        if (c != '"') Query += c;
}

std::string TkdInfo::Target(const std::string& Kind, const std::string& Action, const std::string& Extra) const {
    const std::string title = Project ? Project->Title : std::string();
    const std::string version = Project ? Project->Version : std::string();
    const std::string shortName = Project ? Project->ShortName : std::string();

    if (Kind == "supports") {
        std::string subjectTitle = title;
        if (auto amp = subjectTitle.find('&'); amp != std::string::npos) subjectTitle.replace(amp, 1, "And");
        return std::string("mailto:") + sw::support::kSupportMail + "?subject=Support required for " + subjectTitle +
               " " + version + " - " + std::to_string(InstallStamp);
    }
    if (Kind == "h") {
        const std::string chm = sw::platform::ChangeFileExt(app_.ExeName, ".chm");
        std::error_code ec;
        if (std::filesystem::exists(chm, ec)) return chm;
        return sw::platform::ChangeFileExt(app_.ExeName, ".pdf");
    }

    std::string address = sw::support::kWebSite;
    if (!Kind.empty()) address += "/en/" + shortName + "/" + Kind + ".htm";
    else if (!Action.empty()) address += "/net/";
    std::string query;
    AddParam(query, "a", Action);
    AddParam(query, "p", shortName);
    AddParam(query, "v", version);
    AddParam(query, "c", CountersText());
    AddParam(query, "i", std::to_string(InstallStamp));
    if (!Extra.empty()) query += "&" + Extra;
    return address + "?" + query;
}

void TkdInfo::OpenPage(const std::string& Kind, const std::string& Action, const std::string& Extra) {
    opener_(Target(Kind, Action, Extra));
}

void TkdInfo::HandleError(const std::string& Message) {
    try {
        Tally("E", 0, 1);
    } catch (...) {
    }
    OpenPage("", "err&e=" + Message, "");
}

std::string TkdInfo::FailureText(const std::vector<std::string>& Failures) {
    std::string text;
    for (std::size_t i = 0; i < Failures.size(); ++i) {
        const std::string& message = Failures[i];
        if (i) text += ',';
        bool quote = false;
        for (unsigned char c : message) quote |= c <= ' ' || c == ',' || c == '"';
        if (!quote) {
            text += message;
            continue;
        }
        text += '"';
        for (char c : message) {
            if (c == '"') text += '"';
            text += c;
        }
        text += '"';
    }
    std::string escaped;
    for (char c : text) {
        if (c == '?') escaped += "%3F";
        else escaped += c;
    }
    return escaped;
}

void TkdInfo::FailureReport(const std::vector<std::string>& Failures) {
    OpenPage("", "err&e=" + FailureText(Failures), "");
}

// --- Counters ---

std::string TkdInfo::StoreFileName() const {
    return files_.Beside(sw::platform::ChangeFileExt(app_.ExeName, ".ext"));
}

std::string& TkdInfo::Entry(const std::string& Name) {
    for (auto& [name, value] : store_)
        if (SameText(name, Name)) return value;
    store_.emplace_back(Name, std::string());
    return store_.back().second;
}

std::string TkdInfo::StoreValue(const std::string& Name) const {
    std::lock_guard lock(storeLock_);
    for (const auto& [name, value] : store_)
        if (SameText(name, Name)) return value;
    return {};
}

std::vector<std::string> TkdInfo::StoreLines() const {
    std::lock_guard lock(storeLock_);
    std::vector<std::string> lines;
    for (const auto& [name, value] : store_) lines.push_back(name + "=" + value);
    return lines;
}

std::string TkdInfo::CountersText() const {
    std::lock_guard lock(storeLock_);
    std::string text;
    for (const auto& [name, value] : store_) {
        if (name.empty() || name[0] < 'A' || name[0] > 'Z') continue;
        text += static_cast<char>(name[0] - 'A' + 'a');
        text += value;
    }
    return text;
}

void TkdInfo::LoadStore() {
    std::vector<std::pair<std::string, std::string>> loaded;
    try {
        // The counters are kept as plain Name=Value lines. Anything else (a
        // file edited by hand into another shape) starts a fresh store.
        for (const std::string& line : sw::platform::SplitLines(TkdFileUtils::ReadText(StoreFileName(), 1))) {
            auto eq = line.find('=');
            if (eq == std::string::npos || eq == 0 || !IsCount(line.substr(eq + 1))) throw std::runtime_error("corrupt");
            loaded.emplace_back(line.substr(0, eq), line.substr(eq + 1));
        }
        bool hasStarts = false;
        for (const auto& entry : loaded) hasStarts |= SameText(entry.first, "R") && !entry.second.empty();
        if (!hasStarts) loaded.clear();
    } catch (...) {
        loaded.clear();
    }
    std::lock_guard lock(storeLock_);
    store_ = std::move(loaded);
    Entry("v") = "2";
}

void TkdInfo::SaveStoreLocked() const {
    try {
        const std::string path = StoreFileName();
        std::error_code ec;
        std::filesystem::permissions(path, std::filesystem::perms::owner_write, std::filesystem::perm_options::add, ec);
        std::string text;
        for (const auto& [name, value] : store_) text += name + "=" + value + "\r\n";
        TkdFileUtils::WriteText(path, text, 1, false);
    } catch (...) {
        // Counting is best effort: a read-only folder or a full disk must
        // neither stop the program at start-up nor fail a run.
    }
}

void TkdInfo::SaveStore() {
    std::lock_guard lock(storeLock_);
    SaveStoreLocked();
}

void TkdInfo::Tally(const std::string& Key, std::int32_t Value, std::int32_t Delta) {
    std::lock_guard lock(storeLock_);
    std::string& stored = Entry(Key);
    const std::int64_t count = Value > 0 ? Value : ReadCount(stored) + Delta;
    const std::string text = std::to_string(count);
    if (text == stored) return;
    stored = text;
    SaveStoreLocked();
}
