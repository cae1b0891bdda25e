// CProgramSheet: the program wizard. It owns every page and the plane
// table, and decides the whole page flow: Next on the project page reads
// the project file; Next on the machine-information page rebuilds the
// program records of every kind from the project folder with the NC's
// speeds and stroke ends, and the plane table; Next and Back on the
// selection and program pages walk the program pages of the selected
// programs axis by axis and plane by plane; Finish writes every selected
// program and then the project file.
//
//   CProgramSheet sheet(14001, 0, 0, 2501, g_ovxIf);
//   sheet.Execute();   // reads the machine, warns, runs the wizard modally
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "nclink/OVXIF.h"
#include "pages/page/MakeInfoPage.h"
#include "pages/page/ProgramPage.h"
#include "pages/page/ProgramReqPage.h"
#include "pages/page/ProjectPage.h"
#include "pages/page/SelProgPage.h"
#include "program/ProgramKinds.h"
#include "wizard/PageWalk.h"
#include "wizard/PlaneArray.h"
#include "wizard/base/WizardBaseSheet.h"
#include "wizard/base/WizardData.h"

namespace pf {

class CProgramSheet : public CWizardBaseSheet, public IWizardData {
 public:
  // Caption string id, index of the first page, watermark and header
  // bitmap ids, as the base sheet takes them; `ovxIf` is the module's NC
  // wrapper, which the sheet and its pages use and which must outlive them.
  CProgramSheet(unsigned captionId, unsigned selectPage, unsigned watermarkBitmapId, unsigned headerBitmapId,
                COVXIF& ovxIf);
  ~CProgramSheet() override = default;

  CMakeInfoPage m_pageMakeInfo;
  CProjectPage m_pageProject;
  CSelProgPage m_pageSelProg;
  // The program pages in sheet order: kinds 0, 2, 1, 3, 4, 5, 6, 7, 8, 9, 10.
  std::array<CProgramPage, kProgramKindCount> m_pagePrograms;
  CProgramReqPage m_pageProgramReq;
  CPlaneArray m_aryPlane;
  // The axis count of the last program page left by Next; Back restarts
  // the axis pages from it.
  int32_t m_nAxisCount = 0;

  // Adds the pages (project, machine information, selection, the program
  // pages, the summary; no Help button), reads the machine's axes and
  // planes, warns when they or the controller cannot be read or the
  // controller offers no OVX function, and runs the wizard modally. Once
  // per sheet.
  void Execute();

  // The folder of the project named on the project page: data folder +
  // "Program" + separator + name. Nothing is checked or created.
  std::wstring GetProgramFolder() const;

  // The program page of `kind` (0..10; std::out_of_range for any other).
  CProgramPage& ProgramPage(int kind);

  // IWizardData
  CMakeInfoPage& MachineInfo() override { return m_pageMakeInfo; }
  CProgramInfoAry& Programs(int kind) override { return ProgramPage(kind).m_aryProgram; }
  std::wstring ProjectName() const override { return m_pageProject.m_strProject; }
  const CPlaneArray& Planes() const override { return m_aryPlane; }
  std::vector<double>& RapidSpeeds() override { return m_aryRapidSpeed; }

  // CWizardBaseSheet: the summary page offers Back and Finish.
  void OnPageActivate() override;
  LRESULT OnPageNext() override;
  LRESULT OnPageBack() override;
  BOOL OnPageFinish() override;

 private:
  bool ReadMachine();
  void CheckController();
  bool NextFromProject();
  void NextFromMachine();
  // The active page as a program page, null when it is another page.
  CProgramPage* ActiveProgramPage();
  // Shows where a walk ended; a program page gets the record index and the
  // start positions of `source` (when the walk began on a program page).
  void ShowWalkEnd(const WalkPosition& end, const CProgramInfo* source);
  WalkCounts Counts() const;
  RecordSelected SelectedQuery();

  COVXIF& m_ovxIf;
  std::vector<double> m_aryRapidSpeed;
};

}  // namespace pf
