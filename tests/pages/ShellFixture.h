// The fixture of the project, machine and selection page tests: a simulated
// machine (support/MachineFixture.h), the headless toolkit in force, and a
// wizard sheet that holds those pages and the program records.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/StringTable.h"
#include "common/Text.h"
#include "pages/page/MakeInfoPage.h"
#include "pages/page/ProjectPage.h"
#include "pages/page/SelProgPage.h"
#include "program/ProgramInfoAry.h"
#include "program/ProgramKinds.h"
#include "support/MachineFixture.h"
#include "ui/UiBackend.h"
#include "ui/headless/HeadlessTree.h"
#include "ui/headless/HeadlessUi.h"
#include "wizard/PlaneArray.h"
#include "wizard/base/WizardBasePage.h"
#include "wizard/base/WizardBaseSheet.h"
#include "wizard/base/WizardData.h"

namespace pf::test {

// The page indices of ShellSheet.
enum ShellPage : int { kProjectPage, kMachinePage, kSelectionPage, kProgramPage, kSummaryPage };

// Project, machine information, selection, a stand-in for a program page and
// one for the summary page, so that the selection page stands in the middle.
// The sheet is a wizard-97 sheet from the start, for tests that open it step
// by step rather than through DoModal.
class ShellSheet : public CWizardBaseSheet, public IWizardData {
 public:
  explicit ShellSheet(COVXIF& ovxIf, int startPage = kProjectPage) : CWizardBaseSheet(14001), machine(ovxIf) {
    m_psh.dwFlags |= kPshWizard97;
    m_psh.nStartPage = static_cast<unsigned>(startPage);
    AddPage(&project);
    AddPage(&machine);
    AddPage(&selection);
    AddPage(&program);
    AddPage(&summary);
  }

  CMakeInfoPage& MachineInfo() override { return machine; }
  CProgramInfoAry& Programs(int kind) override { return programs.at(static_cast<std::size_t>(kind)); }
  std::wstring ProjectName() const override { return project.m_strProject; }
  const CPlaneArray& Planes() const override { return planes; }
  std::vector<double>& RapidSpeeds() override { return rapidSpeeds; }

  // Reads the machine's axes and planes, and builds the records of every
  // kind for the project as the sheet does when the machine is confirmed.
  void ReadMachine(const std::wstring& projectFolder) {
    machine.MakeAxisInfo();
    machine.MakePlaneInfo();
    for (int kind = 0; kind < kProgramKindCount; ++kind) {
      Programs(kind).Init(kind, machine.m_nMachineType, projectFolder, machine.m_aryAxisName,
                          machine.m_aryPlaneName);
    }
  }

  CProjectPage project;
  CMakeInfoPage machine;
  CSelProgPage selection;
  CWizardBasePage program{2506, 0, 14011, 14041};
  CWizardBasePage summary{2508, 0, 14007, 14040};
  std::array<CProgramInfoAry, kProgramKindCount> programs;
  CPlaneArray planes;
  std::vector<double> rapidSpeeds;
};

class ShellTest : public MachineTest {
 protected:
  // No handler may have been abandoned by an exception.
  void TearDown() override {
    for (const AbandonedRecord& record : ui.abandoned()) {
      ADD_FAILURE() << "abandoned: " << ToNarrow(record.where) << ": " << record.what;
    }
    MachineTest::TearDown();
  }

  // A control of an open window; a missing one fails the test.
  HeadlessControl& Control(const CWnd& window, int id) {
    HeadlessControl* control = ui.FindControl(window, id);
    if (control == nullptr) throw std::out_of_range("no control " + std::to_string(id));
    return *control;
  }
  bool Enabled(const CWnd& window, int id) { return Control(window, id).IsEnabled(); }
  bool Shown(const CWnd& window, int id) { return Control(window, id).IsVisible(); }
  std::wstring Text(const CWnd& window, int id) { return Control(window, id).GetText(); }
  HeadlessTree& Tree(const CWnd& window, int id) { return dynamic_cast<HeadlessTree&>(Control(window, id)); }

  HeadlessUi ui;
  ScopedUiBackend backend{ui};
};

// One system with axes X, Y, Z and W; Z leads a tandem pair with W, so the
// wizard lists X, Y and Z and offers programs for X and Y only. All three
// base axes are listed: three planes.
constexpr const char kTandemMachine[] = "[System1]\nAxes=X Y Z W\nBASE_I=X\nBASE_J=Y\nBASE_K=Z\n[$1-Z]\nTANDEM_AXISNUM_SPC=4\n";

// The children of a tree item, in order.
inline std::vector<HTreeItem> Children(const CTreeCtrl& tree, HTreeItem item) {
  std::vector<HTreeItem> children;
  for (HTreeItem child = tree.GetChildItem(item); child != nullptr; child = tree.GetNextSiblingItem(child)) {
    children.push_back(child);
  }
  return children;
}

}  // namespace pf::test
