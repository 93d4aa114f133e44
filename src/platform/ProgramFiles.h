#pragma once
#include <string>

namespace sw::platform {

// Where the files kept beside the program live (default project, recent-project
// list, usage counters). The program's own folder when it is writable, else
// $XDG_CONFIG_HOME/slidewright/ (default ~/.config/slidewright/). Chosen once,
// so reading and writing always use the same place.
class ProgramFiles {
public:
    // Decides the folder for the program file `exeName`.
    static ProgramFiles Choose(const std::string& exeName);
    // A fixed folder (tests).
    ProgramFiles(std::string exeName, std::string folder);

    // The path of a file named after the program: `exeName` turned into the
    // wanted name by the caller (e.g. with ".log" appended), moved into the
    // chosen folder.
    std::string Beside(const std::string& nameDerivedFromExe) const;
    const std::string& Folder() const { return folder_; }
    const std::string& ExeName() const { return exeName_; }

private:
    std::string exeName_;
    std::string folder_;  // with trailing delimiter
};

}  // namespace sw::platform
