#pragma once
#include <functional>
#include <memory>
#include <string>

#include "platform/automation/AutoObject.h"

namespace sw::automation {

using OleFactory = std::function<std::shared_ptr<AutoObject>()>;

// Makes an object of the class registered under ProgID (in-process). An
// unknown identifier raises EOleError with the text
//   Invalid class string, ProgID: "PowerPoint.Application"
std::shared_ptr<AutoObject> CreateOleObject(const std::string& ProgID);

// Registers (or, with an empty factory, removes) the class of a ProgID.
// Returns the factory it replaces.
OleFactory RegisterOleClass(const std::string& ProgID, OleFactory Factory);

// Per-thread initialisation of the automation support: nothing is needed
// here, but the call stays where a COM client makes it.
inline void CoInitialize() {}

// Registers a class for the lifetime of the object and restores what was
// registered before (tests put a scripted server in place of the built-in one).
class ScopedOleClass {
public:
    ScopedOleClass(std::string ProgID, OleFactory Factory)
        : progId_(std::move(ProgID)), previous_(RegisterOleClass(progId_, std::move(Factory))) {}
    ~ScopedOleClass() { RegisterOleClass(progId_, std::move(previous_)); }
    ScopedOleClass(const ScopedOleClass&) = delete;
    ScopedOleClass& operator=(const ScopedOleClass&) = delete;

private:
    std::string progId_;
    OleFactory previous_;
};

}  // namespace sw::automation
