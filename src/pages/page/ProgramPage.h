// CProgramPage: the wizard page of one program kind. The sheet holds one per
// kind (0..10) and shows it once for every program of that kind that is to
// be written, with m_nCurrent naming the axis (or, for the circle kinds, the
// plane). The page edits the program record in place: distance, feed,
// dwell, radius, direction and sampling time write through as they are
// typed, the sampling time is re-estimated on every change, the axis grid
// edits the start positions, and Create and Trial run generate the files'
// texts and try the shown one on the machine. It never writes files. Its
// verdict line and picture show how the program's motion lies within the
// stroke limits, renewed after every change of the files or their selection.
#pragma once

#include <string>
#include <vector>

#include "graph/GridCtrl.h"
#include "nclink/OVXIF.h"
#include "pages/ProgramCreation.h"
#include "program/ProgramInfoAry.h"
#include "ui/Controls.h"
#include "wizard/base/WizardBasePage.h"

namespace pf {

class CMakeInfoPage;

class CProgramPage : public CWizardBasePage {
 public:
  // Dialog template 2506 with the header title and subtitle of `kind`. The
  // page reaches the NC through `ovxIf` (the module's NC wrapper), which
  // must outlive it.
  CProgramPage(COVXIF& ovxIf, unsigned headerTitleId, unsigned headerSubtitleId, int kind);
  ~CProgramPage() override = default;

  CGridCtrlEx m_gridAxis;        // axis grid PF_IDC_AXIS_GRID, made on the placeholder PF_IDC_GRID_PLACE
  int m_bDwellFlag = 0;          // check box PF_IDC_DWELL_CHECK
  CListBox m_listFile;           // PF_IDC_FILE_LIST: the titles of the listed files
  CEdit m_editFile;              // PF_IDC_PROGRAM_TEXT: the text of the selected file
  int m_nCircleDir = 0;          // radio group at PF_IDC_CLOCKWISE: 0 clockwise, 1 counter-clockwise
  CProgramInfoAry m_aryProgram;  // one record per axis (kinds 0..6) or plane (7..10); the sheet fills it
  const int m_nKind;
  int m_nCurrent = 0;            // the record shown; set by the sheet before it activates the page
  std::vector<std::wstring> m_aryCircleAxis;  // circle kinds: the two axis labels of the plane
  std::vector<std::wstring> m_aryAxisName;    // the sheet's copy of the axis labels

  // Replaces the axis label copy with `labels`.
  void SetAxisLabels(const std::vector<std::wstring>& labels);

  // Clamps `index` into the records (below 0 gives 0, past the end the
  // last) and returns m_bSaveFiles of that record: 1 when the page is to be
  // shown for it.
  int QueryProgram(int& index);

  const MessageMap* GetMessageMap() const override;
  // Binds the file list and editor, the dwell flag and the direction.
  void DoDataExchange(CDataExchange* pDX) override;
  // Makes the axis grid on the placeholder and sets the input limits.
  BOOL OnInitDialog() override;
  // Shows record m_nCurrent by the kind's rules (see ProgramPage.cpp).
  BOOL OnSetActive() override;
  // Asks 14043; only Yes lets the wizard close.
  BOOL OnQueryCancel() override;
  // Follows the keyboard focus with the hint line PF_IDC_HINT.
  void PreTranslateMessage() override;

 private:
  // The remembered focus and hint of the hint line; one pair for all pages
  // of this class, reset when any of them becomes active.
  struct FocusedControl {
    const CProgramPage* page = nullptr;
    int id = 0;
    bool operator==(const FocusedControl& o) const { return page == o.page && id == o.id; }
  };
  static FocusedControl s_focus;
  static unsigned s_hintId;

  CMakeInfoPage& Machine() const;
  CProgramInfo& CurrentProgram();
  // The program file of a list position (the list may leave files out).
  CProgramData& ListedFile(int position);
  // The label of the current axis, or of the current plane.
  const std::wstring& AxisLabel() const;
  const std::wstring& PlaneLabel() const;

  void ShowAxisLimits();
  void ApplyDwellRule();
  void ShowFeed();
  void ShowCircle();
  void FillFileList();
  void ShowFirstFile();
  void FillGrid();
  void UpdateHint();
  void UpdateNextState();
  void RunEstimate();
  // Keeps the G0 speed read for the current axis, for the motion check.
  double RememberRapidSpeed(double speed);
  // Checks the program's motion and shows the verdict and the picture of
  // the selected file.
  void UpdateMotion();
  // After a file's text or the selected file changed: both of the above.
  void UpdateFileState();
  CreationRequest MakeCreationRequest() const;

  void OnSelchangeFileList();
  void OnChangeFileText();
  void OnChangeDistance();
  void OnChangeFeed();
  void OnChangeDwell();
  void OnChangeRadius();
  void OnChangeSmpTime();
  void OnClickDwellCheck();
  void OnClickClockwise();
  void OnClickCounterClockwise();
  LRESULT OnEndEditAxisGrid(const NotifyInfo& info);
  void OnCreate();
  void OnTrialRun();

  COVXIF& m_ovxIf;
  std::vector<int> m_aryListedFile;  // file number of each list position
};

}  // namespace pf
