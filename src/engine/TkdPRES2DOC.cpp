#include "engine/TkdPRES2DOC.h"

#include <exception>

#include "platform/automation/AutoObject.h"
#include "search/TkdBatch.h"
#include "search/TkdNode.h"

void TkdPRES2DOC::ConvertFile(TkdBatch& Batch, TkdNode& Node) {
    const std::string target = BuildTarget(Batch, Node);
    if (target.empty()) return;  // skipped by the overwrite rule; PowerPoint is not touched

    try {
        OpenPresentation(Node.Source);
        // An existing target is not deleted before the save: the save writes
        // a complete new file and only then replaces the old one, so a failed
        // open or save leaves the old target as it was.
        Presentation.AsObject().Call("SaveAs", {target, ppSaveAsRTF});
        ClosePresentation();
        AfterConvert(Batch, Node, target);
        Node.ResultText = target;
        Node.Status = 1;
        Batch.ReportSuccess();
    } catch (const std::exception& error) {
        Node.ResultText = error.what();
        Node.Status = 2;
        Batch.ReportFailure(error.what());
    }
    ClosePresentation();
}
