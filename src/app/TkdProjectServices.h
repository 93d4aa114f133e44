#pragma once
#include <string>

// The file dialogs the project uses for Open and Save As; the window fills
// them in, tests answer them.
class TkdProjectDialogs {
public:
    virtual ~TkdProjectDialogs() = default;
    // Returns the chosen path in Name; false on cancel.
    virtual bool OpenFiles(const std::string& Filter, std::string& Name, bool Multi) = 0;
    virtual bool SaveFile(const std::string& Filter, const std::string& DefaultExt, std::string& Name) = 0;
};

// Where the install and uninstall notices of the command line go: the support
// services' OpenPage.
class TkdPageOpener {
public:
    virtual ~TkdPageOpener() = default;
    virtual void OpenPage(const std::string& Kind, const std::string& Action, const std::string& Extra) = 0;
};

// The usage counters as the conversion workers see them (the PowerPoint
// version, counter "W"); the support services fill it in.
class TkdUsageCounter {
public:
    virtual ~TkdUsageCounter() = default;
    virtual void Tally(const std::string& Key, int Value, int Delta) = 0;
};
