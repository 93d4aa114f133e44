#include "search/TkdMatch.h"

#include <array>
#include <optional>

#include "platform/Regex.h"

std::string WildcardToRegex(std::string_view Mask) {
    // One pass gives the same result as the twelve replace-all steps in their
    // order: "." is escaped first, so the dots brought in for "*" and "?" stay
    // wildcards, and no step ever sees the output of a later one.
    std::string pattern;
    pattern.reserve(Mask.size() * 2 + 1);
    for (char c : Mask) {
        switch (c) {
            case '*': pattern += ".*"; break;
            case '?': pattern += ".?"; break;
            case '.': case '+': case '^': case '$': case '(': case ')':
            case '[': case ']': case '{': case '}':
                pattern += '\\';
                pattern += c;
                break;
            default: pattern += c;
        }
    }
    pattern += '$';
    return pattern;
}

bool TkdMatchBase::Matches(std::string_view, std::string_view) const { return true; }

namespace {

// A search tests every file against the same one or two patterns; compiling
// them once per thread gives the same answers for far less work.
struct CachedPattern {
    std::string pattern;
    std::optional<sw::platform::CompiledRegex> regex;  // empty: the pattern does not compile
    unsigned lastUse = 0;
};

const CachedPattern& compiled(std::string_view pattern) {
    thread_local std::array<CachedPattern, 4> cache;
    thread_local unsigned clock = 0;
    ++clock;
    CachedPattern* oldest = &cache[0];
    for (auto& entry : cache) {
        if (entry.lastUse != 0 && entry.pattern == pattern) {
            entry.lastUse = clock;
            return entry;
        }
        if (entry.lastUse < oldest->lastUse) oldest = &entry;
    }
    oldest->pattern.assign(pattern);
    oldest->lastUse = clock;
    try {
        oldest->regex.emplace(pattern, /*ignoreCase=*/true);
    } catch (const sw::platform::ERegexException&) {
        oldest->regex.reset();
    }
    return *oldest;
}

}  // namespace

bool TkdMatch::Matches(std::string_view Text, std::string_view Pattern) const {
    try {
        const CachedPattern& entry = compiled(Pattern);
        return !entry.regex || entry.regex->Test(Text);  // a rejected pattern matches everything
    } catch (...) {
        return true;  // any error of the component counts as a match
    }
}
