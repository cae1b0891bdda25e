// pathforge: the command-line driver of the module.
//
//   pathforge generate JOB   generates the programs of a batch job file and
//                            writes them, with the project file, as the
//                            wizard's Finish would.
//   pathforge wizard [--machine FILE] [--script FILE]
//                            runs the plug-in's wizard headless through its
//                            StartIF: a script's steps and checks, or the
//                            built-in demo (WizardCommand.h).
#include <iostream>
#include <string>
#include <vector>

#include "BatchJob.h"
#include "WizardCommand.h"
#include "common/Text.h"

namespace {

int Usage() {
  std::cerr << "usage: pathforge generate JOB\n"
               "       pathforge wizard [--machine FILE] [--script FILE]\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 2 && args[0] == "generate") return pf::GenerateFromJobFile(pf::ToWide(args[1]), std::cout, std::cerr);
  if (!args.empty() && args[0] == "wizard")
    return pf::RunWizardCommand(std::vector<std::string>(args.begin() + 1, args.end()), std::cout, std::cerr);
  return Usage();
}
