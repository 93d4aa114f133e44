#pragma once
#include <string>
#include <vector>

#include "platform/automation/Variant.h"

namespace sw::automation {

// A late-bound automation object: properties and methods are reached by
// member name at run time. Unknown names and failing members raise EOleError.
class AutoObject {
public:
    virtual ~AutoObject() = default;
    virtual Variant Get(const std::string& Name) = 0;
    virtual void Set(const std::string& Name, const Variant& Value) = 0;
    virtual Variant Call(const std::string& Name, const std::vector<Variant>& Args) = 0;
};

}  // namespace sw::automation
