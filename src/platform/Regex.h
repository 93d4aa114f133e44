#pragma once
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

// The regular-expression component: JavaScript-style patterns served by PCRE2.
namespace sw::platform {

// An error of the component, with its standard number and text
// (5017 "Syntax error in regular expression", 5018 ... 5021).
class ERegexException : public std::runtime_error {
public:
    ERegexException(int number, const std::string& message)
        : std::runtime_error(message), number_(number) {}
    int Number() const { return number_; }

private:
    int number_;
};

// A compiled pattern; reusable from any thread (match data is per call).
class CompiledRegex {
public:
    // Throws ERegexException when the pattern does not compile.
    CompiledRegex(std::string_view pattern, bool ignoreCase);
    ~CompiledRegex();
    CompiledRegex(CompiledRegex&&) noexcept;
    CompiledRegex& operator=(CompiledRegex&&) noexcept;

    // Whether the pattern matches anywhere in text. Throws ERegexException on
    // a match-time error (match limit).
    bool Test(std::string_view text) const;
    // Text with the first match replaced by `replacement` (taken literally).
    std::string ReplaceFirst(std::string_view text, std::string_view replacement) const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// Whether Pattern matches anywhere in Text; errors raise ERegexException.
bool RegexTest(std::string_view pattern, std::string_view text, bool ignoreCase);
// Text with the first match of Pattern replaced, matched case-sensitively.
std::string RegexReplaceFirst(std::string_view pattern, std::string_view text, std::string_view replacement);

}  // namespace sw::platform
