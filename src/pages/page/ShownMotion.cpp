// The shown program's motion check in the page (see ShownMotion.h).
#include "pages/page/ShownMotion.h"

#include <string>
#include <utility>

#include "pages/ProgramCreation.h"
#include "pages/ProgramMotion.h"
#include "pages/page/MakeInfoPage.h"
#include "program/ProgramInfoAry.h"
#include "res/controls.h"
#include "ui/Controls.h"
#include "wizard/base/WizardData.h"

namespace pf {
namespace {

ProgramMotion CheckShownProgram(IWizardData& data, int kind, int index) {
  const CMakeInfoPage& machine = data.MachineInfo();
  ProgramMotionInput input;
  input.program = &data.Programs(kind).at(static_cast<std::size_t>(index));
  input.kind = kind;
  input.index = index;
  input.machine =
      MakeAxisNameSource(machine.m_aryAxisName, machine.m_aryIncAxis, machine.m_nMachineType, machine.m_nGCodeNumber);
  input.planeNames = machine.m_aryPlaneName;
  input.planeAxes = machine.m_aryPlaneAxis;
  input.planes = &data.Planes();
  // The machine-information step gives every axis kind the same limit texts.
  input.axisLimits = AxisLimitsOf(data.Programs(0));
  input.rapidSpeeds = data.RapidSpeeds();
  return CheckProgramMotion(input);
}

MotionPicture FilePicture(const ProgramMotion& motion, int file) {
  if (file < 0 || file >= static_cast<int>(motion.pictures.size())) return MotionPicture();
  return motion.pictures[static_cast<std::size_t>(file)];
}

// File 0 is the position file; the measurement files follow it.
MotionPicture MeasurementPicture(const ProgramMotion& motion) {
  for (std::size_t file = 1; file < motion.pictures.size(); ++file) {
    if (!motion.pictures[file].IsEmpty()) return motion.pictures[file];
  }
  return FilePicture(motion, 0);
}

// Lower is shown first: the worse stroke outcome, then one with remarks.
int Rank(const ProgramMotion& motion) {
  const int status =
      motion.status == MotionStatus::Empty ? static_cast<int>(MotionStatus::Within) + 1 : static_cast<int>(motion.status);
  return 2 * status + (motion.remarks.empty() ? 1 : 0);
}

void Show(CWnd& page, const std::wstring& verdict, const MotionPicture& picture) {
  page.SetDlgItemText(PF_IDC_MOTION_VERDICT, verdict);
  CPictureCtrl(&page, PF_IDC_MOTION_PICTURE).SetPicture(picture);
}

}  // namespace

void ShowProgramMotion(CWnd& page, IWizardData& data, int kind, int index, int file) {
  const ProgramMotion motion = CheckShownProgram(data, kind, index);
  Show(page, motion.Text(), FilePicture(motion, file));
}

void ShowEntryMotion(CWnd& page, IWizardData& data, const int* kinds, int kindCount, int index) {
  ProgramMotion worst;
  for (int k = 0; k < kindCount; ++k) {
    ProgramMotion motion = CheckShownProgram(data, kinds[k], index);
    if (k == 0 || Rank(motion) < Rank(worst)) worst = std::move(motion);
  }
  Show(page, worst.Text(), MeasurementPicture(worst));
}

void ClearMotion(CWnd& page) { Show(page, std::wstring(), MotionPicture()); }

}  // namespace pf
