#pragma once
#include <string>

// One file entry of a batch. Created by the batch and owned by its list; the
// fields below are written by the one worker the entry was handed to, and read
// by the owner in that worker's OnConverted call or once the run is over.
class TkdNode {
public:
    int Status = 0;          // 0 not finished ("Running"), 1 success or skipped, 2 failure
    int Index = 0;           // position in the list, the window's row number; never changes
    std::string Source;      // full path of the source file
    std::string ResultText;  // target path on success, error message on failure
};
