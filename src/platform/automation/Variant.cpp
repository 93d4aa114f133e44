#include "platform/automation/Variant.h"

#include <charconv>

namespace sw::automation {
namespace {
[[noreturn]] void mismatch() { throw EOleError("Type mismatch"); }
}  // namespace

bool Variant::AsBool() const {
    if (auto* b = std::get_if<bool>(&value_)) return *b;
    if (auto* i = std::get_if<std::int32_t>(&value_)) return *i != 0;
    if (auto* s = std::get_if<std::string>(&value_)) {
        if (*s == "True" || *s == "true") return true;
        if (*s == "False" || *s == "false") return false;
    }
    if (std::holds_alternative<std::monostate>(value_)) return false;
    mismatch();
}

std::int32_t Variant::AsInt() const {
    if (auto* i = std::get_if<std::int32_t>(&value_)) return *i;
    if (auto* b = std::get_if<bool>(&value_)) return *b ? -1 : 0;  // automation's True is -1
    if (auto* s = std::get_if<std::string>(&value_)) {
        std::int32_t n = 0;
        auto [end, ec] = std::from_chars(s->data(), s->data() + s->size(), n);
        if (ec == std::errc() && end == s->data() + s->size()) return n;
    }
    if (std::holds_alternative<std::monostate>(value_)) return 0;
    mismatch();
}

std::string Variant::AsString() const {
    if (auto* s = std::get_if<std::string>(&value_)) return *s;
    if (auto* i = std::get_if<std::int32_t>(&value_)) return std::to_string(*i);
    if (auto* b = std::get_if<bool>(&value_)) return *b ? "True" : "False";
    if (std::holds_alternative<std::monostate>(value_)) return {};
    mismatch();
}

std::shared_ptr<AutoObject> Variant::AsObjectOrNull() const {
    if (auto* o = std::get_if<std::shared_ptr<AutoObject>>(&value_)) return *o;
    return nullptr;
}

AutoObject& Variant::AsObject() const {
    auto object = AsObjectOrNull();
    if (!object) throw EOleError("Object required");
    return *object;
}

}  // namespace sw::automation
