#pragma once
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <variant>

namespace sw::automation {

class AutoObject;

// An error raised by an automation call; the message is the server's text.
class EOleError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A value passed to or returned from a late-bound call: empty, boolean,
// 32-bit integer, string or object.
class Variant {
public:
    Variant() = default;
    Variant(bool value) : value_(value) {}
    Variant(int value) : value_(static_cast<std::int32_t>(value)) {}
    Variant(std::string value) : value_(std::move(value)) {}
    Variant(const char* value) : value_(std::string(value)) {}
    Variant(std::shared_ptr<AutoObject> value) : value_(std::move(value)) {}

    bool IsEmpty() const { return std::holds_alternative<std::monostate>(value_) || (IsObject() && !AsObjectOrNull()); }
    bool IsBool() const { return std::holds_alternative<bool>(value_); }
    bool IsInt() const { return std::holds_alternative<std::int32_t>(value_); }
    bool IsString() const { return std::holds_alternative<std::string>(value_); }
    bool IsObject() const { return std::holds_alternative<std::shared_ptr<AutoObject>>(value_); }

    // Conversions as automation does them; a value that cannot be converted
    // raises EOleError ("Type mismatch").
    bool AsBool() const;
    std::int32_t AsInt() const;
    std::string AsString() const;
    // The object; EOleError when the value holds none.
    AutoObject& AsObject() const;
    std::shared_ptr<AutoObject> AsObjectOrNull() const;

private:
    std::variant<std::monostate, bool, std::int32_t, std::string, std::shared_ptr<AutoObject>> value_;
};

}  // namespace sw::automation
