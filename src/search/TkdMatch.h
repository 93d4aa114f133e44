#pragma once
#include <string>
#include <string_view>

// Turns a file mask ("*.ppt?") into a regular expression (".*\.ppt.?$").
std::string WildcardToRegex(std::string_view Mask);

// Tests a path against a pattern. The base answers true for everything.
class TkdMatchBase {
public:
    virtual ~TkdMatchBase() = default;
    virtual bool Matches(std::string_view Text, std::string_view Pattern) const;
};

// The regular-expression test, case-insensitive; every error of the
// component counts as a match.
class TkdMatch : public TkdMatchBase {
public:
    bool Matches(std::string_view Text, std::string_view Pattern) const override;
};
