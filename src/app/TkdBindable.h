#pragma once
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

// A control of the window bound to an option, as the core sees it: its name,
// hint text, tag and published properties. The window implements it over Qt's
// meta-object system; tests use a plain fake.
enum class TkdPropKind { Text, Boolean, Integer, Enumeration, Other };

struct TkdPropInfo {
    std::string Name;
    TkdPropKind Kind = TkdPropKind::Text;
    std::vector<std::string> EnumNames;  // Enumeration: value names by ordinal
};

// Text for Text, bool for Boolean, integer (ordinal for Enumeration) otherwise.
using TkdPropValue = std::variant<std::string, bool, std::int64_t>;

class TkdBindable {
public:
    virtual ~TkdBindable() = default;
    virtual std::string Name() const = 0;
    virtual std::string Hint() const = 0;
    virtual std::intptr_t Tag() const = 0;
    virtual void SetTag(std::intptr_t tag) = 0;
    virtual std::vector<TkdPropInfo> PublishedProperties() const = 0;
    // Access by the exact published name; may throw.
    virtual TkdPropValue GetProperty(const std::string& name) const = 0;
    virtual void SetProperty(const std::string& name, const TkdPropValue& value) = 0;
};
