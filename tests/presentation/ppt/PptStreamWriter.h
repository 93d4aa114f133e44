#pragma once
#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace sw::test::ppt {

// The PowerPoint Document stream, built save by save.
class PptStreamWriter {
public:
    // Appends a record and returns its offset.
    std::uint32_t append(const std::string& record);
    // A persist object written in this save.
    void setPersist(std::uint32_t persistId, std::uint32_t offset) { pending_[persistId] = offset; }
    // Ends a save: PersistDirectoryAtom for this save's objects, then a
    // UserEditAtom linking to the previous save. Returns the edit's offset.
    // encryptSession: a persist id written as encryptSessionPersistIdRef.
    std::uint32_t commit(std::uint32_t docPersistId, std::optional<std::uint32_t> encryptSession = std::nullopt);
    const std::string& bytes() const { return stream_; }

private:
    std::string stream_;
    std::map<std::uint32_t, std::uint32_t> pending_;
    std::uint32_t lastEdit_ = 0;
    std::uint32_t maxId_ = 0;
};

}  // namespace sw::test::ppt
