// The controller check against machines with the recognised controllers,
// one-field connection texts and the two-port fallback.
#include <gtest/gtest.h>

#include <string>

#include "NcLinkFixture.h"
#include "nclink/NcType.h"

namespace pf {
namespace {

class NcTypeTest : public test::NcLinkTest {};

TEST_F(NcTypeTest, ControllerAndPortGiveTheType) {
  struct Row {
    const char* controller;
    const char* tcp;
    int twoPorts;
    const char* failing;  // an entry point made to fail, or ""
    bool asksTwoPorts;
    int32_t type;
    int32_t status;
  };
  constexpr Row kRows[] = {
      {"Q4RT", "192.168.1.10,683", 0, "", false, 0, 0},
      {"H52", "192.168.1.10,64758", 0, "", false, 1, 0},
      {"Q4RT", ",,192.168.1.10,,683,,x", 0, "", false, 0, 0},
      {"Q4RT", "192.168.1.10", 1, "", true, 0, 0},
      {"Q4RT", "192.168.1.10", 0, "", true, -1, -2},
      {"Q4RT", "683", 0, "", true, -1, -2},
      {"H52", "192.168.1.10,683", 0, "", true, -1, -2},
      {"q4rt", "192.168.1.10,683", 0, "", true, -1, -2},
      {"Q4RT", "192.168.1.10,683", 0, "CommGetParameter", true, -1, -2},
      {"Q4RT", "192.168.1.10,683", 1, "CommGetParameter", true, 0, -2},
      // A failed two-port read leaves the value at 1.
      {"Q4RT", "192.168.1.10", 0, "IsTwoPortSetting", true, 0, 0},
  };
  Open();
  for (const Row& row : kRows) {
    SCOPED_TRACE(testing::Message() << row.controller << " / " << row.tcp << " / " << row.twoPorts << " / "
                                    << row.failing);
    std::string machine = std::string("[Comm]\nController=") + row.controller + "\nTCP=\"" + row.tcp +
                          "\"\n[Machine]\nIsTwoPortSetting=" + std::to_string(row.twoPorts) +
                          "\n[System1]\nAxes=X Z\n";
    if (*row.failing != '\0') {
      machine += std::string("[Fail]\n") + row.failing + "=4\n";
    }
    UseMachine(machine);
    int32_t type = 99;
    EXPECT_EQ(GetNcType(ovx_, type), row.status);
    EXPECT_EQ(type, row.type);
    EXPECT_EQ(WasCalled("IsTwoPortSetting"), row.asksTwoPorts);
  }
}

}  // namespace
}  // namespace pf
