#include "engine/TkdPowerPointOle.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

#include "app/TkdProject.h"
#include "platform/Paths.h"
#include "platform/automation/AutoObject.h"
#include "platform/automation/OleRegistry.h"
#include "search/TkdBatch.h"

using sw::automation::AutoObject;
using sw::automation::Variant;

TkdPowerPointOle::TkdPowerPointOle(TkdBatch& Batch, int Count, const TkdEntryCallback& OnConverted)
    : TkdConvertor(Batch, Count, OnConverted) {
    // The rest of the chain is built by now; this worker starts unconnected.
    App = Variant();
    Presentation = Variant();
}

int TkdPowerPointOle::ParseVersion(const Variant& Value) {
    long long version = 0;
    if (Value.IsInt()) {
        version = Value.AsInt();
    } else {
        const std::string text = Value.IsString() ? Value.AsString() : std::string();
        // First as a number ("16.0" is 16), then with its first "." removed.
        double number = 0;
        auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), number);
        if (!text.empty() && ec == std::errc() && end == text.data() + text.size() && std::isfinite(number) &&
            std::fabs(number) < 1e9) {
            version = static_cast<long long>(number);
        } else {
            std::string digits = text;
            if (auto dot = digits.find('.'); dot != std::string::npos) digits.erase(dot, 1);
            int n = 0;
            auto [end2, ec2] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
            version = (!digits.empty() && ec2 == std::errc() && end2 == digits.data() + digits.size()) ? n : 0;
        }
    }
    // A locale that reads "16.0" as 160 still gives 16.
    if (version > 77) version /= 10;
    return static_cast<int>(version);
}

void TkdPowerPointOle::ConnectApp() {
    sw::automation::CoInitialize();
    App = sw::automation::CreateOleObject(AppProgID);  // errors reach the caller; App stays empty
    try {
        AppVersion = ParseVersion(App.AsObject().Get("Version"));
        if (TkdUsageCounter* counters = Project().Counters) counters->Tally("W", AppVersion, 1);
        App.AsObject().Set("Visible", true);
        App.AsObject().Set("WindowState", 2);  // minimised
    } catch (...) {
        // Display settings are best effort; the version may stay 0.
    }
    try {
        App.AsObject().Set("DisplayAlerts", 1);  // no alerts
    } catch (...) {
    }
}

void TkdPowerPointOle::OpenPresentation(const std::string& FileName) {
    if (App.IsEmpty()) ConnectApp();
    if (!Presentation.IsEmpty()) return;
    const bool readOnly = ReadYesNo(Project().Value("ReadOnly"), false);
    Variant presentations = App.AsObject().Get("Presentations");
    Presentation = presentations.AsObject().Call("Open", {FileName, readOnly});
}

void TkdPowerPointOle::ClosePresentation() {
    if (Presentation.IsEmpty()) return;
    try {
        Presentation.AsObject().Call("Close", {});
    } catch (...) {
    }
    Presentation = Variant();
}

std::string TkdPowerPointOle::ApplicationPath() {
    return App.AsObject().Get("Path").AsString() + sw::platform::PathDelim + "POWERPNT.EXE";
}

bool TkdPowerPointOle::HasMacros() {
    if (AppVersion < 12) return TkdConvertor::HasMacros();
    try {
        return Presentation.AsObject().Get("HasVBProject").AsBool();
    } catch (...) {
        return TkdConvertor::HasMacros();
    }
}

void TkdPowerPointOle::WorkerEnding() {
    if (!App.IsEmpty()) {
        try {
            App.AsObject().Call("Quit", {});
        } catch (...) {
        }
    }
    Presentation = Variant();
    App = Variant();
    TkdConvertor::WorkerEnding();
}
