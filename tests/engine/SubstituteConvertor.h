#pragma once
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <fstream>
#include <map>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "TempDir.h"
#include "app/TkdApp.h"
#include "app/TkdProject.h"
#include "engine/TkdConvertor.h"
#include "platform/Dispatcher.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "platform/ProgramFiles.h"
#include "search/TkdBatch.h"
#include "search/TkdMatch.h"

// What the substitute converter does, shared by every worker of a chain.
struct ConverterScript {
    std::mutex lock;
    std::condition_variable changed;
    bool gateOpen = true;      // closed: each conversion waits at the gate
    int atGate = 0;
    std::map<std::string, int> conversions;  // source -> times converted
    int factoryCalls = 0;

    void WaitAtGate() {
        std::unique_lock guard(lock);
        ++atGate;
        changed.notify_all();
        changed.wait(guard, [&] { return gateOpen; });
        --atGate;
    }
    void SetGate(bool open) {
        std::lock_guard guard(lock);
        gateOpen = open;
        changed.notify_all();
    }
    void WaitUntilAtGate(int count) {
        std::unique_lock guard(lock);
        changed.wait(guard, [&] { return atGate >= count; });
    }
    void Converted(const std::string& source) {
        std::lock_guard guard(lock);
        ++conversions[source];
    }
};

// A converter of the tests' own: writes a small file to the target. Sources
// whose name holds "FAIL" fail inside the conversion (as a real converter
// reports its errors); "ESCAPE" throws out of ConvertFile; a missing source
// fails with a message naming it.
class SubstituteConvertor : public TkdConvertor {
public:
    using TkdConvertor::TkdConvertor;
    using TkdConvertor::AfterConvert;
    using TkdConvertor::BuildTarget;
    ConverterScript* script = nullptr;

protected:
    void ConvertFile(TkdBatch& batch, TkdNode& node) override {
        std::string target = BuildTarget(batch, node);
        if (target.empty()) return;
        if (node.Source.find("ESCAPE") != std::string::npos) throw std::runtime_error("Escaped: " + node.Source);
        try {
            script->WaitAtGate();
            if (!sw::platform::FileExists(node.Source)) throw std::runtime_error("File not found: " + node.Source);
            if (node.Source.find("FAIL") != std::string::npos)
                throw std::runtime_error("Cannot convert " + node.Source);
            DeleteTarget(target);
            std::ofstream out(target, std::ios::binary);
            out << "converted " << node.Source;
            out.close();
            if (!out) throw std::runtime_error("Cannot write " + target);
            script->Converted(node.Source);
            AfterConvert(batch, node, target);
            node.ResultText = target;
            node.Status = 1;
            batch.ReportSuccess();
        } catch (const std::exception& error) {
            node.ResultText = error.what();
            node.Status = 2;
            batch.ReportFailure(error.what());
        }
    }
};

// Runs calls on the test's own thread, which pumps them, as a window's main
// thread would.
class PumpedDispatcher : public sw::platform::Dispatcher {
public:
    void RunAndWait(const std::function<void()>& call) override {
        std::unique_lock guard(lock_);
        const long ticket = ++posted_;
        queue_.push_back(&call);
        changed_.notify_all();
        changed_.wait(guard, [&] { return done_ >= ticket; });
    }
    // Serves calls until `count` have run in all.
    void Pump(long count) {
        std::unique_lock guard(lock_);
        while (done_ < count) {
            changed_.wait(guard, [&] { return !queue_.empty(); });
            const auto* call = queue_.front();
            queue_.erase(queue_.begin());
            guard.unlock();
            (*call)();
            guard.lock();
            ++done_;
            changed_.notify_all();
        }
    }

private:
    std::mutex lock_;
    std::condition_variable changed_;
    std::vector<const std::function<void()>*> queue_;
    long posted_ = 0;
    long done_ = 0;
};

class ConvertorFixture : public ::testing::Test {
protected:
    void SetUp() override {
        SkipLockFiles = true;
        project.ConvertorClass = [this](TkdBatch& batch, int count, const TkdEntryCallback& onConverted) {
            {
                std::lock_guard guard(script.lock);
                ++script.factoryCalls;
            }
            auto worker = TkdConvertor::Create<SubstituteConvertor>(batch, count, onConverted);
            static_cast<SubstituteConvertor&>(*worker).script = &script;
            return worker;
        };
        project.TargetExt = ".rtf";
        project.ShortName = "pres2doc";
        RunningWorkers = 0;
    }
    void TearDown() override { SkipLockFiles = false; }

    std::string In() const { return tree.dir() + "in/"; }
    std::string Out() const { return tree.dir() + "out/"; }
    std::string File(const std::string& relative) const { return tree.write("in/" + relative, "deck").string(); }

    // Searches In() and converts what it lists, the unattended way: waits for
    // RunningWorkers to reach 0. Returns the batch for inspection.
    std::unique_ptr<TkdBatch> Run(const std::string& mask = "*.ppt?", bool subfolders = true) {
        auto batch = std::make_unique<TkdBatch>(project, &matcher);
        batch->StartSearch(In() + mask, Out(), subfolders);
        auto chain = TkdConvertor::CreateWorkers(*batch, Out(), Recorder());
        RunningWorkers = chain->WorkerCount();
        chain->Start();
        WaitForRunningWorkers();
        return batch;
    }
    TkdEntryCallback Recorder() {
        return [this](TkdBatch&, TkdNode& node) {
            std::lock_guard guard(told_lock);
            told.push_back(node.Source);
        };
    }
    static void WaitForRunningWorkers() {
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (RunningWorkers > 0) {
            ASSERT_LT(std::chrono::steady_clock::now(), deadline) << "workers never ended";
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }

    sw::test::TempDir programFiles;
    sw::test::TempDir tree;
    TkdApp app{"/some/dir/slidewright", ""};
    TkdProject project{app, sw::platform::ProgramFiles(app.ExeName, programFiles.dir())};
    TkdMatch matcher;
    ConverterScript script;
    std::mutex told_lock;
    std::vector<std::string> told;  // sources, in OnConverted order
};

using Names = std::vector<std::string>;
