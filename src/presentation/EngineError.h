#pragma once
#include <stdexcept>
#include <string>

namespace sw::pres {

// Why a presentation could not be read or written. The message is complete
// and meant for the user; the converter adds the file name where it is not
// part of it already.
enum class ErrorKind {
    NotAPresentation,   // neither a package nor a compound file, or one that holds no presentation
    Encrypted,          // password-protected (.ppt or encrypted OOXML package)
    Damaged,            // a structure is broken; the message names which part or record
    Unsupported,        // an old or unknown format (PowerPoint 95, 4.0), unsupported save format
    TooLarge,           // a size limit was hit (zip bomb, absurd counts)
    Io,                 // the file system refused (open, read, write, rename)
};

class EngineError : public std::runtime_error {
public:
    EngineError(ErrorKind kind, const std::string& message) : std::runtime_error(message), kind_(kind) {}
    ErrorKind kind() const { return kind_; }

private:
    ErrorKind kind_;
};

}  // namespace sw::pres
