#include "engine/TkdConvertor.h"

#include <stdexcept>

#include "app/TextCompare.h"
#include "app/TkdProject.h"
#include "platform/Dispatcher.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "search/TkdBatch.h"
#include "search/TkdNode.h"

namespace fs = sw::platform;

std::atomic<int> RunningWorkers{0};

TkdConvertor::TkdConvertor(TkdBatch& Batch, int Count, const TkdEntryCallback& OnConverted)
    : TkdWorkBase(Batch), OnConverted(OnConverted), workerCount_(Count < 1 ? 1 : Count) {
    if (Count > 1) {
        // The project's class, not this instance's own, builds the rest.
        const TkdConvertorClass& create = Batch.Project().ConvertorClass;
        if (!create) throw std::logic_error("No converter class is set");
        next_ = create(Batch, Count - 1, OnConverted);
    }
}

TkdConvertor::~TkdConvertor() {
    // Every worker winds down at once; then each is joined as it goes.
    Abandon();
}

std::unique_ptr<TkdConvertor> TkdConvertor::CreateWorkers(TkdBatch& Batch, const std::string& TargetFolder,
                                                          const TkdEntryCallback& OnConverted) {
    Batch.SetTarget(TkdBatch::FileUrlToPath(TargetFolder));
    TkdProject& project = Batch.Project();
    if (!project.ConvertorClass) throw std::logic_error("No converter class is set");
    return project.ConvertorClass(Batch, project.ThreadsCount(), OnConverted);
}

TkdProject& TkdConvertor::Project() const { return Batch().Project(); }

void TkdConvertor::Start() {
    for (TkdConvertor* worker = this; worker; worker = worker->next_.get()) {
        try {
            worker->Resume();
        } catch (...) {
            // No thread could be made: the workers from here on never run,
            // so they will never lower RunningWorkers; an owner waiting for
            // it to reach 0 must not wait for them.
            Batch().LockList();
            RunningWorkers -= worker->WorkerCount();
            Batch().UnlockList();
            throw;
        }
    }
}

void TkdConvertor::Stop() {
    try {
        if (next_) next_->Stop();
        Terminate();
    } catch (...) {
    }
}

void TkdConvertor::Abandon() {
    if (next_) next_->Abandon();
    TkdWorkBase::Abandon();
}

void TkdConvertor::SetOnFinish(std::function<void()> Handler, sw::platform::Dispatcher* Dispatcher) {
    if (Handler && !Dispatcher)
        throw std::invalid_argument("OnFinish needs a dispatcher to reach the owner's thread");
    for (TkdConvertor* worker = this; worker; worker = worker->next_.get()) {
        worker->onFinish_ = Handler;
        worker->dispatcher_ = Dispatcher;
    }
}

void TkdConvertor::ProcessEntry() {
    ownerTold_ = false;
    ConvertFile(Batch(), *Current);
    ownerTold_ = true;
    if (OnConverted) OnConverted(Batch(), *Current);
}

void TkdConvertor::EntryError(TkdNode& Node, const std::string& Message) {
    TkdWorkBase::EntryError(Node, Message);
    if (ownerTold_ || !OnConverted) return;
    ownerTold_ = true;
    try {
        OnConverted(Batch(), Node);
    } catch (...) {
        Batch().ReportFailure(CurrentErrorMessage());
    }
}

void TkdConvertor::WorkerEnding() {
    // A released worker's owner is going away; it is not called back.
    if (onFinish_ && !Abandoned()) {
        try {
            dispatcher_->RunAndWait(onFinish_);
        } catch (...) {
            // The owner's handler failed; the count below must still go down.
        }
    }
    Batch().LockList();
    RunningWorkers.fetch_sub(1);
    Batch().UnlockList();
}

void TkdConvertor::ConvertFile(TkdBatch&, TkdNode&) {}

std::string TkdConvertor::AdjustTarget(const std::string& Target) { return Target; }

std::string TkdConvertor::ApplicationPath() { return {}; }

bool TkdConvertor::HasMacros() { return true; }

std::string TkdConvertor::BuildTarget(TkdBatch& Batch, TkdNode& Node) {
    TkdProject& project = Project();

    // 1. The path below the search folder, or the bare file name.
    std::string relative;
    const std::string folder = Batch.Folder();
    if (project.KeepTargetSubdirs() && !folder.empty())
        relative = Node.Source.substr(std::min(folder.size(), Node.Source.size()));
    else
        relative = fs::FileNamePart(Node.Source);
    // 2. Characters a Windows share would refuse; "/" keeps the sub-folders.
    for (char& c : relative)
        if (c == ':' || c == '\\') c = '_';

    // 3. and 4. Under the target folder, with the output extension.
    std::string target = Batch.Target() + relative;
    if (!project.TargetExt.empty()) {
        if (project.AltTargetExt.empty()) {
            target = fs::ChangeFileExt(target, project.TargetExt);
        } else {
            const std::string ext = fs::ExtractFileExt(target);
            if (SameText(ext, project.AltTargetExt) || SameText(ext, project.MacroTargetExt))
                target = fs::ChangeFileExt(target, project.TargetExt);
            else if (project.MacroEnabled() && HasMacros())
                target = fs::ChangeFileExt(target, project.MacroTargetExt);
            else
                target = fs::ChangeFileExt(target, project.AltTargetExt);
        }
    }

    // 5. The converter's last say.
    target = AdjustTarget(target);

    // 6. The target folder; the entry goes on when it cannot be made, and its
    // save then fails with its own message.
    const std::string dir = fs::FolderPart(target);
    if (!dir.empty() && !fs::DirectoryExists(dir) && !fs::CreateDirectories(dir))
        Batch.ReportFailure("CreateDir Failed: " + dir);

    // 7. and 8. An existing target, by the overwrite rule.
    if (!fs::FileExists(target)) return target;
    switch (project.Overwrite()) {
        case TkdOverwrite::No:
            return dir + "-" + project.ShortName + "-" + fs::FileNamePart(target);
        case TkdOverwrite::Skip:
            Node.Status = 1;
            return {};
        case TkdOverwrite::Yes:
            break;
    }
    return target;
}

void TkdConvertor::AfterConvert(TkdBatch&, TkdNode& Node, const std::string& Target) {
    TkdProject& project = Project();
    // Each step is best effort: the entry stays a success whatever they do.
    if (project.KeepFileTime()) fs::CopyFileTimes(Node.Source, Target);
    bool deleted = project.DeleteSource() && fs::DeleteFile(Node.Source);
    const std::string suffix = project.RenameSource();
    // After a delete there is nothing left to rename. An existing file of the
    // new name is never replaced.
    if (!suffix.empty() && !deleted) fs::MoveFileNoReplace(Node.Source, Node.Source + suffix);
}

void TkdConvertor::DeleteTarget(const std::string& Target) { fs::DeleteFile(Target); }
