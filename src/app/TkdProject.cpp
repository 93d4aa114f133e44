#include "app/TkdProject.h"

#include <cctype>
#include <climits>
#include <filesystem>
#include <system_error>

#include "app/TextCompare.h"
#include "app/TkdPropList.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

namespace {

// The name part of an option line, or nothing for a line without "=".
bool LineHasKey(const std::string& line, const std::string& key) {
    auto eq = line.find('=');
    return eq != std::string::npos && SameText(std::string_view(line).substr(0, eq), key);
}

// "-X" is always a switch, and so is "/X" on Windows; but on Linux every
// absolute path begins with "/". So "/X" counts as a switch only for the
// letters the program knows (P, I, U) and only when it names no existing
// folder or file ("/usr/..." is a path); anything else is a path.
bool IsSwitch(const std::string& arg) {
    if (arg[0] == '-') return true;
    if (arg[0] != '/') return false;
    const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(arg[1])));
    if (letter != 'P' && letter != 'I' && letter != 'U') return false;
    std::error_code ec;
    const std::string first = arg.substr(0, arg.find('/', 1));
    return !std::filesystem::is_directory(first, ec) && !std::filesystem::exists(arg, ec);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A whole number in the usual number format: optional blanks and sign,
// digits with an optional fraction and exponent, nothing after.
bool ReadNumber(const std::string& text, bool& nonZero) {
    std::size_t i = 0, n = text.size();
    while (i < n && text[i] == ' ') ++i;
    if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
    bool digits = false;
    nonZero = false;
    while (i < n && IsDigit(text[i])) { digits = true; nonZero |= text[i] != '0'; ++i; }
    if (i < n && text[i] == '.') {
        ++i;
        while (i < n && IsDigit(text[i])) { digits = true; nonZero |= text[i] != '0'; ++i; }
    }
    if (!digits) return false;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
        if (i >= n || !IsDigit(text[i])) return false;
        while (i < n && IsDigit(text[i])) ++i;
    }
    return i == n;
}

}  // namespace

bool ReadYesNo(const std::string& Text, bool Default) {
    bool nonZero = false;
    if (ReadNumber(Text, nonZero)) return nonZero;
    if (SameText(Text, "True")) return true;
    if (SameText(Text, "False")) return false;
    return Default;
}

int ReadInteger(const std::string& Text, int Default) {
    std::size_t i = 0, n = Text.size();
    while (i < n && Text[i] == ' ') ++i;
    bool negative = false;
    if (i < n && (Text[i] == '+' || Text[i] == '-')) negative = Text[i++] == '-';
    int base = 10;
    if (i < n && (Text[i] == '$' || Text[i] == 'x' || Text[i] == 'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < n && Text[i] == '0' && (Text[i + 1] == 'x' || Text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i >= n) return Default;
    long long value = 0;
    for (; i < n; ++i) {
        int digit;
        char c = Text[i];
        if (IsDigit(c)) digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        else return Default;
        value = value * base + digit;
        if (value > static_cast<long long>(INT_MAX) + 1) return Default;
    }
    if (negative) value = -value;
    if (value > INT_MAX || value < INT_MIN) return Default;
    return static_cast<int>(value);
}

TkdProject::TkdProject(const TkdApp& app, sw::platform::ProgramFiles files) : app_(app), files_(std::move(files)) {
    LoadRecent();
}

TkdProject::~TkdProject() {
    UnbindControls();
    SaveRecent();
}

// --- The options list ---

std::string TkdProject::Value(const std::string& Key) const {
    std::lock_guard lock(optionsLock_);
    for (const auto& line : options_)
        if (LineHasKey(line, Key)) return line.substr(line.find('=') + 1);
    return {};
}

void TkdProject::SetValue(const std::string& Key, const std::string& Value) {
    std::lock_guard lock(optionsLock_);
    for (auto it = options_.begin(); it != options_.end(); ++it) {
        if (!LineHasKey(*it, Key)) continue;
        if (Value.empty()) options_.erase(it);
        else *it = Key + "=" + Value;
        return;
    }
    if (!Value.empty()) options_.push_back(Key + "=" + Value);
}

std::string TkdProject::OptionsText() const {
    std::lock_guard lock(optionsLock_);
    return sw::platform::JoinLines(options_);
}

void TkdProject::SetOptionsText(const std::string& Text) {
    auto lines = sw::platform::SplitLines(Text);
    std::lock_guard lock(optionsLock_);
    options_.swap(lines);
}

std::vector<std::string> TkdProject::OptionLines() const {
    std::lock_guard lock(optionsLock_);
    return options_;
}

// --- Typed getters ---

bool TkdProject::BoolValue(const std::string& Key, bool Default) const { return ReadYesNo(Value(Key), Default); }
int TkdProject::IntValue(const std::string& Key, int Default) const { return ReadInteger(Value(Key), Default); }

std::string TkdProject::Source() const { return Value("Source"); }
std::string TkdProject::Target() const { return Value("Target"); }
bool TkdProject::Subdir() const { return BoolValue("Subdir", false); }
bool TkdProject::KeepTargetSubdirs() const { return BoolValue("KeepTargetSubdirs", true); }
bool TkdProject::KeepFileTime() const { return BoolValue("KeepFileTime", false); }
bool TkdProject::DeleteSource() const { return BoolValue("DeleteSource", false); }
bool TkdProject::MacroEnabled() const { return BoolValue("MacroEnabled", false); }
bool TkdProject::PureConsole() const { return BoolValue("PureConsole", false); }
std::string TkdProject::RenameSource() const { return Value("RenameSource"); }
int TkdProject::ThreadsCount() const { return IntValue("ThreadsCount", 1); }
int TkdProject::Daemon() const { return IntValue("Daemon", 0); }

TkdOverwrite TkdProject::Overwrite() const {
    const std::string value = Value("IsOverwrite");
    if (SameText(value, "skip")) return TkdOverwrite::Skip;
    return ReadYesNo(value, OverwriteDefault) ? TkdOverwrite::Yes : TkdOverwrite::No;
}

bool TkdProject::AutoRun() const {
    return BoolValue("RunAndClose", false) || PureConsole() || Daemon() > 0;
}

std::string TkdProject::TargetDir() const {
    std::string target = Target();
    if (target.empty()) return {};  // callers refuse an empty target before they get here
    std::error_code ec;
    if (!std::filesystem::is_directory(target, ec)) std::filesystem::create_directories(target, ec);
    if (target.back() != PathDelim) target += PathDelim;
    return target;
}

// --- Project files and the command line ---

std::string TkdProject::RecentFileName() const { return files_.Beside(app_.ExeName + ".log"); }

std::string TkdProject::DefaultProjectFile() const {
    return files_.Beside(sw::platform::ChangeFileExt(app_.ExeName, ProjectExt));
}

bool TkdProject::ParseCommandLine() {
    const std::string& arg = app_.FirstArg;
    if (arg.size() >= 2) {
        if (IsSwitch(arg)) {
            char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(arg[1])));
            if (letter == 'I') {
                if (PageOpener) PageOpener->OpenPage("", "ins", arg.substr(2));
                return true;
            }
            if (letter == 'U') {
                if (PageOpener) PageOpener->OpenPage("", "uni", "");
                return true;
            }
            if (letter == 'P') {
                std::string text = arg.substr(2);
                if (!text.empty() && text[0] == ':') text.erase(0, 1);
                std::string lines;
                for (char c : text) {
                    if (c == ',' || c == ';') lines += "\r\n";
                    else lines += c;
                }
                CommandOptions = lines;
            }
        } else {
            ProjectFile = arg;  // OpenProject tells a project file from a source path
        }
    }
    OpenDefault();
    return false;
}

void TkdProject::OpenDefault() {
    if (ProjectFile.empty() && CommandOptions.empty()) ProjectFile = DefaultProjectFile();
    OpenProject(true);
}

void TkdProject::OpenProject(bool Silent) {
    if (!Silent) {
        if (!Dialogs) return;
        std::string name = ProjectFile;
        if (!Dialogs->OpenFiles(ProjectFilter + "|" + SourceFilter, name, false)) return;
        ProjectFile = name;
    }
    const std::string path = ProjectFile;
    if (IsProjectFile(path)) {
        try {
            SetOptionsText(sw::platform::ReadTextFile(path));
            AddRecent();
        } catch (...) {
            // A missing or unreadable project leaves the options as they were.
        }
    } else if (!CommandOptions.empty()) {
        ProjectFile.clear();
        SetOptionsText(CommandOptions);
        if (AutoTarget && Target().empty()) SetValue("Target", sw::platform::FolderPart(Source()));
    } else {
        ProjectFile.clear();
        SetValue("Source", path);
        if (AutoTarget && Target().empty()) SetValue("Target", sw::platform::FolderPart(path));
    }
    ApplyToControls();
}

void TkdProject::NewProject() {
    ProjectFile.clear();
    SetOptionsText("");
    ApplyToControls();
}

void TkdProject::SaveProject() {
    if (!ProjectFile.empty()) StoreOptions(true);
    else SaveProjectAs();
}

void TkdProject::SaveProjectAs() {
    if (!Dialogs) return;
    std::string name = ProjectFile;
    if (!Dialogs->SaveFile(ProjectFilter, ProjectExt, name)) return;
    ProjectFile = name;
    StoreOptions(true);
}

void TkdProject::StoreOptions(bool WriteFile) {
    CollectFromControls();
    if (!WriteFile) return;
    sw::platform::WriteTextLines(ProjectFile, OptionLines());  // errors go to the caller
    AddRecent();
}

bool TkdProject::IsProjectFile(const std::string& Path) const {
    return !Path.empty() && !ProjectExt.empty() && Path.ends_with(ProjectExt);
}

void TkdProject::AddRecent() {
    for (const auto& recent : RecentProjects)
        if (SameText(recent, ProjectFile)) return;
    RecentProjects.insert(RecentProjects.begin(), ProjectFile);
}

void TkdProject::LoadRecent() {
    try {
        const std::string name = RecentFileName();
        std::error_code ec;
        if (std::filesystem::is_regular_file(name, ec))
            RecentProjects = sw::platform::SplitLines(sw::platform::ReadTextFile(name));
    } catch (...) {
        RecentProjects.clear();
    }
}

void TkdProject::SaveRecent() const {
    try {
        sw::platform::WriteTextLines(RecentFileName(), RecentProjects);
    } catch (...) {
        // The recent list is a convenience: failing to keep it is silent.
    }
}

// --- Control binding ---

TkdPropList& TkdProject::AccessorOf(TkdBindable& Control) {
    const auto tag = Control.Tag();
    if (tag > 0 && static_cast<std::size_t>(tag) <= accessors_.size()) return *accessors_[static_cast<std::size_t>(tag) - 1];
    accessors_.push_back(std::make_unique<TkdPropList>(Control));
    Control.SetTag(static_cast<std::intptr_t>(accessors_.size()));
    return *accessors_.back();
}

void TkdProject::BindControl(TkdBindable& Control) { boundControls_.push_back(&Control); }

void TkdProject::ApplyToControls() {
    for (TkdBindable* control : boundControls_) {
        TkdPropList& accessor = AccessorOf(*control);
        const std::string name = control->Name();
        const std::string hint = control->Hint();
        std::string value = Value(name.substr(name.empty() ? 0 : 1));
        if (value.empty()) {
            // Projects of older versions stored the value as "control.property".
            const std::string older = name + "." + hint;
            value = Value(older);
            SetValue(older, "");
        }
        accessor.WriteProp(hint, value);
    }
}

void TkdProject::CollectFromControls() {
    for (TkdBindable* control : boundControls_) {
        TkdPropList& accessor = AccessorOf(*control);
        const std::string name = control->Name();
        SetValue(name.substr(name.empty() ? 0 : 1), accessor.ReadProp(control->Hint()));
    }
}

void TkdProject::UnbindControls() {
    for (TkdBindable* control : boundControls_)
        if (control->Tag() > 0) control->SetTag(-1);
}
