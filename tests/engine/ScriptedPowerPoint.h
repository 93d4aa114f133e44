#pragma once
#include <fstream>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/automation/AutoObject.h"

// A scripted stand-in for PowerPoint: records every member call as a line
// ("get Version", "set Visible=True", "call Open(/in/a.ppt,False)", ...)
// and fails where it is told to.
struct PowerPointScript {
    std::mutex lock;
    std::vector<std::string> calls;
    int connections = 0;
    bool failVersion = false;
    bool failClose = false;
    std::string versionText = "16.0";
    std::string failOpenFor;  // Open fails for sources containing this
    std::string failSaveFor;  // SaveAs fails for targets containing this

    void Record(const std::string& call) {
        std::lock_guard guard(lock);
        calls.push_back(call);
    }
    std::vector<std::string> Calls() {
        std::lock_guard guard(lock);
        return calls;
    }
};

class ScriptedPresentation : public sw::automation::AutoObject {
public:
    ScriptedPresentation(PowerPointScript& script, std::string source) : script_(script), source_(std::move(source)) {}
    sw::automation::Variant Get(const std::string& name) override {
        script_.Record("get " + name);
        if (name == "HasVBProject") return source_.find("macro") != std::string::npos;
        throw sw::automation::EOleError("Unknown name: " + name);
    }
    void Set(const std::string& name, const sw::automation::Variant&) override {
        throw sw::automation::EOleError("Unknown name: " + name);
    }
    sw::automation::Variant Call(const std::string& name, const std::vector<sw::automation::Variant>& args) override {
        std::string line = "call " + name + "(";
        for (std::size_t i = 0; i < args.size(); ++i) line += (i ? "," : "") + args[i].AsString();
        script_.Record(line + ")");
        if (name == "SaveAs") {
            const std::string target = args.at(0).AsString();
            if (!script_.failSaveFor.empty() && target.find(script_.failSaveFor) != std::string::npos)
                throw sw::automation::EOleError("PowerPoint could not save " + target);
            std::ofstream(target) << "rtf of " << source_;
        } else if (name == "Close" && script_.failClose) {
            throw sw::automation::EOleError("Close failed");
        }
        return {};
    }

private:
    PowerPointScript& script_;
    std::string source_;
};

class ScriptedPresentations : public sw::automation::AutoObject {
public:
    explicit ScriptedPresentations(PowerPointScript& script) : script_(script) {}
    sw::automation::Variant Get(const std::string& name) override {
        throw sw::automation::EOleError("Unknown name: " + name);
    }
    void Set(const std::string& name, const sw::automation::Variant&) override {
        throw sw::automation::EOleError("Unknown name: " + name);
    }
    sw::automation::Variant Call(const std::string& name, const std::vector<sw::automation::Variant>& args) override {
        const std::string source = args.at(0).AsString();
        script_.Record("call " + name + "(" + source + "," + args.at(1).AsString() + ")");
        if (!script_.failOpenFor.empty() && source.find(script_.failOpenFor) != std::string::npos)
            throw sw::automation::EOleError("PowerPoint can't open " + source);
        return std::shared_ptr<sw::automation::AutoObject>(std::make_shared<ScriptedPresentation>(script_, source));
    }

private:
    PowerPointScript& script_;
};

class ScriptedPowerPoint : public sw::automation::AutoObject {
public:
    explicit ScriptedPowerPoint(PowerPointScript& script) : script_(script) {
        std::lock_guard guard(script.lock);
        ++script.connections;
    }
    sw::automation::Variant Get(const std::string& name) override {
        script_.Record("get " + name);
        if (name == "Version") {
            if (script_.failVersion) throw sw::automation::EOleError("Version failed");
            return script_.versionText;
        }
        if (name == "Presentations")
            return std::shared_ptr<sw::automation::AutoObject>(std::make_shared<ScriptedPresentations>(script_));
        if (name == "Path") return "/opt/office";
        throw sw::automation::EOleError("Unknown name: " + name);
    }
    void Set(const std::string& name, const sw::automation::Variant& value) override {
        script_.Record("set " + name + "=" + value.AsString());
    }
    sw::automation::Variant Call(const std::string& name, const std::vector<sw::automation::Variant>&) override {
        script_.Record("call " + name + "()");
        return {};
    }

private:
    PowerPointScript& script_;
};
