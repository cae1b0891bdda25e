// pathforge wizard [--machine FILE] [--script FILE]
//
// Runs the plug-in's whole wizard on the headless toolkit, loading
// "40.PathForge.pin" by name as a host does and calling its StartIF, with
// the simulated NC library (the machine of FILE, else the built-in one).
// With a script, the script's steps drive the wizard and its checks are
// counted; without, the built-in demo runs and each page and the files
// written are printed.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace pf {

// `args`: the words after "wizard". Returns the exit status: 0 every check
// passed, 1 a check failed, 2 the command, script or plug-in is unusable.
int RunWizardCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace pf
