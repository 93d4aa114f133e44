#include "engine/BuiltinPowerPoint.h"

#include "platform/Paths.h"
#include "platform/Process.h"
#include "platform/automation/OleRegistry.h"
#include "presentation/PresentationEngine.h"

namespace sw::engine {
namespace {

using automation::AutoObject;
using automation::EOleError;
using automation::Variant;

[[noreturn]] void unknown(const std::string& name) { throw EOleError("Unknown name: " + name); }

void wantArgs(const std::string& member, const std::vector<Variant>& args, std::size_t count) {
    if (args.size() != count)
        throw EOleError(member + ": expected " + std::to_string(count) + " argument(s), got " +
                        std::to_string(args.size()));
}

class Presentation final : public AutoObject {
public:
    explicit Presentation(std::unique_ptr<pres::OpenedPresentation> opened) : opened_(std::move(opened)) {}

    Variant Get(const std::string& name) override {
        if (name == "HasVBProject") return live().hasVbaProject();
        unknown(name);
    }
    void Set(const std::string& name, const Variant&) override { unknown(name); }
    Variant Call(const std::string& name, const std::vector<Variant>& args) override {
        if (name == "SaveAs") {
            wantArgs(name, args, 2);
            const std::string target = args[0].AsString();
            const int format = args[1].AsInt();
            if (format != 6)
                throw EOleError("Cannot save \"" + target + "\": file format " + std::to_string(format) +
                                " is not supported (only 6, the RTF outline)");
            live().saveAsRtf(target);
            return {};
        }
        if (name == "Close") {
            opened_.reset();
            return {};
        }
        unknown(name);
    }

private:
    pres::OpenedPresentation& live() {
        if (!opened_) throw EOleError("The presentation is closed");
        return *opened_;
    }
    std::unique_ptr<pres::OpenedPresentation> opened_;
};

class Presentations final : public AutoObject {
public:
    Variant Get(const std::string& name) override { unknown(name); }
    void Set(const std::string& name, const Variant&) override { unknown(name); }
    Variant Call(const std::string& name, const std::vector<Variant>& args) override {
        if (name != "Open") unknown(name);
        if (args.empty() || args.size() > 2) wantArgs(name, args, 2);
        // Reading never writes to the file, so the read-only flag changes nothing.
        auto opened = pres::openPresentation(args[0].AsString());
        return Variant(std::shared_ptr<AutoObject>(std::make_shared<Presentation>(std::move(opened))));
    }
};

class Application final : public AutoObject {
public:
    Variant Get(const std::string& name) override {
        if (name == "Version") return kBuiltinEngineVersion;
        if (name == "Presentations") return Variant(std::shared_ptr<AutoObject>(std::make_shared<Presentations>()));
        if (name == "Path") {
            std::string folder = platform::FolderPart(platform::ProcessExeName());
            if (folder.size() > 1) folder.pop_back();
            return folder;
        }
        if (name == "Visible") return true;
        unknown(name);
    }
    void Set(const std::string& name, const Variant&) override {
        // Display settings are accepted and have no effect: there is no window.
        if (name == "Visible" || name == "WindowState" || name == "DisplayAlerts") return;
        unknown(name);
    }
    Variant Call(const std::string& name, const std::vector<Variant>&) override {
        if (name == "Quit") return {};
        unknown(name);
    }
};

}  // namespace

std::shared_ptr<AutoObject> CreateBuiltinPowerPoint() { return std::make_shared<Application>(); }

void RegisterBuiltinPowerPoint() { automation::RegisterOleClass("PowerPoint.Application", &CreateBuiltinPowerPoint); }

}  // namespace sw::engine
