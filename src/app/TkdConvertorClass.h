#pragma once
#include <functional>
#include <memory>

class TkdBatch;
class TkdNode;
class TkdConvertor;

// The per-file callback of the batch (OnFound) and of the workers
// (OnConverted), called on the reporting thread with the batch and the entry.
// The owner is whatever the function object binds.
using TkdEntryCallback = std::function<void(TkdBatch& Batch, TkdNode& Node)>;

// The class reference the project holds: builds one worker of the converter
// class (which in turn builds the rest of its chain).
using TkdConvertorClass =
    std::function<std::unique_ptr<TkdConvertor>(TkdBatch& Batch, int Count, const TkdEntryCallback& OnConverted)>;
