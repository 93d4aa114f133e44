#pragma once
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "app/TkdApp.h"
#include "app/TkdBindable.h"
#include "app/TkdConvertorClass.h"
#include "app/TkdProjectServices.h"
#include "platform/ProgramFiles.h"

class TkdPropList;

// The three answers of the IsOverwrite option.
enum class TkdOverwrite { Yes, No, Skip };

// The batch project: the options list (Name=Value lines), the converter
// identity, the project file, the recent-project list and the command line.
// Every single read or change of the options takes the options lock, because
// the search thread and the workers read options while the main thread may
// change them. Everything else is touched by the main thread only.
class TkdProject {
public:
    TkdProject(const TkdApp& app, sw::platform::ProgramFiles files);
    ~TkdProject();  // unbinds controls and writes the recent-project file
    TkdProject(const TkdProject&) = delete;
    TkdProject& operator=(const TkdProject&) = delete;

    // --- Converter identity (written once at start-up) ---
    TkdConvertorClass ConvertorClass;
    bool AutoTarget = true;
    bool OverwriteDefault = true;
    std::string ProjectExt;
    std::string ProjectFilter;
    std::string ProjectFile;
    std::vector<std::string> RecentProjects;
    std::string CommandOptions;
    std::string ShortName;
    char PathDelim = '/';
    std::string Title;
    std::string SourceFilter;
    std::string SourceMask;
    std::string TargetExt;
    std::string AltTargetExt;
    std::string MacroTargetExt;
    std::string Version;

    // Dialogs and the notices' page opener; may be null (then Open and Save
    // As with a dialog do nothing, and the notices open nothing).
    TkdProjectDialogs* Dialogs = nullptr;
    TkdPageOpener* PageOpener = nullptr;
    // The usage counters the workers tally into (the PowerPoint version); may be null.
    TkdUsageCounter* Counters = nullptr;

    // --- The options list ---
    // Generic lookup: first line whose name equals Key (any letter case); "" when absent.
    std::string Value(const std::string& Key) const;
    // Non-empty: rewrite the first matching line as Key=Value, or append.
    // Empty: delete the first matching line.
    void SetValue(const std::string& Key, const std::string& Value);
    // Whole text of the options, lines joined by CR LF (with one after the last).
    std::string OptionsText() const;
    // Replaces every line, splitting at CR LF, lone CR and lone LF.
    void SetOptionsText(const std::string& Text);
    std::vector<std::string> OptionLines() const;

    // --- Typed getters, reading the options afresh at every call ---
    std::string Source() const;
    std::string Target() const;
    bool Subdir() const;
    bool KeepTargetSubdirs() const;
    bool KeepFileTime() const;
    bool DeleteSource() const;
    bool MacroEnabled() const;
    bool PureConsole() const;
    std::string RenameSource() const;
    int ThreadsCount() const;
    int Daemon() const;
    TkdOverwrite Overwrite() const;
    bool AutoRun() const;
    // Target with a trailing delimiter; creates the folder with its parents
    // when missing (failures ignored). An empty Target gives "".
    std::string TargetDir() const;
    // Reads any key as yes/no or integer with the given default.
    bool BoolValue(const std::string& Key, bool Default) const;
    int IntValue(const std::string& Key, int Default) const;

    // --- Project files and the command line ---
    // Returns true when the process must end now ("-I", "-U").
    bool ParseCommandLine();
    void OpenDefault();
    void OpenProject(bool Silent);
    void NewProject();
    void SaveProject();
    void SaveProjectAs();
    void StoreOptions(bool WriteFile);
    bool IsProjectFile(const std::string& Path) const;
    void AddRecent();
    std::string RecentFileName() const;
    std::string DefaultProjectFile() const;

    // --- Control binding ---
    void BindControl(TkdBindable& Control);
    void ApplyToControls();
    void CollectFromControls();
    void UnbindControls();

private:
    TkdPropList& AccessorOf(TkdBindable& Control);
    void LoadRecent();
    void SaveRecent() const;

    const TkdApp& app_;
    sw::platform::ProgramFiles files_;
    mutable std::mutex optionsLock_;
    std::vector<std::string> options_;
    std::vector<TkdBindable*> boundControls_;
    std::vector<std::unique_ptr<TkdPropList>> accessors_;  // Tag n > 0 is accessors_[n - 1]
};

// Readers of typed option text (shared by every key of the type).
// yes/no: a number (non-zero is yes) or "True"/"False" in any letter case.
bool ReadYesNo(const std::string& Text, bool Default);
// integer: blanks, optional sign, decimal or hex after "$", "x" or "0x".
int ReadInteger(const std::string& Text, int Default);
