#pragma once
#include <string>

namespace sw::platform {

// Opens a document, folder, web address or mail address with the user's
// default handler: `xdg-open TARGET`, or the command named by the environment
// variable SLIDEWRIGHT_OPENER with the target as its single argument. The
// command runs detached, is never waited for, its output is discarded, and
// every failure is silent.
void ShellOpen(const std::string& target);

}  // namespace sw::platform
