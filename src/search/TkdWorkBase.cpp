#include "search/TkdWorkBase.h"

#include <exception>

#include "search/TkdBatch.h"

std::string CurrentErrorMessage() {
    try {
        throw;
    } catch (const std::exception& error) {
        return error.what();
    } catch (...) {
        return "Unknown error";
    }
}

TkdWorkBase::TkdWorkBase(TkdBatch& Batch) : batch_(Batch) {}

TkdWorkBase::~TkdWorkBase() { ReleaseThread(); }

void TkdWorkBase::Resume() {
    if (started_) return;
    thread_ = std::thread(&TkdWorkBase::ThreadMain, this);
    started_ = true;
}

void TkdWorkBase::Abandon() {
    Terminate();
    abandoned_.store(true);
    batch_.WakeWaiters();
}

void TkdWorkBase::WaitFor() {
    if (thread_.joinable()) thread_.join();
}

void TkdWorkBase::ReleaseThread() {
    if (!thread_.joinable()) return;
    Abandon();
    WaitFor();
}

void TkdWorkBase::ThreadMain() {
    Execute();
    try {
        WorkerEnding();
    } catch (...) {
        // An override broke its promise; an error must not leave a thread.
    }
    ended_.store(true);
}

void TkdWorkBase::Execute() {
    while (!Terminated()) {
        Current = batch_.NextEntry(&abandoned_);
        if (!Current) {
            Terminate();  // used up (or abandoned while waiting)
            break;
        }
        try {
            ProcessEntry();
        } catch (...) {
            std::string message = CurrentErrorMessage();
            try {
                EntryError(*Current, message);
            } catch (...) {
                // Out of memory while reporting: nothing more can be done for
                // this entry, and the next one may still go well.
            }
        }
    }
    Current = nullptr;
}

void TkdWorkBase::ProcessEntry() {}

void TkdWorkBase::EntryError(TkdNode& Node, const std::string& Message) {
    if (Node.Status == 0) {
        Node.Status = 2;
        Node.ResultText = Message;
    }
    batch_.ReportFailure(Message);
}

void TkdWorkBase::WorkerEnding() {}
