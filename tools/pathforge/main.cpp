// pathforge: the command-line driver of the module.
//
//   pathforge generate JOB   generates the programs of a batch job file and
//                            writes them, with the project file, as the
//                            wizard's Finish would.
#include <iostream>
#include <string>

#include "BatchJob.h"
#include "common/Text.h"

namespace {

int Usage() {
  std::cerr << "usage: pathforge generate JOB\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "generate")
    return pf::GenerateFromJobFile(pf::ToWide(argv[2]), std::cout, std::cerr);
  return Usage();
}
