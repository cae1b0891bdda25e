// The simulated library exports every entry point by its plain name, and each
// variant lacks exactly its one entry point.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SimHandle.h"
#include "nclink/OvxContract.h"

namespace pf::test {
namespace {

// Every entry point the library serves: the 103 checked ones and the two
// that the module calls beyond them.
std::vector<std::string> EntryPoints() {
  std::vector<std::string> names(std::begin(ovx::kCheckedEntryPoints), std::end(ovx::kCheckedEntryPoints));
  names.push_back("OvxNcIfCallPinType");
  names.push_back("ConvertSerialAxisToSystemAxisPermittedSPC");
  return names;
}

constexpr const char* kControls[] = {"SimLoadMachine", "SimSetFailure",  "SimClearJournal",
                                     "SimJournalCount", "SimJournalLine", "SimLastLoadedProgram"};

// "": the full library.
constexpr const char* kLacking[] = {"", "OvxNcIfInit", "InitMSmpTimeout", "OvxNcIfCallPinType",
                                    "ConvertSerialAxisToSystemAxisPermittedSPC"};

TEST(SimExports, EachLibraryLacksOnlyItsEntryPoint) {
  for (const char* lacking : kLacking) {
    SCOPED_TRACE(lacking);
    SimHandle variant(*lacking ? SimVariantFolder(lacking) : SimFolder());
    for (const std::string& name : EntryPoints()) {
      EXPECT_EQ(variant.Symbol(name.c_str()) == nullptr, name == lacking) << name;
    }
    for (const char* name : kControls) EXPECT_NE(variant.Symbol(name), nullptr) << name;
  }
}

}  // namespace
}  // namespace pf::test
