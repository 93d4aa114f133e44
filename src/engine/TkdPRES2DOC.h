#pragma once
#include "engine/TkdPowerPointOle.h"

// The converter of this program: opens each presentation through its
// worker's PowerPoint connection and saves it in PowerPoint's RTF format (6).
class TkdPRES2DOC : public TkdPowerPointOle {
public:
    static constexpr int ppSaveAsRTF = 6;

    TkdPRES2DOC(TkdBatch& Batch, int Count, const TkdEntryCallback& OnConverted)
        : TkdPowerPointOle(Batch, Count, OnConverted) {}

protected:
    void ConvertFile(TkdBatch& Batch, TkdNode& Node) override;
};
