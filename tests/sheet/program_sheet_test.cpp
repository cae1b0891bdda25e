// The program sheet run modally, driven from the input queue: the warnings,
// the records rebuilt on the machine page's Next, the start positions carried
// along the walk, and Finishes that fail or die at any file operation.
#include <filesystem>
#include <map>
#include <string>
#include <tuple>
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

// Two axes and one plane, recognised as a type 1 controller.
constexpr const char kSmallMachine[] =
    "[Comm]\nController=H52\nTCP=192.168.100.1,64758\n[System1]\nAxes=X Y\nBASE_I=X\nBASE_J=Y\nBASE_K=Z\n"
    "[Axes]\nMAX_SPEED=36000\nOT_MINUS=-500.000\nOT_PLUS=500.000\n";

class ProgramSheetTest : public ShellTest {
 protected:
  void EditStartPosition(int kind, const wchar_t* typed) {
    ASSERT_TRUE(ui.RunInput(
        L"edit cell", [&] { return sheet.ProgramPage(kind).m_gridAxis.EditCell(2, 1, typed) ? L"" : L"refused"; }));
  }

  std::wstring Position(int kind) { return sheet.Programs(kind).at(0).m_aryAxis.at(1).m_strPosition; }

  std::wstring ProjectFolder() { return ProjectFolderPath(L"Line1"); }

  // The paths of a lathe's program files of `kind` in the folder of axis or plane `name`.
  std::vector<std::wstring> FilesOf(int kind, const wchar_t* name) {
    int count = 0;
    const ProgramFileEntry* files = GetProgramFileTable(kind, kMachineLathe, count);
    std::vector<std::wstring> paths;
    const std::wstring folder = CProgramInfo::ProgramFolder(ProjectFolder(), name, kind);
    for (int f = 0; f < count; ++f) paths.push_back(folder + PathSep() + files[f].fileName);
    return paths;
  }

  // Every file below the project folder with its bytes, without what a write
  // leaves on the way (the journal, staged files, backups) for the next opening to clear.
  std::map<std::wstring, std::string> ProjectFiles() {
    std::map<std::wstring, std::string> files;
    std::error_code none;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(ToNarrow(ProjectFolder()), none)) {
      const std::wstring path = entry.path().wstring();
      if (IsBatchLeftover(path) || path == JournalPathIn(ProjectFolder())) continue;
      if (std::string bytes; entry.is_regular_file() && ReadFileBytes(path, bytes)) files[path] = bytes;
    }
    return files;
  }

  CProgramSheet sheet{14001, 0, 0, 2501, ovx_};
};

// The warnings come before the wizard, which is shown in every case; when the
// axes were not read, the records keep their start values, also for an axis
// added by hand.
TEST_F(ProgramSheetTest, TheRunWarnsBeforeShowingTheWizard) {
  const std::string q4 = "[Comm]\nController=Q4RT\nTCP=10.0.0.1,683\n", oneAxis = "[System1]\nAxes=X\n";
  const std::tuple<std::string, unsigned, MsgIcon> kRows[] = {   // id 0 with an icon: "NCType Not Found"
      {kSmallMachine, 0, MsgIcon::None},
      {"[Information]\nAXISNUM_SPC=0\n[Axes]\nMAX_SPEED=9000\n" + oneAxis, 12501, MsgIcon::Warning},
      {"[Comm]\nController=ZZ9\nTCP=10.0.0.1,1\n" + oneAxis, 0, MsgIcon::Error},
      {q4 + "[Machine]\nCheckNcStatusForOVXFunction=1\n" + oneAxis, 0, MsgIcon::None},
      {q4 + oneAxis, 12506, MsgIcon::Error},
      {"[Information]\nOVX=\n" + q4 + oneAxis, 12550, MsgIcon::Error},
  };
  for (const auto& [machine, id, icon] : kRows) {
    SCOPED_TRACE(machine);
    UseMachine(machine.c_str());
    CProgramSheet run(14001, 0, 0, 2501, ovx_);
    if (id == 12501) {
      ui.queue().Add([&](HeadlessUi&) {
        ASSERT_TRUE(ui.TypeText(PF_IDC_PROJECT, L"Line2") && ui.PressNext());
        ui.queue().Add([](HeadlessUi& u) { u.Click(kIdOk); });
        ASSERT_TRUE(ui.Click(PF_IDC_ADD_AXIS) && ui.PressNext());
        EXPECT_EQ(run.Programs(1).at(0).m_strFeed, L"0");
      });
    }
    const std::size_t before = ui.messages().size();
    run.Execute();
    EXPECT_EQ(ui.closed().back().window, &run);
    ASSERT_EQ(ui.messages().size() - before, icon == MsgIcon::None ? 0u : 1u);
    if (icon == MsgIcon::None) continue;
    const auto& shown = ui.messages().back();
    EXPECT_EQ(std::tie(shown.stringId, shown.icon), std::tie(id, icon));
    EXPECT_EQ(shown.text, id == 0 ? std::wstring(L"NCType Not Found") : shown.text);
  }
}

// Each Next on the machine page rebuilds the records from the NC's values;
// a start position is carried on to the later pages of its axis and back to
// the earlier ones. A Finish on the summary page that changes the programs of
// $1-X and the project file and adds the rest, made to fail at each of its
// file operations, to die at each, or to fail and be pressed again, ends with
// all files old (12518 shown, or recovered after the crash) or all new: the
// ticked programs and the project file. The written files reach the disk
// before the first rename.
TEST_F(ProgramSheetTest, TheWalkCarriesTheStartPositionsAndFinishWritesAllTickedProgramsOrNone) {
  const auto writeOld = [&] {
    std::filesystem::remove_all(ToNarrow(ProjectFolder()));
    for (int kind : {0, 1}) {
      EXPECT_TRUE(MakeDirectory(CProgramInfo::ProgramFolder(ProjectFolder(), L"$1-X", kind)));
      for (const std::wstring& path : FilesOf(kind, L"$1-X")) EXPECT_TRUE(WriteFileBytes(path, "old"));
    }
    EXPECT_TRUE(WriteFileBytes(ProjectFilePath(ProjectFolder()), "[Machine]\r\nMachineInfo=0\r\n"));
    return ProjectFiles();
  };
  const auto finishWith = [&](FaultyFileSystem& fileSystem) {
    ScopedFileSystem scope(fileSystem);
    return sheet.OnPageFinish();
  };
  std::map<std::wstring, std::string> oldFiles, newFiles;
  UseMachine(kSmallMachine);
  ui.queue().Add([&](HeadlessUi&) {
    ASSERT_TRUE(ui.TypeText(PF_IDC_PROJECT, L"Line1") && ui.PressNext() && ui.PressNext());
    // The selection page offers no Back.
    ASSERT_TRUE(ui.RunInput(L"show", [&] { return sheet.SetActivePage(&sheet.m_pageMakeInfo) ? L"" : L"not shown"; }));
    ASSERT_TRUE(ui.PressNext());
    for (int group : {0, 1, 2, 6}) {
      ASSERT_TRUE(ui.ClickTreeItem(PF_IDC_SELECTION_TREE, sheet.m_pageSelProg.m_hGroup.at(group), TreePart::StateIcon));
    }
    ASSERT_TRUE(ui.PressNext());
    EXPECT_EQ(sheet.ProgramPage(0).m_aryAxisName, (std::vector<std::wstring>{L"$1-X", L"$1-Y"}));
    EXPECT_EQ(sheet.Programs(1).size(), 2u);
    EXPECT_EQ(sheet.Programs(1).at(0).m_strFeed, L"36000");
    EditStartPosition(0, L"7.5");
    ASSERT_TRUE(ui.Click(PF_IDC_CREATE) && ui.PressNext());
    EditStartPosition(2, L"3.25");
    ASSERT_TRUE(ui.PressBack());
    EXPECT_EQ(Position(0), L"3.25");
    EXPECT_EQ(Position(1), L"0");
    // The files of every page made, on to the summary page.
    for (int page = 0; sheet.GetActivePage() != &sheet.m_pageProgramReq && page < 40; ++page) {
      EXPECT_TRUE(ui.Click(PF_IDC_CREATE) && ui.PressNext());
    }
    EXPECT_EQ(Position(10), L"3.25");
    EXPECT_EQ(Position(5), L"0");
    oldFiles = writeOld();
    FaultyFileSystem clean;
    ASSERT_TRUE(finishWith(clean));
    newFiles = ProjectFiles();
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
        const auto files = ProjectFiles();
        EXPECT_TRUE(files == oldFiles || files == newFiles);
        EXPECT_TRUE(pass != kFails || (files == newFiles) == (finished != FALSE));
        EXPECT_TRUE(pass != kFails || ui.messages().size() - shown == (finished ? 0u : 1u));
      }
    }
    ASSERT_TRUE(ui.PressFinish());
  });
  sheet.Execute();
  EXPECT_EQ(ui.closed().back().result, kIdWizFinish);
  std::map<std::wstring, std::string> expected;
  for (int kind : {0, 1, 2, 3, 4, 9, 10}) {
    for (std::size_t i = 0; i < sheet.Programs(kind).size(); ++i) {
      const std::vector<std::wstring> paths = FilesOf(kind, IsCircleKind(kind) ? L"$1-IJ" : i == 0 ? L"$1-X" : L"$1-Y");
      for (std::size_t f = 0; f < paths.size(); ++f) {
        expected[paths[f]] = ToNarrow(sheet.Programs(kind)[i].at(f).m_strText) + "%";
      }
    }
  }
  expected[ProjectFilePath(ProjectFolder())] = "[Machine]\r\nMachineInfo=0\r\n[GCode]\r\nNumber=0\r\n";
  EXPECT_EQ(newFiles, expected);
  EXPECT_EQ(ProjectFiles(), expected);
}

// A Finish cut short is finished when the project is opened again; the
// project page says so and lets the user on at the next Next.
TEST_F(ProgramSheetTest, OpeningAProjectFinishesACutShortFinishAndSaysSo) {
  ASSERT_TRUE(MakeDirectory(ProjectFolder()));
  {
    FaultyFileSystem dying(FaultyFileSystem::Mode::Crash, 10);   // after the first rename
    ScopedFileSystem scope(dying);
    CFileBatch batch(ProjectFolder());
    ASSERT_TRUE(StageProjectFile(batch, ProjectFolder(), 1, 0).ok());
    ASSERT_TRUE(batch.Stage(ProjectFolder() + L"/note.txt", "new").ok());
    EXPECT_FALSE(batch.Commit().ok());
  }
  ui.queue().Add([&](HeadlessUi&) {
    ASSERT_TRUE(ui.TypeText(PF_IDC_PROJECT, L"Line1") && ui.PressNext());
    EXPECT_EQ(Text(sheet.m_pageProject, PF_IDC_PROJECT_REASON), LoadResString(14080));
    ASSERT_TRUE(ui.PressNext());
    EXPECT_EQ(sheet.GetActivePage(), &sheet.m_pageMakeInfo);
  });
  sheet.Execute();
}

}  // namespace
}  // namespace pf::test
