// COVXIF against libraries that lack one entry point. These run only in the
// ctest entries nclink_without_<Name>, each with the library that lacks
// <Name> first on the library search path.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "NcLinkFixture.h"

namespace pf {
namespace {


// Load rejects the library, frees it and names the missing entry point.
void ExpectRejected(const std::wstring& missing) {
  test::TestViewer viewer;
  CLogChannel log;
  COVXIF ovx(log);
  ovx.Load();
  EXPECT_FALSE(ovx.IsLoaded());
  EXPECT_EQ(viewer.TakeRecords(),
            CallGroup(L"COVXIF::Load()",
                      L"\"" + missing + L"\" not exist in OVXIF.dll. COVXIF::Load() was not succeeded(0).", 3));
  EXPECT_EQ(dlopen("libOVXIF.so", RTLD_NOW | RTLD_NOLOAD), nullptr);
  EXPECT_EQ(ovx.OvxNcIfInit(), kNcRefused);
  EXPECT_TRUE(viewer.TakeRecords().empty());
}

TEST(OvxIfRejectedLibrary, DISABLED_WithoutInitMSmpTimeout) { ExpectRejected(L"InitMSmpTimeout"); }

TEST(OvxIfRejectedLibrary, DISABLED_WithoutOvxNcIfInit) { ExpectRejected(L"OvxNcIfInit"); }

class OvxIfPartialLibrary : public test::NcLinkTest {};

TEST_F(OvxIfPartialLibrary, DISABLED_WithoutOvxNcIfCallPinType) {
  Open();
  EXPECT_EQ(ovx_.OvxNcIfCallPinType(2), kNcRefused);
  EXPECT_TRUE(viewer_.TakeRecords().empty());
  ovx_.Unload(2);
  EXPECT_EQ(viewer_.TakeRecords(), test::UnloadRecords({CallGroup(L"COVXIF::OvxNcIfQuit()", L" was succeeded.", 1),
                                                        CallGroup(L"COVXIF::OvxIfFreeData()", L" was succeeded.", 1)}));
  EXPECT_EQ(sim_.Journal(), (std::vector<std::string>{"OvxNcIfQuit() -> 0", "OvxIfFreeData() -> 0"}));
}

TEST_F(OvxIfPartialLibrary, DISABLED_WithoutConvertSerialAxisToSystemAxisPermittedSPC) {
  Open();
  std::wstring name;
  EXPECT_EQ(ovx_.GetAxisName(3, name), 0);
  EXPECT_EQ(name, L"$1-X");
  EXPECT_EQ(sim_.Journal(), std::vector<std::string>{"GetInformation(0, 0, \"AXISNAME\", 4) -> 0"});
  EXPECT_EQ(ovx_.GetAxisLabel(3, name), 0);
  EXPECT_EQ(name, L"$2-X");
}

}  // namespace
}  // namespace pf
