#pragma once
#include <string>

#include "engine/TkdConvertor.h"
#include "platform/automation/Variant.h"

// The layer of the converter chain that talks to PowerPoint through its
// automation object "PowerPoint.Application": every worker has a connection
// of its own, made at its first entry (not at creation), opens one
// presentation at a time, and quits when the worker ends.
//
// The connection: not connected (App empty) -> connected and idle (App set)
// -> presentation open (both set). A failed connection stays "not
// connected", so the next entry of the worker tries again.
class TkdPowerPointOle : public TkdConvertor {
public:
    static constexpr const char* AppProgID = "PowerPoint.Application";

    // PowerPoint's major version from its Version value ("16.0" gives 16).
    static int ParseVersion(const sw::automation::Variant& Value);

protected:
    TkdPowerPointOle(TkdBatch& Batch, int Count, const TkdEntryCallback& OnConverted);

    // Creates the application object (an unknown ProgID raises the creation
    // error), reads its version and sets the display properties.
    void ConnectApp();
    // Connects first when needed, then opens FileName (read-only as the
    // project's ReadOnly option says). Errors of Open reach the caller.
    void OpenPresentation(const std::string& FileName);
    // Closes the open presentation, ignoring errors; none is open afterwards.
    void ClosePresentation();

    std::string ApplicationPath() override;
    bool HasMacros() override;
    // Quits PowerPoint (errors ignored), then the driver's own ending steps.
    void WorkerEnding() override;

    sw::automation::Variant App;
    sw::automation::Variant Presentation;
    int AppVersion = 0;
};
