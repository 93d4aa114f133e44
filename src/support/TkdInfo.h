#pragma once
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "app/TkdApp.h"
#include "app/TkdProjectServices.h"
#include "platform/ProgramFiles.h"

class TkdProject;

// The support services: help, the product's web pages and the support mail,
// all opened through the shell; the usage counters with their file; the
// failure report, the error report and the install and uninstall notices.
class TkdInfo : public TkdPageOpener, public TkdUsageCounter {
public:
    // Hands a finished target to the shell; tests replace it.
    using Opener = std::function<void(const std::string& Target)>;

    // Loads the counters and counts the program start ("R").
    TkdInfo(const TkdApp& app, sw::platform::ProgramFiles files, Opener opener = {});
    ~TkdInfo() override;  // saves the counters
    TkdInfo(const TkdInfo&) = delete;
    TkdInfo& operator=(const TkdInfo&) = delete;

    // The project whose Title, Version and ShortName go into addresses; set
    // once the project exists.
    const TkdProject* Project = nullptr;
    const std::int32_t InstallStamp;

    void OpenPage(const std::string& Kind, const std::string& Action, const std::string& Extra) override;
    // Sets (Value > 0) or raises a counter and saves the counters when they
    // changed. Counting is best effort: a file that cannot be written is passed over.
    void Tally(const std::string& Key, std::int32_t Value, std::int32_t Delta) override;
    // The application-wide handler of errors that leave an event handler.
    void HandleError(const std::string& Message);
    // The report page for the distinct failure messages of a run.
    void FailureReport(const std::vector<std::string>& Failures);

    std::string StoreFileName() const;
    void LoadStore();
    void SaveStore();
    // The counters as "r12c4a37": first letter in lower case, then the value.
    std::string CountersText() const;
    std::vector<std::string> StoreLines() const;
    std::string StoreValue(const std::string& Name) const;

    static void AddParam(std::string& Query, const std::string& Key, const std::string& Value);
    // The failure messages as one line for the report address.
    static std::string FailureText(const std::vector<std::string>& Failures);

private:
    std::string Target(const std::string& Kind, const std::string& Action, const std::string& Extra) const;
    std::string& Entry(const std::string& Name);
    void SaveStoreLocked() const;

    const TkdApp& app_;
    sw::platform::ProgramFiles files_;
    Opener opener_;
    mutable std::mutex storeLock_;
    std::vector<std::pair<std::string, std::string>> store_;
};
