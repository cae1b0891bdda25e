// The fixture of the program page and summary page tests: ShellFixture.h's
// machine and toolkit, and a sheet of the eleven program pages by kind and
// the summary page without the page flow: a test shows a page directly.
#pragma once

#include <array>
#include <string>

#include "pages/ShellFixture.h"
#include "pages/page/ProgramPage.h"
#include "pages/page/ProgramReqPage.h"
#include "program/ProgramKinds.h"
#include "wizard/MachineValues.h"
#include "wizard/ProjectFolders.h"

namespace pf::test {

class PagesSheet : public CWizardBaseSheet, public IWizardData {
 public:
  explicit PagesSheet(COVXIF& ovxIf)
      : CWizardBaseSheet(14001),
        machine(ovxIf),
        programs{{
            {ovxIf, 14011, 14041, 0},
            {ovxIf, 14011, 14005, 1},
            {ovxIf, 14002, 14041, 2},
            {ovxIf, 14002, 14005, 3},
            {ovxIf, 14032, 14005, 4},
            {ovxIf, 14036, 14005, 5},
            {ovxIf, 14027, 14005, 6},
            {ovxIf, 14033, 14010, 7},
            {ovxIf, 14033, 14044, 8},
            {ovxIf, 14034, 14010, 9},
            {ovxIf, 14034, 14044, 10},
        }},
        ovx_(ovxIf) {
    m_psh.dwFlags |= kPshWizard97;
    AddPage(&selection);
    for (CProgramPage& page : programs) AddPage(&page);
    AddPage(&summary);
  }

  CMakeInfoPage& MachineInfo() override { return machine; }
  CProgramInfoAry& Programs(int kind) override { return Page(kind).m_aryProgram; }
  std::wstring ProjectName() const override { return project; }
  const CPlaneArray& Planes() const override { return planes; }
  std::vector<double>& RapidSpeeds() override { return rapidSpeeds; }

  CProgramPage& Page(int kind) { return programs.at(static_cast<std::size_t>(kind)); }

  // Reads the machine and builds what the sheet builds when the machine is
  // confirmed: the records of every kind for a new project with the NC's
  // values, the plane table and the pages' axis labels.
  void ReadMachine(int machineType = kMachineLathe) {
    machine.MakeAxisInfo();
    machine.MakePlaneInfo();
    machine.m_nMachineType = machineType;
    ProgramLists lists{};
    for (int kind = 0; kind < kProgramKindCount; ++kind) {
      Programs(kind).Init(kind, machineType, ProjectFolderPath(project), machine.m_aryAxisName,
                          machine.m_aryPlaneName);
      lists[static_cast<std::size_t>(kind)] = &Programs(kind);
      Page(kind).SetAxisLabels(machine.m_aryAxisName);
    }
    if (machine.m_bAxisInfoOK == 1) FillMachineValues(ovx_, machine.m_aryAxisName, lists);
    planes.Rebuild(ovx_, machine.m_aryPlaneName, machine.m_aryPlaneAxis);
  }

  CMakeInfoPage machine;
  CWizardBasePage selection{2509, 0, 14045, 14046};
  std::array<CProgramPage, kProgramKindCount> programs;  // by kind
  CProgramReqPage summary;
  CPlaneArray planes;
  std::vector<double> rapidSpeeds;
  std::wstring project = L"Line1";

 private:
  COVXIF& ovx_;
};

class PagesTest : public ShellTest {
 protected:
  // Opens the sheet (on its first page).
  void Open() { ASSERT_TRUE(ui.OpenSheet(sheet)); }

  // Shows the page of `kind` for record `index`, as Next on the page before
  // it would.
  CProgramPage& Show(int kind, int index) {
    CProgramPage& page = sheet.Page(kind);
    page.m_nCurrent = index;
    Activate(page);
    return page;
  }
  void ShowSummary() { Activate(sheet.summary); }
  void Activate(CWizardBasePage& page) {
    EXPECT_TRUE(ui.RunInput(L"show page", [&] { return sheet.SetActivePage(&page) ? L"" : L"not shown"; }));
  }

  // A person edits a grid cell in place.
  void EditCell(CProgramPage& page, int row, int column, const std::wstring& typed) {
    ASSERT_TRUE(ui.RunInput(L"edit cell", [&] {
      return page.m_gridAxis.EditCell(row, column, typed) ? std::wstring() : std::wstring(L"not editable");
    }));
  }

  CProgramInfo& Record(int kind, int index) { return sheet.Programs(kind).at(static_cast<std::size_t>(index)); }

  PagesSheet sheet{ovx_};
};

}  // namespace pf::test
