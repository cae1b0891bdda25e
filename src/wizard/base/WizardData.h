// IWizardData: what the wizard sheet offers its pages of the data that other
// pages own. Pages reach one another only through their sheet: a page asks
// its parent sheet (CWizardBasePage::GetWizardData) and the sheet answers
// from its page members.
#pragma once

#include <string>
#include <vector>

namespace pf {

class CMakeInfoPage;
class CPlaneArray;
class CProgramInfoAry;

class IWizardData {
 public:
  virtual ~IWizardData() = default;

  // The machine-information page: axis and plane lists, tandem flags,
  // incremental axis names, machine type and G-code choice.
  virtual CMakeInfoPage& MachineInfo() = 0;

  // The program records of one kind (0..10), one record per axis or plane;
  // a kind outside 0..10 throws std::out_of_range.
  virtual CProgramInfoAry& Programs(int kind) = 0;

  // The current project's name: the project page's m_strProject.
  virtual std::wstring ProjectName() const = 0;

  // The plane table with each plane's axes and stroke limits.
  virtual const CPlaneArray& Planes() const = 0;

  // The G0 speed of each axis (by axis index), as the program pages read it
  // from the NC for their sampling-time estimates; an axis not read yet is
  // missing or 0. The motion check of every page times rapid moves with it.
  virtual std::vector<double>& RapidSpeeds() = 0;
};

}  // namespace pf
