#pragma once
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>
#include <vector>

class TkdBatch;
class TkdConvertor;
class TkdInfo;
class TkdMatchBase;
class TkdNode;
class TkdProject;

// A run that cannot start (no target folder). Nothing was searched, created
// or converted; the program says why and ends with exit code 2.
class TkdRunRefused : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The unattended run: searches the project's source, converts every file
// found on the configured number of workers, waits for the last one, updates
// the usage counters, makes the failure report and writes the log file.
class TkdMain {
public:
    TkdMain(TkdProject& project, TkdInfo& info);
    ~TkdMain();

    // The matcher of the search (the process-wide one, made after this object).
    const TkdMatchBase* Matcher = nullptr;

    // The whole run. Throws TkdRunRefused for an empty target, and passes on
    // the error of a log file that cannot be written (after everything was
    // converted and counted).
    void Run();
    // One line per finished file, in finishing order; called on the workers' threads.
    void FileDone(TkdBatch& Batch, TkdNode& Node);

    std::unique_ptr<TkdBatch> Batch;
    std::unique_ptr<TkdConvertor> Convertor;
    std::vector<std::string> LogLines;

private:
    void Report();

    TkdProject& project_;
    TkdInfo& info_;
    std::mutex logLock_;
};
