// pathforge: the command-line driver of the module.
//
//   pathforge generate JOB [--machine FILE]
//                            generates the programs of a batch job file and
//                            writes them, with the project file, as the
//                            wizard's Finish would.
//   pathforge check, pathforge preview
//                            check and draw program motion (MotionCommands.h).
//   pathforge wizard [--machine FILE] [--script FILE]
//                            runs the plug-in's wizard headless through its
//                            StartIF: a script's steps and checks, or the
//                            built-in demo (WizardCommand.h).
#include <iostream>
#include <string>
#include <vector>

#include "BatchJob.h"
#include "MotionCommands.h"
#include "WizardCommand.h"
#include "common/Text.h"

namespace {

int Usage() {
  std::cerr << "usage: pathforge generate JOB [--machine FILE]\n"
               "       pathforge check PROJECT_FOLDER --machine FILE\n"
               "       pathforge preview FILE.eia [--machine FILE] [--axis LABEL | --plane LABEL]\n"
               "                         [--machine-type 0|1] [--gcode-list 2..7] -o OUT.svg\n"
               "       pathforge wizard [--machine FILE] [--script FILE]\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const std::vector<std::string> rest(args.empty() ? args.end() : args.begin() + 1, args.end());
  if (!args.empty() && args[0] == "generate") return pf::RunGenerateCommand(rest, std::cout, std::cerr);
  if (!args.empty() && args[0] == "check") return pf::RunCheckCommand(rest, std::cout, std::cerr);
  if (!args.empty() && args[0] == "preview") return pf::RunPreviewCommand(rest, std::cout, std::cerr);
  if (!args.empty() && args[0] == "wizard") return pf::RunWizardCommand(rest, std::cout, std::cerr);
  return Usage();
}
