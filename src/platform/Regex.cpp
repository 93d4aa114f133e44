#define PCRE2_CODE_UNIT_WIDTH 8
#include "platform/Regex.h"

#include <pcre2.h>

namespace sw::platform {
namespace {

// Backtracking limits: a runaway pattern fails with an error instead of
// running for ever (PCRE2 backtracks on the heap, never on the stack).
constexpr std::uint32_t kMatchLimit = 10'000'000;
constexpr std::uint32_t kDepthLimit = 100'000;

std::string pcre2Message(int code) {
    PCRE2_UCHAR buffer[256];
    int n = pcre2_get_error_message(code, buffer, sizeof buffer);
    return n < 0 ? "Regular expression error " + std::to_string(code)
                 : std::string(reinterpret_cast<const char*>(buffer), static_cast<std::size_t>(n));
}

// The component's standard numbers and texts for PCRE2's compile errors.
ERegexException compileError(int code) {
    switch (code) {
        case 109: return {5018, "Unexpected quantifier"};                        // quantifier does not follow a repeatable item
        case 106: return {5019, "Expected ']' in regular expression"};           // missing terminating ]
        case 114: return {5020, "Expected ')' in regular expression"};           // missing closing parenthesis
        case 108: return {5021, "Invalid range in character set"};               // range out of order
        default: return {5017, "Syntax error in regular expression"};
    }
}

struct MatchData {
    explicit MatchData(const pcre2_code* code) : data(pcre2_match_data_create_from_pattern(code, nullptr)) {}
    ~MatchData() { pcre2_match_data_free(data); }
    pcre2_match_data* data;
};

}  // namespace

struct CompiledRegex::Impl {
    pcre2_code* code = nullptr;
    pcre2_match_context* context = nullptr;
    ~Impl() {
        pcre2_match_context_free(context);
        pcre2_code_free(code);
    }

    // Returns the match's start and end, or nothing; throws on a match-time error.
    bool match(std::string_view text, std::size_t& start, std::size_t& end) const {
        MatchData md(code);
        if (!md.data) throw ERegexException(5017, "Out of memory in regular expression");
        int rc = pcre2_match(code, reinterpret_cast<PCRE2_SPTR>(text.data()), text.size(), 0, 0, md.data, context);
        if (rc == PCRE2_ERROR_NOMATCH) return false;
        if (rc < 0) throw ERegexException(5017, pcre2Message(rc));
        const PCRE2_SIZE* ovector = pcre2_get_ovector_pointer(md.data);
        start = ovector[0];
        end = ovector[1];
        return true;
    }
};

CompiledRegex::CompiledRegex(std::string_view pattern, bool ignoreCase) : impl_(std::make_unique<Impl>()) {
    std::uint32_t options = PCRE2_UTF | PCRE2_MATCH_INVALID_UTF | PCRE2_NO_DOTSTAR_ANCHOR | PCRE2_DOLLAR_ENDONLY |
                            PCRE2_ALT_BSUX;
    if (ignoreCase) options |= PCRE2_CASELESS;
    int errorCode = 0;
    PCRE2_SIZE errorOffset = 0;
    impl_->code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(pattern.data()), pattern.size(), options, &errorCode,
                                &errorOffset, nullptr);
    if (!impl_->code) throw compileError(errorCode);
    impl_->context = pcre2_match_context_create(nullptr);
    if (impl_->context) {
        pcre2_set_match_limit(impl_->context, kMatchLimit);
        pcre2_set_depth_limit(impl_->context, kDepthLimit);
    }
}

CompiledRegex::~CompiledRegex() = default;
CompiledRegex::CompiledRegex(CompiledRegex&&) noexcept = default;
CompiledRegex& CompiledRegex::operator=(CompiledRegex&&) noexcept = default;

bool CompiledRegex::Test(std::string_view text) const {
    std::size_t start = 0, end = 0;
    return impl_->match(text, start, end);
}

std::string CompiledRegex::ReplaceFirst(std::string_view text, std::string_view replacement) const {
    std::size_t start = 0, end = 0;
    if (!impl_->match(text, start, end)) return std::string(text);
    std::string result(text.substr(0, start));
    result += replacement;
    result += text.substr(end);
    return result;
}

bool RegexTest(std::string_view pattern, std::string_view text, bool ignoreCase) {
    return CompiledRegex(pattern, ignoreCase).Test(text);
}

std::string RegexReplaceFirst(std::string_view pattern, std::string_view text, std::string_view replacement) {
    return CompiledRegex(pattern, false).ReplaceFirst(text, replacement);
}

}  // namespace sw::platform
