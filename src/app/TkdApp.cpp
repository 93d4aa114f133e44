#include "app/TkdApp.h"

#include "platform/Paths.h"
#include "platform/Process.h"

TkdApp::TkdApp(int argc, const char* const* argv)
    : TkdApp(sw::platform::ProcessExeName(), sw::platform::ProcessFirstArg(argc, argv)) {}

TkdApp::TkdApp(std::string exeName, std::string firstArg)
    : ExeName(std::move(exeName)), ExeDir(sw::platform::FolderPart(ExeName)), FirstArg(std::move(firstArg)) {}
