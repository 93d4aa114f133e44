#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <unordered_map>

namespace sw::pres::ppt {

// Where each persist object (document, slides, masters) lives in the
// PowerPoint Document stream, after all saves: built by walking the edit
// chain from the newest UserEditAtom back to the first, the newest entry for
// an id winning. Incremental saves append records and leave the old ones in
// place, so this is the only way to reach current content.
class PersistDirectory {
public:
    // Longest edit chain accepted (real files have a few dozen at most).
    static constexpr int maxEdits = 4096;

    // Throws FormatError on a chain that loops, leaves the stream, or does not
    // lead to a UserEditAtom / PersistDirectoryAtom.
    static PersistDirectory load(std::span<const std::uint8_t> stream, std::uint32_t offsetToCurrentEdit);

    // Offset of a persist object; throws FormatError when unknown or out of range.
    std::uint32_t offsetOf(std::uint32_t persistId) const;
    bool contains(std::uint32_t persistId) const { return offsets_.count(persistId) != 0; }
    // The DocumentContainer's persist id, from the newest edit.
    std::uint32_t documentId() const { return docPersistId_; }
    int editCount() const { return edits_; }
    const std::unordered_map<std::uint32_t, std::uint32_t>& offsets() const { return offsets_; }
    // The newest edit's encryptSessionPersistIdRef, when it has one.
    std::optional<std::uint32_t> encryptSessionId() const { return encryptSessionId_; }

private:
    std::unordered_map<std::uint32_t, std::uint32_t> offsets_;
    std::uint32_t docPersistId_ = 0;
    std::uint64_t streamSize_ = 0;
    int edits_ = 0;
    std::optional<std::uint32_t> encryptSessionId_;
};

}  // namespace sw::pres::ppt
