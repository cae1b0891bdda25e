// The program sheet run modally as the plug-in runs it, driven from the
// input queue: the warnings before the wizard, the records built on the
// machine page's Next, the walk over the selected program pages forth and
// back, Finish with the bytes it writes, Finishes that fail on real files
// and leave every old file as it was, and Cancel.
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "common/Path.h"
#include "common/Text.h"
#include "pages/ShellFixture.h"
#include "res/controls.h"
#include "res/styles.h"
#include "sheet/ProgramSheet.h"
#include "support/FaultyFileSystem.h"
#include "support/FullDisk.h"
#include "ui/headless/HeadlessTree.h"
#include "wizard/ProjectCommit.h"
#include "wizard/ProjectFile.h"
#include "wizard/ProjectFolders.h"

namespace pf::test {
namespace {

using Names = std::vector<std::wstring>;
// Where the walk stands: a program kind and its record index, or -1 for the
// summary page and -2 for the selection page.
using Stop = std::pair<int, int>;
using Stops = std::vector<Stop>;

constexpr Stop kSummary{-1, 0};
constexpr Stop kSelection{-2, 0};

// Two axes and one plane, recognised as a type 1 controller.
constexpr const char kSmallMachine[] = R"(
[Comm]
Controller=H52
TCP=192.168.100.1,64758
[System1]
Axes=X Y
BASE_I=X
BASE_J=Y
BASE_K=Z
[Axes]
MAX_SPEED=36000
AFTER_INTERP_G0_MAX_SPEED=40000
OT_MINUS=-500.000
OT_PLUS=500.000
)";

class ProgramSheetTest : public ShellTest {
 protected:
  // Runs the wizard modally; `body` is the user's input, after which the
  // run ends as the input runs out (unless the body closed the sheet).
  void Run(const std::function<void()>& body) {
    ui.queue().Add([body](HeadlessUi&) { body(); });
    sheet.Execute();
  }

  // The user names the project and confirms the machine: the selection
  // page is shown.
  void ToSelection() {
    ASSERT_TRUE(ui.TypeText(PF_IDC_PROJECT, L"Line1"));
    ASSERT_TRUE(ui.PressNext());
    ASSERT_TRUE(ui.PressNext());
    ASSERT_EQ(sheet.GetActivePage(), &sheet.m_pageSelProg);
  }

  // Ticks whole groups on the selection page.
  void Tick(std::initializer_list<int> groups) {
    for (int group : groups) {
      ASSERT_TRUE(ui.ClickTreeItem(PF_IDC_SELECTION_TREE, sheet.m_pageSelProg.m_hGroup.at(group), TreePart::StateIcon));
    }
  }

  Stop Where() {
    CPropertyPage* page = sheet.GetActivePage();
    if (page == &sheet.m_pageProgramReq) return kSummary;
    if (page == &sheet.m_pageSelProg) return kSelection;
    for (const CProgramPage& program : sheet.m_pagePrograms) {
      if (page == &program) return {program.m_nKind, program.m_nCurrent};
    }
    return {-3, 0};
  }

  // Creates the files on each program page and goes on with Next until the
  // summary page; the stops on the way.
  Stops WalkForward() {
    Stops stops;
    for (Stop stop = Where(); stop != kSummary && stops.size() < 40; stop = Where()) {
      stops.push_back(stop);
      if (stop.first >= 0) {
        EXPECT_TRUE(ui.Click(PF_IDC_CREATE));
      }
      EXPECT_TRUE(ui.PressNext());
    }
    return stops;
  }

  Stops WalkBack() {
    Stops stops;
    for (Stop stop = Where(); stop != kSelection && stops.size() < 40; stop = Where()) {
      stops.push_back(stop);
      EXPECT_TRUE(ui.PressBack());
    }
    return stops;
  }

  std::wstring ProjectFolder() { return ProjectFolderPath(L"Line1"); }

  // Every file below the project folder with its bytes.
  std::map<std::wstring, std::string> ProjectFiles() {
    std::map<std::wstring, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(ToNarrow(ProjectFolder()))) {
      std::string bytes;
      if (entry.is_regular_file() && ReadFileBytes(entry.path().wstring(), bytes)) files[entry.path().wstring()] = bytes;
    }
    return files;
  }

  // A project that holds "old" bytes in every file of `kinds` for `axes`
  // (the plane $1-IJ for the circle kinds) and an old project file; the
  // last file written.
  std::wstring WriteOldProject(const Names& axes, std::initializer_list<int> kinds) {
    std::wstring lastFile;
    for (int kind : kinds) {
      int count = 0;
      const ProgramFileEntry* files = GetProgramFileTable(kind, kMachineLathe, count);
      for (const std::wstring& name : kind >= 9 ? Names{L"$1-IJ"} : axes) {
        const std::wstring folder = CProgramInfo::ProgramFolder(ProjectFolder(), name, kind);
        EXPECT_TRUE(MakeDirectory(folder));
        for (int f = 0; f < count; ++f) {
          lastFile = folder + PathSep() + files[f].fileName;
          EXPECT_TRUE(WriteFileBytes(lastFile, "old " + ToNarrow(files[f].fileName)));
        }
      }
    }
    EXPECT_TRUE(WriteFileBytes(ProjectFilePath(ProjectFolder()), "[Machine]\r\nMachineInfo=0\r\n; old\r\n"));
    return lastFile;
  }

  CProgramSheet sheet{14001, 0, 0, 2501, ovx_};
};

TEST_F(ProgramSheetTest, TheRunWarnsBeforeShowingTheWizard) {
  struct Row {
    const char* name;
    const char* machine;
    unsigned id;              // 0: none, or a text
    const wchar_t* text;
    MsgIcon icon;
  };
  const Row kRows[] = {
      {"type 1", nullptr, 0, nullptr, MsgIcon::None},
      {"no axes", "[Information]\nAXISNUM_SPC=0\n[System1]\nAxes=X\n", 12501, nullptr, MsgIcon::Warning},
      {"unknown controller", "[Comm]\nController=ZZ9\nTCP=10.0.0.1,1\n[System1]\nAxes=X\n", 0,
       L"NCType Not Found", MsgIcon::Error},
      {"type 0 busy", "[Comm]\nController=Q4RT\nTCP=10.0.0.1,683\n[Machine]\nCheckNcStatusForOVXFunction=1\n"
                      "[System1]\nAxes=X\n", 0, nullptr, MsgIcon::None},
      {"type 0 without OVX", "[Comm]\nController=Q4RT\nTCP=10.0.0.1,683\n[System1]\nAxes=X\n", 12506, nullptr,
       MsgIcon::Error},
      {"type 0 empty OVX", "[Information]\nOVX=\n[Comm]\nController=Q4RT\nTCP=10.0.0.1,683\n[System1]\nAxes=X\n",
       12550, nullptr, MsgIcon::Error},
  };
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.name);
    UseMachine(row.machine);
    CProgramSheet run(14001, 0, 0, 2501, ovx_);
    const std::size_t before = ui.messages().size();
    run.Execute();
    const bool expected = row.id != 0 || row.text != nullptr;
    ASSERT_EQ(ui.messages().size() - before, expected ? 1u : 0u);
    if (expected) {
      const MessageRecord& shown = ui.messages().back();
      EXPECT_EQ(shown.stringId, row.id);
      if (row.text != nullptr) {
        EXPECT_EQ(shown.text, row.text);
      }
      EXPECT_EQ(shown.icon, row.icon);
      EXPECT_EQ(shown.buttons, MsgButtons::Ok);
    }
    // The wizard is shown in every case, and the input ran out.
    ASSERT_FALSE(ui.closed().empty());
    EXPECT_EQ(ui.closed().back().window, &run);
    EXPECT_TRUE(ui.closed().back().inputRanOut);
  }
}

TEST_F(ProgramSheetTest, TheSheetHasFifteenPagesAndNoHelp) {
  UseMachine(kSmallMachine);
  Run([&] {
    EXPECT_EQ(sheet.GetPageCount(), 15);
    EXPECT_EQ(sheet.GetPage(0), &sheet.m_pageProject);
    EXPECT_EQ(sheet.GetPage(1), &sheet.m_pageMakeInfo);
    EXPECT_EQ(sheet.GetPage(2), &sheet.m_pageSelProg);
    const int kKinds[] = {0, 2, 1, 3, 4, 5, 6, 7, 8, 9, 10};
    for (int i = 0; i < 11; ++i) {
      EXPECT_EQ(sheet.GetPage(3 + i), &sheet.ProgramPage(kKinds[i]));
      EXPECT_EQ(sheet.ProgramPage(kKinds[i]).GetTemplateId(), 2506u);
    }
    EXPECT_EQ(sheet.GetPage(14), &sheet.m_pageProgramReq);
    EXPECT_EQ(sheet.m_psh.dwFlags & kPshHasHelp, 0u);
    EXPECT_NE(sheet.m_psh.dwFlags & kPshWizard97, 0u);
    EXPECT_FALSE(Shown(sheet, kIdHelp));
    EXPECT_EQ(sheet.GetStyle() & PF_WS_MINIMIZEBOX, 0u);
    EXPECT_EQ(sheet.m_pageSelProg.GetHeaderTitleId(), 14045u);
    EXPECT_EQ(sheet.ProgramPage(9).GetHeaderTitleId(), 14034u);
    EXPECT_EQ(sheet.ProgramPage(9).GetHeaderSubtitleId(), 14010u);
  });
}

TEST_F(ProgramSheetTest, NextOnTheMachinePageRebuildsTheRecords) {
  UseMachine(kSmallMachine);
  ASSERT_TRUE(MakeDirectory(ProjectFolder()));
  ASSERT_TRUE(WriteFileBytes(ProjectFilePath(ProjectFolder()), "[Machine]\r\nMachineInfo=1\r\n[GCode]\r\nNumber=3\r\n"));
  Run([&] {
    ASSERT_TRUE(ui.TypeText(PF_IDC_PROJECT, L"Line1"));
    ASSERT_TRUE(ui.PressNext());
    CMakeInfoPage& machine = sheet.m_pageMakeInfo;
    EXPECT_EQ(machine.m_nFixedMachineType, 1);   // the project's choices, locked
    EXPECT_EQ(machine.m_nFixedGCodeNumber, 3);
    ASSERT_TRUE(ui.PressNext());
    for (int kind = 0; kind < kProgramKindCount; ++kind) {
      SCOPED_TRACE(kind);
      EXPECT_EQ(sheet.Programs(kind).size(), IsCircleKind(kind) ? 1u : 2u);
      EXPECT_EQ(sheet.ProgramPage(kind).m_aryAxisName, (Names{L"$1-X", L"$1-Y"}));
    }
    EXPECT_EQ(sheet.Programs(1).at(0).m_strFeed, L"36000");
    EXPECT_EQ(sheet.Programs(4).at(1).m_strFeed, L"1000");
    EXPECT_EQ(sheet.Programs(6).at(0).m_strLimitMinus, L"-500.000");
    ASSERT_EQ(sheet.m_aryPlane.size(), 1u);
    EXPECT_EQ(sheet.m_aryPlane[0].m_strName, L"$1-IJ");

    // The machine page left by Next once more (the selection page itself
    // offers no Back): the plane table is rebuilt, not extended.
    ASSERT_TRUE(ui.RunInput(L"show machine page", [&] {
      return sheet.SetActivePage(&sheet.m_pageMakeInfo) ? std::wstring() : std::wstring(L"not shown");
    }));
    ASSERT_TRUE(ui.PressNext());
    EXPECT_EQ(sheet.m_aryPlane.size(), 1u);
    EXPECT_EQ(sheet.Programs(0).size(), 2u);
  });
  EXPECT_EQ(ui.waitDepth(), 0);
  EXPECT_EQ(ui.waitBegins(), 3);
}

// The order of the pages is the walk's own affair; here: the sheet walks
// the ticked records, each once, carries a start position on to the later
// pages of its axis, and ends on the summary page with Finish.
TEST_F(ProgramSheetTest, NextShowsEachTickedRecordAndCarriesTheStartPositions) {
  UseMachine(kSmallMachine);
  Run([&] {
    ToSelection();
    Tick({0, 1, 2, 6});
    ASSERT_TRUE(ui.PressNext());
    ASSERT_EQ(Where(), Stop(0, 0));
    ASSERT_TRUE(ui.RunInput(L"edit cell", [&] {
      sheet.ProgramPage(0).m_gridAxis.EditCell(2, 1, L"7.5");
      return std::wstring();
    }));
    Stops forward = WalkForward();
    std::sort(forward.begin(), forward.end());
    const Stops kTicked = {{0, 0}, {0, 1}, {1, 0}, {1, 1}, {2, 0}, {2, 1},
                           {3, 0}, {3, 1}, {4, 0}, {4, 1}, {9, 0}, {10, 0}};
    EXPECT_EQ(forward, kTicked);
    EXPECT_EQ(sheet.Programs(2).at(0).m_aryAxis.at(1).m_strPosition, L"7.5");
    EXPECT_EQ(sheet.Programs(10).at(0).m_aryAxis.at(1).m_strPosition, L"7.5");
    EXPECT_EQ(sheet.Programs(5).at(0).m_aryAxis.at(1).m_strPosition, L"0");
    EXPECT_EQ(sheet.m_nAxisCount, 2);
    EXPECT_TRUE(Enabled(sheet, kIdWizBack));
    EXPECT_TRUE(Shown(sheet, kIdWizFinish));
    EXPECT_TRUE(Enabled(sheet, kIdWizFinish));
    EXPECT_FALSE(Shown(sheet, kIdWizNext));
  });
}

TEST_F(ProgramSheetTest, BackCarriesTheStartPositionsToThePreviousPage) {
  UseMachine(kSmallMachine);
  Run([&] {
    ToSelection();
    Tick({0, 1});
    ASSERT_TRUE(ui.PressNext());
    ASSERT_TRUE(ui.Click(PF_IDC_CREATE));
    ASSERT_TRUE(ui.PressNext());
    ASSERT_EQ(Where(), Stop(2, 0));
    ASSERT_TRUE(ui.RunInput(L"edit cell", [&] {
      sheet.ProgramPage(2).m_gridAxis.EditCell(2, 1, L"3.25");
      return std::wstring();
    }));
    ASSERT_TRUE(ui.PressBack());
    ASSERT_EQ(Where(), Stop(0, 0));
    EXPECT_EQ(sheet.Programs(0).at(0).m_aryAxis.at(1).m_strPosition, L"3.25");
    EXPECT_EQ(sheet.Programs(1).at(0).m_aryAxis.at(1).m_strPosition, L"0");
  });
}

TEST_F(ProgramSheetTest, AWalkSkipsWhatIsNotSelected) {
  UseMachine(kSmallMachine);
  Run([&] {
    ToSelection();
    ASSERT_TRUE(ui.ClickTreeItem(PF_IDC_SELECTION_TREE, sheet.m_pageSelProg.m_hGroup.at(2), TreePart::Button));
    const HTreeItem axisY = sheet.m_pageSelProg.m_treeProgram.GetNextSiblingItem(
        sheet.m_pageSelProg.m_treeProgram.GetChildItem(sheet.m_pageSelProg.m_hGroup.at(2)));
    ASSERT_TRUE(ui.ClickTreeItem(PF_IDC_SELECTION_TREE, axisY, TreePart::StateIcon));
    ASSERT_TRUE(ui.PressNext());
    EXPECT_EQ(WalkForward(), (Stops{{4, 1}}));
    EXPECT_EQ(WalkBack(), (Stops{kSummary, {4, 1}}));
  });
}

TEST_F(ProgramSheetTest, FinishWritesTheProgramsAndThenTheProjectFile) {
  UseMachine(kSmallMachine);
  Run([&] {
    ToSelection();
    Tick({0, 1, 2, 6});
    ASSERT_TRUE(ui.PressNext());
    WalkForward();
    ASSERT_TRUE(ui.PressFinish());
  });
  ASSERT_TRUE(ui.messages().empty());
  EXPECT_EQ(ui.closed().back().result, kIdWizFinish);

  struct Row {
    int kind;
    Names folders;
  };
  const Row kRows[] = {
      {0, {L"$1-X", L"$1-Y"}}, {1, {L"$1-X", L"$1-Y"}}, {2, {L"$1-X", L"$1-Y"}}, {3, {L"$1-X", L"$1-Y"}},
      {4, {L"$1-X", L"$1-Y"}}, {9, {L"$1-IJ"}},         {10, {L"$1-IJ"}},
  };
  for (const Row& row : kRows) {
    for (std::size_t i = 0; i < row.folders.size(); ++i) {
      const CProgramInfo& record = sheet.Programs(row.kind).at(i);
      int count = 0;
      const ProgramFileEntry* files = GetProgramFileTable(row.kind, kMachineLathe, count);
      ASSERT_EQ(static_cast<std::size_t>(count), record.size());
      for (int f = 0; f < count; ++f) {
        SCOPED_TRACE(ToNarrow(row.folders[i]) + " " + std::to_string(row.kind) + " " + ToNarrow(files[f].fileName));
        const std::wstring path =
            CProgramInfo::ProgramFolder(ProjectFolder(), row.folders[i], row.kind) + PathSep() + files[f].fileName;
        std::string bytes;
        ASSERT_TRUE(ReadFileBytes(path, bytes));
        EXPECT_EQ(bytes, ToNarrow(record.at(static_cast<std::size_t>(f)).m_strText) + "%");
        EXPECT_NE(bytes.find("M30\r\n"), std::string::npos);
      }
    }
  }
  for (const wchar_t* kindFolder : {L"VKS-FF", L"InertiaRatio", L"LostMotion2"}) {
    EXPECT_FALSE(PathExists(ProjectFolder() + PathSep() + L"$1-X" + PathSep() + kindFolder));
    EXPECT_FALSE(PathExists(ProjectFolder() + PathSep() + L"$1-IJ" + PathSep() + kindFolder));
  }
  std::string project;
  ASSERT_TRUE(ReadFileBytes(ProjectFilePath(ProjectFolder()), project));
  EXPECT_EQ(project, "[Machine]\r\nMachineInfo=0\r\n[GCode]\r\nNumber=0\r\n");
}

TEST_F(ProgramSheetTest, AProjectFileWithChoicesThePageCannotShowLeavesItUnlocked) {
  const struct {
    const char* what;
    const char* projectFile;
  } kRows[] = {
      {"machine type 7", "[Machine]\r\nMachineInfo=7\r\n[GCode]\r\nNumber=0\r\n"},
      {"G-code list 9", "[Machine]\r\nMachineInfo=0\r\n[GCode]\r\nNumber=9\r\n"},
  };
  UseMachine(kSmallMachine);
  for (const auto& row : kRows) {
    SCOPED_TRACE(row.what);
    ASSERT_TRUE(MakeDirectory(ProjectFolder()));
    ASSERT_TRUE(WriteFileBytes(ProjectFilePath(ProjectFolder()), row.projectFile));
    CProgramSheet damaged{14001, 0, 0, 2501, ovx_};
    ui.queue().Add([&](HeadlessUi&) {
      ASSERT_TRUE(ui.TypeText(PF_IDC_PROJECT, L"Line1"));
      ASSERT_TRUE(ui.PressNext());
      EXPECT_TRUE(ui.FindControl(damaged.m_pageMakeInfo, PF_IDC_MACHINE_TYPE)->IsEnabled());   // the choices are free
      ASSERT_TRUE(ui.PressNext());
      ASSERT_TRUE(ui.ClickTreeItem(PF_IDC_SELECTION_TREE, damaged.m_pageSelProg.m_hGroup.at(0), TreePart::StateIcon));
      ASSERT_TRUE(ui.PressNext());
      for (int page = 0; page < 6 && damaged.GetActivePage() != &damaged.m_pageProgramReq; ++page) {
        EXPECT_TRUE(ui.Click(PF_IDC_CREATE));
        EXPECT_TRUE(ui.PressNext());
      }
      ASSERT_TRUE(ui.PressFinish());
    });
    damaged.Execute();
    EXPECT_EQ(ui.closed().back().result, kIdWizFinish);
    std::string positioning;
    ASSERT_TRUE(ReadFileBytes(CProgramInfo::ProgramFolder(ProjectFolder(), L"$1-X", 0) + PathSep() + L"G0Pos.eia",
                              positioning));
    EXPECT_NE(positioning.find("G98G97G40G00"), std::string::npos);   // the lathe's mode words of list 2
    std::string project;
    ASSERT_TRUE(ReadFileBytes(ProjectFilePath(ProjectFolder()), project));
    EXPECT_EQ(project, "[Machine]\r\nMachineInfo=0\r\n[GCode]\r\nNumber=0\r\n");
  }
}

// A Finish that cannot write one program file of the last kind: the project
// already holds every program and its project file, and after the refused
// Finish all of them hold their old bytes and no temporary file is left.
struct FinishFault {
  const char* name;
  // Sets the fault up on `file`, the last program file that Finish writes,
  // after the old files were written; `disk` is the project folder's disk.
  void (*arrange)(const std::wstring& file, FullDisk& disk);
};

void FileIsAFolder(const std::wstring& file, FullDisk&) {
  ASSERT_TRUE(DeleteFilePath(file));
  ASSERT_TRUE(MakeDirectory(file));
}
void FileIsReadOnly(const std::wstring& file, FullDisk&) { ASSERT_EQ(chmod(ToNarrow(file).c_str(), 0444), 0); }
void FolderIsAFile(const std::wstring& file, FullDisk&) {
  const std::wstring planeFolder = file.substr(0, file.rfind(kPathSep));
  std::filesystem::remove_all(planeFolder);
  ASSERT_TRUE(WriteFileBytes(planeFolder, "in the way"));
}
// Two program files still fit on the small disk; under a file-size limit
// instead, every file longer than 64 bytes fails.
void DiskIsFull(const std::wstring&, FullDisk& disk) { disk.LeaveRoom(disk.mounted() ? 8192 : 64); }

class FinishFaultTest : public ProgramSheetTest, public ::testing::WithParamInterface<FinishFault> {};

TEST_P(FinishFaultTest, LeavesEveryOldFileAsItWas) {
  UseMachine(kSmallMachine);
  FullDisk disk(ToNarrow(ProjectFolder()));
  std::map<std::wstring, std::string> before;
  Run([&] {
    ToSelection();
    Tick({0, 1, 2, 6});
    ASSERT_TRUE(ui.PressNext());
    WalkForward();
    const std::wstring lastFile = WriteOldProject({L"$1-X", L"$1-Y"}, {0, 1, 2, 3, 4, 9, 10});
    GetParam().arrange(lastFile, disk);
    before = ProjectFiles();
    ASSERT_TRUE(ui.PressFinish());
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0].stringId, 12518u);
    EXPECT_EQ(ui.messages()[0].icon, MsgIcon::Error);
    EXPECT_EQ(Where(), kSummary);   // the wizard stays open
  });
  EXPECT_EQ(ui.closed().back().result, kIdCancel);
  EXPECT_GT(before.size(), 20u);
  EXPECT_EQ(ProjectFiles(), before);   // old bytes everywhere, no temporary file, the same project file
}

INSTANTIATE_TEST_SUITE_P(Faults, FinishFaultTest,
                         ::testing::Values(FinishFault{"FileIsAFolder", FileIsAFolder},
                                           FinishFault{"FileIsReadOnly", FileIsReadOnly},
                                           FinishFault{"FolderIsAFile", FolderIsAFile},
                                           FinishFault{"DiskIsFull", DiskIsFull}),
                         [](const ::testing::TestParamInfo<FinishFault>& info) { return info.param.name; });

// A Finish that changes the positioning programs of $1-X and the project
// file and adds those of $1-Y, made to fail at each of its file operations
// in turn, then to die at each, then to fail from each on and be pressed
// again: every run ends with all files old (12518 shown, or recovered after
// the crash) or all new. Without faults the written files reach the disk
// before the first rename.
TEST_F(ProgramSheetTest, FinishFailingOrDyingAtAnyFileOperationLeavesAllOldOrAllNew) {
  UseMachine(kSmallMachine);
  std::map<std::wstring, std::string> oldFiles;
  std::map<std::wstring, std::string> newFiles;
  const auto restoreOld = [&] {
    std::filesystem::remove_all(ToNarrow(ProjectFolder()));
    WriteOldProject({L"$1-X"}, {0, 1});
    return ProjectFiles();
  };
  // The program and project files; what a write leaves on the way (the
  // journal, staged files, backups) goes at the next opening of the project.
  const auto projectFiles = [&] {
    std::map<std::wstring, std::string> files = ProjectFiles();
    for (auto file = files.begin(); file != files.end();) {
      const bool onTheWay = IsBatchLeftover(file->first) || file->first == JournalPathIn(ProjectFolder());
      file = onTheWay ? files.erase(file) : std::next(file);
    }
    return files;
  };
  const auto finishWith = [&](FaultyFileSystem& fileSystem) {
    ScopedFileSystem scope(fileSystem);
    return sheet.OnPageFinish();
  };
  Run([&] {
    ToSelection();
    Tick({0});
    ASSERT_TRUE(ui.PressNext());
    WalkForward();
    oldFiles = restoreOld();
    FaultyFileSystem clean;
    ASSERT_TRUE(finishWith(clean));
    newFiles = projectFiles();
    const std::size_t firstRename = clean.ops().find('N');
    EXPECT_LT(clean.ops().find('F', clean.ops().rfind('W', firstRename)), firstRename) << clean.ops();
    // Call k fails; calls from k on fail (as if the process died) and the
    // project is recovered; or they fail while the wizard stays open, and
    // Finish is pressed again without faults.
    enum Pass { kFails, kDies, kRetried };
    int mixed = 0;
    for (const Pass pass : {kFails, kDies, kRetried}) {
      for (int k = 1; k <= clean.calls(); ++k) {
        SCOPED_TRACE(std::to_string(k) + " in pass " + std::to_string(pass));
        restoreOld();
        const std::size_t shown = ui.messages().size();
        FaultyFileSystem faulty(pass == kFails ? FaultyFileSystem::Mode::Fail : FaultyFileSystem::Mode::Crash, k);
        const BOOL finished = finishWith(faulty);
        FaultyFileSystem again;
        if (pass == kDies) RecoverProject(ProjectFolder());
        if (pass == kRetried) {
          EXPECT_TRUE(finishWith(again));
        }
        const auto files = projectFiles();
        mixed += files != oldFiles && files != newFiles;
        if (pass == kFails) {
          EXPECT_EQ(files == newFiles, finished != FALSE);
          EXPECT_EQ(ui.messages().size() - shown, finished ? 0u : 1u);
        }
      }
    }
    EXPECT_EQ(mixed, 0);
    RecordProperty("points_tried_per_mode", clean.calls());
  });
  EXPECT_GT(newFiles.size(), oldFiles.size());
}

// A Finish that died on the way is finished when the project is opened
// again, and the project page says so before it lets the user on.
TEST_F(ProgramSheetTest, OpeningAProjectFinishesACutShortFinishAndSaysSo) {
  UseMachine(kSmallMachine);
  Run([&] {
    ToSelection();
    Tick({0});
    ASSERT_TRUE(ui.PressNext());
    WalkForward();
    FaultyFileSystem dying(FaultyFileSystem::Mode::Crash, 30);   // after 11 files staged, 3 of them renamed
    ScopedFileSystem scope(dying);
    sheet.OnPageFinish();
  });
  CProgramSheet again{14001, 0, 0, 2501, ovx_};
  ui.queue().Add([&](HeadlessUi&) {
    ASSERT_TRUE(ui.TypeText(PF_IDC_PROJECT, L"Line1"));
    ASSERT_TRUE(ui.PressNext());
    EXPECT_EQ(again.GetActivePage(), &again.m_pageProject);
    EXPECT_EQ(ui.FindControl(again.m_pageProject, PF_IDC_PROJECT_REASON)->GetText(), LoadResString(14080));
    ASSERT_TRUE(ui.PressNext());
    EXPECT_EQ(again.GetActivePage(), &again.m_pageMakeInfo);
  });
  again.Execute();
  EXPECT_TRUE(PathExists(ProjectFilePath(ProjectFolder())));
}

TEST_F(ProgramSheetTest, CancelOnAProgramPageClosesOnlyOnYes) {
  UseMachine(kSmallMachine);
  Run([&] {
    ToSelection();
    Tick({2});
    ASSERT_TRUE(ui.PressNext());
    ASSERT_EQ(Where(), Stop(4, 0));
    ui.QueueAnswer(kAnswerNo);
    ASSERT_TRUE(ui.PressCancel());
    EXPECT_EQ(Where(), Stop(4, 0));
    ASSERT_TRUE(sheet.HasWindow());
    ui.QueueAnswer(kAnswerYes);
    ASSERT_TRUE(ui.PressCancel());
  });
  ASSERT_EQ(ui.messages().size(), 2u);
  EXPECT_EQ(ui.messages()[0].stringId, 14043u);
  EXPECT_EQ(ui.messages()[1].stringId, 14043u);
  EXPECT_EQ(ui.closed().back().result, kIdCancel);
  EXPECT_FALSE(ui.closed().back().inputRanOut);
}

}  // namespace
}  // namespace pf::test
