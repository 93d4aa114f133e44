#pragma once

// The program from start to end: creates the process-wide objects in their
// order (application context, support services, project, unattended run,
// matcher), writes the converter identity, reads the command line and takes
// the unattended road or the window road. The objects are released in the
// reverse order. Returns the exit code: 0, also when every file failed; 2
// when a run cannot start or the window is not available. Errors that escape
// the unattended run are passed on to the caller's last-resort handler.
int RunProgram(int argc, const char* const* argv);
