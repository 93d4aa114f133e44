#include "app/TkdMain.h"

#include <chrono>
#include <cstdio>
#include <thread>

#include "app/TkdProject.h"
#include "engine/TkdConvertor.h"
#include "platform/TextFile.h"
#include "search/TkdBatch.h"
#include "support/TkdInfo.h"

TkdMain::TkdMain(TkdProject& project, TkdInfo& info) : project_(project), info_(info) {}

TkdMain::~TkdMain() {
    Convertor.reset();  // joins the workers before their batch goes
    Batch.reset();
}

void TkdMain::Run() {
    LogLines.clear();
    if (project_.Target().empty())
        throw TkdRunRefused("no target folder: the project has no Target option (for example -P:Source=/in/*.ppt?,Target=/out/)");

    Batch = std::make_unique<TkdBatch>(project_, Matcher);
    const bool subdir = project_.Subdir();
    const std::string targetDir = project_.TargetDir();
    const std::string source = project_.Source();
    Batch->StartSearch(source, targetDir, subdir);

    Convertor = TkdConvertor::CreateWorkers(*Batch, project_.TargetDir(),
                                            [this](TkdBatch& batch, TkdNode& node) { FileDone(batch, node); });
    RunningWorkers = Convertor->WorkerCount();
    Convertor->Start();
    info_.Tally("C", 0, 1);

    // The workers lower RunningWorkers as they end; a short poll notices the
    // end of the run soon after the last worker, at no real cost.
    while (RunningWorkers.load() > 0) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    Convertor.reset();  // every worker has ended: join the threads
    Report();
}

void TkdMain::Report() {
    info_.Tally("A", 0, Batch->Count());
    info_.Tally("S", 0, Batch->Succeeded());
    info_.Tally("F", 0, Batch->Failed());
    if (Batch->Failed() > 0) info_.FailureReport(Batch->Failures());

    const std::string logFile = project_.Value("LogFile");
    if (!logFile.empty()) sw::platform::WriteTextLines(logFile, LogLines);
}

void TkdMain::FileDone(TkdBatch&, TkdNode& Node) {
    const char* status = Node.Status == 1 ? "Success" : Node.Status == 2 ? "Failure" : "Running";
    std::string line = std::string(status) + " => " + Node.Source + " => " + Node.ResultText;
    std::lock_guard lock(logLock_);
    LogLines.push_back(std::move(line));
}
