// The program sheet run modally as the plug-in runs it, driven from the
// input queue: the warnings before the wizard, the records built on the
// machine page's Next, start positions carried along the walk, the files
// Finish writes, and Finishes that fail or die at any file operation and
// leave all files old or all new. (The pages' order is the walk's own test;
// the bytes of whole runs are the end-to-end files'.)
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
#include "sheet/ProgramSheet.h"
#include "support/FaultyFileSystem.h"
#include "wizard/ProjectCommit.h"
#include "wizard/ProjectFile.h"
#include "wizard/ProjectFolders.h"

namespace pf::test {
namespace {

using Stop = std::pair<int, int>;  // a program kind and its record index; -1: the summary page

// Two axes and one plane, recognised as a type 1 controller.
constexpr const char kSmallMachine[] =
    "[Comm]\nController=H52\nTCP=192.168.100.1,64758\n[System1]\nAxes=X Y\nBASE_I=X\nBASE_J=Y\nBASE_K=Z\n"
    "[Axes]\nMAX_SPEED=36000\nOT_MINUS=-500.000\nOT_PLUS=500.000\n";

class ProgramSheetTest : public ShellTest {
 protected:
  // Runs the wizard modally; `body` is the user's input, after which the
  // run ends as the input runs out (unless the body closed the sheet).
  void Run(const std::function<void()>& body) {
    UseMachine(kSmallMachine);
    ui.queue().Add([body](HeadlessUi&) { body(); });
    sheet.Execute();
  }

  // The user names the project, confirms the machine, ticks whole groups
  // and goes on to the first program page.
  void Select(std::initializer_list<int> groups) {
    ASSERT_TRUE(ui.TypeText(PF_IDC_PROJECT, L"Line1"));
    ASSERT_TRUE(ui.PressNext());
    ASSERT_TRUE(ui.PressNext());
    for (int group : groups) {
      ASSERT_TRUE(ui.ClickTreeItem(PF_IDC_SELECTION_TREE, sheet.m_pageSelProg.m_hGroup.at(group), TreePart::StateIcon));
    }
    ASSERT_TRUE(ui.PressNext());
  }

  Stop Where() {
    for (const CProgramPage& program : sheet.m_pagePrograms) {
      if (sheet.GetActivePage() == &program) return {program.m_nKind, program.m_nCurrent};
    }
    return {-1, 0};
  }

  // Creates the files on each program page and goes on with Next until the
  // summary page; the stops on the way.
  std::vector<Stop> WalkForward() {
    std::vector<Stop> stops;
    for (Stop stop = Where(); stop.first >= 0 && stops.size() < 40; stop = Where()) {
      stops.push_back(stop);
      EXPECT_TRUE(ui.Click(PF_IDC_CREATE));
      EXPECT_TRUE(ui.PressNext());
    }
    return stops;
  }

  void EditStartPosition(int kind, const wchar_t* typed) {
    ASSERT_TRUE(ui.RunInput(L"edit cell", [&] {
      sheet.ProgramPage(kind).m_gridAxis.EditCell(2, 1, typed);
      return std::wstring();
    }));
  }

  std::wstring Position(int kind) { return sheet.Programs(kind).at(0).m_aryAxis.at(1).m_strPosition; }

  std::wstring ProjectFolder() { return ProjectFolderPath(L"Line1"); }

  // Every file below the project folder with its bytes.
  std::map<std::wstring, std::string> ProjectFiles() {
    std::map<std::wstring, std::string> files;
    std::error_code none;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(ToNarrow(ProjectFolder()), none)) {
      std::string bytes;
      if (entry.is_regular_file() && ReadFileBytes(entry.path().wstring(), bytes)) files[entry.path().wstring()] = bytes;
    }
    return files;
  }

  CProgramSheet sheet{14001, 0, 0, 2501, ovx_};
};

TEST_F(ProgramSheetTest, TheRunWarnsBeforeShowingTheWizard) {
  struct Row {
    std::string machine;
    unsigned id;            // 0: none, or a text
    const wchar_t* text;
    MsgIcon icon;
  };
  const std::string q4 = "[Comm]\nController=Q4RT\nTCP=10.0.0.1,683\n";
  const Row kRows[] = {
      {kSmallMachine, 0, nullptr, MsgIcon::None},
      {"[Information]\nAXISNUM_SPC=0\n[System1]\nAxes=X\n", 12501, nullptr, MsgIcon::Warning},
      {"[Comm]\nController=ZZ9\nTCP=10.0.0.1,1\n[System1]\nAxes=X\n", 0, L"NCType Not Found", MsgIcon::Error},
      {q4 + "[Machine]\nCheckNcStatusForOVXFunction=1\n[System1]\nAxes=X\n", 0, nullptr, MsgIcon::None},
      {q4 + "[System1]\nAxes=X\n", 12506, nullptr, MsgIcon::Error},
      {"[Information]\nOVX=\n" + q4 + "[System1]\nAxes=X\n", 12550, nullptr, MsgIcon::Error},
  };
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.machine);
    UseMachine(row.machine.c_str());
    CProgramSheet run(14001, 0, 0, 2501, ovx_);
    const std::size_t before = ui.messages().size();
    run.Execute();
    const bool expected = row.id != 0 || row.text != nullptr;
    ASSERT_EQ(ui.messages().size() - before, expected ? 1u : 0u);
    if (expected) {
      EXPECT_EQ(ui.messages().back().stringId, row.id);
      EXPECT_EQ(ui.messages().back().text, row.text != nullptr ? std::wstring(row.text) : ui.messages().back().text);
      EXPECT_EQ(ui.messages().back().icon, row.icon);
    }
    EXPECT_EQ(ui.closed().back().window, &run);   // the wizard is shown in every case
  }
}

// The records are rebuilt from the NC's values each time the machine page is
// left by Next; axes added by hand to a machine whose axes were not read
// keep their start values.
TEST_F(ProgramSheetTest, NextOnTheMachinePageRebuildsTheRecords) {
  ASSERT_TRUE(MakeDirectory(ProjectFolder()));
  ASSERT_TRUE(WriteFileBytes(ProjectFilePath(ProjectFolder()), "[Machine]\r\nMachineInfo=1\r\n[GCode]\r\nNumber=3\r\n"));
  Run([&] {
    ASSERT_TRUE(ui.TypeText(PF_IDC_PROJECT, L"Line1"));
    ASSERT_TRUE(ui.PressNext());
    EXPECT_EQ(sheet.m_pageMakeInfo.m_nFixedGCodeNumber, 3);   // the project's choices, locked
    for (int visit = 0; visit < 2; ++visit) {
      ASSERT_TRUE(ui.PressNext());
      for (int kind = 0; kind < kProgramKindCount; ++kind) {
        EXPECT_EQ(sheet.Programs(kind).size(), IsCircleKind(kind) ? 1u : 2u);
        EXPECT_EQ(sheet.ProgramPage(kind).m_aryAxisName, (std::vector<std::wstring>{L"$1-X", L"$1-Y"}));
      }
      EXPECT_EQ(sheet.Programs(1).at(0).m_strFeed, L"36000");
      EXPECT_EQ(sheet.Programs(6).at(0).m_strLimitMinus, L"-500.000");
      EXPECT_EQ(sheet.m_aryPlane.size(), 1u);
      // Back to the machine page (the selection page offers no Back).
      ASSERT_TRUE(ui.RunInput(L"show machine page", [&] {
        return sheet.SetActivePage(&sheet.m_pageMakeInfo) ? std::wstring() : std::wstring(L"not shown");
      }));
    }
  });
  EXPECT_EQ(ui.waitDepth(), 0);

  UseMachine(nullptr);
  sim_.SetFailure("NcGetInformation", -7);   // no axis count: no axes read
  CProgramSheet unread{14001, 0, 0, 2501, ovx_};
  ui.queue().Add([&](HeadlessUi&) {
    ASSERT_TRUE(ui.TypeText(PF_IDC_PROJECT, L"Line2"));
    ASSERT_TRUE(ui.PressNext());
    ui.queue().Add([](HeadlessUi& u) { u.Click(kIdOk); });
    ASSERT_TRUE(ui.Click(PF_IDC_ADD_AXIS));
    ASSERT_TRUE(ui.PressNext());
    ASSERT_EQ(unread.Programs(1).size(), 1u);
    EXPECT_EQ(unread.Programs(1).at(0).m_strFeed, L"0");
  });
  unread.Execute();
}

// The sheet walks the ticked records, each once, carries a start position
// on to the later pages of its axis and back to the earlier ones, and ends
// on the summary page with Finish, which writes the ticked programs and
// then the project file.
TEST_F(ProgramSheetTest, TheWalkCarriesTheStartPositionsAndFinishWritesTheTickedPrograms) {
  Run([&] {
    Select({0, 1, 2, 6});
    ASSERT_EQ(Where(), Stop(0, 0));
    EditStartPosition(0, L"7.5");
    ASSERT_TRUE(ui.Click(PF_IDC_CREATE));
    ASSERT_TRUE(ui.PressNext());
    ASSERT_EQ(Where(), Stop(2, 0));
    EditStartPosition(2, L"3.25");
    ASSERT_TRUE(ui.PressBack());
    EXPECT_EQ(Position(0), L"3.25");
    EXPECT_EQ(Position(1), L"0");
    std::vector<Stop> forward = WalkForward();
    std::sort(forward.begin(), forward.end());
    EXPECT_EQ(forward, (std::vector<Stop>{{0, 0}, {0, 1}, {1, 0}, {1, 1}, {2, 0}, {2, 1},
                                          {3, 0}, {3, 1}, {4, 0}, {4, 1}, {9, 0}, {10, 0}}));
    EXPECT_EQ(Position(10), L"3.25");
    EXPECT_EQ(Position(5), L"0");
    EXPECT_TRUE(Shown(sheet, kIdWizFinish));
    ASSERT_TRUE(ui.PressFinish());
  });
  EXPECT_EQ(ui.closed().back().result, kIdWizFinish);
  std::map<std::wstring, std::string> expected;
  for (int kind : {0, 1, 2, 3, 4, 9, 10}) {
    int count = 0;
    const ProgramFileEntry* files = GetProgramFileTable(kind, kMachineLathe, count);
    for (std::size_t i = 0; i < sheet.Programs(kind).size(); ++i) {
      const wchar_t* folder = IsCircleKind(kind) ? L"$1-IJ" : i == 0 ? L"$1-X" : L"$1-Y";
      for (int f = 0; f < count; ++f) {
        expected[CProgramInfo::ProgramFolder(ProjectFolder(), folder, kind) + PathSep() + files[f].fileName] =
            ToNarrow(sheet.Programs(kind)[i].at(static_cast<std::size_t>(f)).m_strText) + "%";
      }
    }
  }
  expected[ProjectFilePath(ProjectFolder())] = "[Machine]\r\nMachineInfo=0\r\n[GCode]\r\nNumber=0\r\n";
  EXPECT_EQ(ProjectFiles(), expected);
}

// A Finish that changes the positioning programs of $1-X and the project
// file and adds those of $1-Y, made to fail at each of its file operations
// in turn, then to die at each, then to fail from each on and be pressed
// again: every run ends with all files old (12518 shown, or recovered after
// the crash) or all new. Without faults the written files reach the disk
// before the first rename.
TEST_F(ProgramSheetTest, FinishFailingOrDyingAtAnyFileOperationLeavesAllOldOrAllNew) {
  const auto writeOld = [&] {
    std::filesystem::remove_all(ToNarrow(ProjectFolder()));
    for (int kind : {0, 1}) {
      int count = 0;
      const ProgramFileEntry* files = GetProgramFileTable(kind, kMachineLathe, count);
      const std::wstring folder = CProgramInfo::ProgramFolder(ProjectFolder(), L"$1-X", kind);
      EXPECT_TRUE(MakeDirectory(folder));
      for (int f = 0; f < count; ++f) EXPECT_TRUE(WriteFileBytes(folder + PathSep() + files[f].fileName, "old"));
    }
    EXPECT_TRUE(WriteFileBytes(ProjectFilePath(ProjectFolder()), "[Machine]\r\nMachineInfo=0\r\n; old\r\n"));
    return ProjectFiles();
  };
  // The program and project files, without what a write leaves on the way
  // (the journal, staged files, backups) for the next opening to clear.
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
  std::map<std::wstring, std::string> oldFiles, newFiles;
  Run([&] {
    Select({0});
    WalkForward();
    oldFiles = writeOld();
    FaultyFileSystem clean;
    ASSERT_TRUE(finishWith(clean));
    newFiles = projectFiles();
    const std::size_t firstRename = clean.ops().find('N');
    EXPECT_LT(clean.ops().find('F', clean.ops().rfind('W', firstRename)), firstRename) << clean.ops();
    enum Pass { kFails, kDies, kRetried };
    for (const Pass pass : {kFails, kDies, kRetried}) {
      for (int k = 1; k <= clean.calls(); ++k) {
        SCOPED_TRACE(std::to_string(k) + " in pass " + std::to_string(pass));
        writeOld();
        const std::size_t shown = ui.messages().size();
        FaultyFileSystem faulty(pass == kFails ? FaultyFileSystem::Mode::Fail : FaultyFileSystem::Mode::Crash, k);
        const BOOL finished = finishWith(faulty);
        FaultyFileSystem again;
        if (pass == kDies) RecoverProject(ProjectFolder());
        EXPECT_TRUE(pass != kRetried || finishWith(again));
        const auto files = projectFiles();
        EXPECT_TRUE(files == oldFiles || files == newFiles);
        if (pass == kFails) {
          EXPECT_EQ(files == newFiles, finished != FALSE);
          EXPECT_EQ(ui.messages().size() - shown, finished ? 0u : 1u);
        }
      }
    }
  });
  EXPECT_GT(newFiles.size(), oldFiles.size());
}

// A Finish that died on the way is finished when the project is opened
// again, and the project page says so before it lets the user on.
TEST_F(ProgramSheetTest, OpeningAProjectFinishesACutShortFinishAndSaysSo) {
  Run([&] {
    Select({0});
    WalkForward();
    FaultyFileSystem dying(FaultyFileSystem::Mode::Crash, 30);   // after 11 files staged, 3 of them renamed
    ScopedFileSystem scope(dying);
    sheet.OnPageFinish();
  });
  CProgramSheet again{14001, 0, 0, 2501, ovx_};
  ui.queue().Add([&](HeadlessUi&) {
    ASSERT_TRUE(ui.TypeText(PF_IDC_PROJECT, L"Line1"));
    ASSERT_TRUE(ui.PressNext());
    EXPECT_EQ(ui.FindControl(again.m_pageProject, PF_IDC_PROJECT_REASON)->GetText(), LoadResString(14080));
    ASSERT_TRUE(ui.PressNext());
    EXPECT_EQ(again.GetActivePage(), &again.m_pageMakeInfo);
  });
  again.Execute();
  EXPECT_TRUE(PathExists(ProjectFilePath(ProjectFolder())));
}

}  // namespace
}  // namespace pf::test
