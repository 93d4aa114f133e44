#include "platform/automation/OleRegistry.h"

#include <map>
#include <mutex>

namespace sw::automation {
namespace {

std::mutex& registryLock() {
    static std::mutex lock;
    return lock;
}

std::map<std::string, OleFactory>& registry() {
    static std::map<std::string, OleFactory> classes;
    return classes;
}

}  // namespace

OleFactory RegisterOleClass(const std::string& ProgID, OleFactory Factory) {
    std::lock_guard lock(registryLock());
    auto& classes = registry();
    OleFactory previous;
    if (auto it = classes.find(ProgID); it != classes.end()) {
        previous = std::move(it->second);
        classes.erase(it);
    }
    if (Factory) classes.emplace(ProgID, std::move(Factory));
    return previous;
}

std::shared_ptr<AutoObject> CreateOleObject(const std::string& ProgID) {
    OleFactory factory;
    {
        std::lock_guard lock(registryLock());
        auto& classes = registry();
        if (auto it = classes.find(ProgID); it != classes.end()) factory = it->second;
    }
    // The system's text for an unknown identifier, then the identifier.
    if (!factory) throw EOleError("Invalid class string, ProgID: \"" + ProgID + "\"");
    auto object = factory();
    if (!object) throw EOleError("Invalid class string, ProgID: \"" + ProgID + "\"");
    return object;
}

}  // namespace sw::automation
