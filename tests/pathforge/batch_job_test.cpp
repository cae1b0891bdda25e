// The batch tool end to end: job text in, program files and project file on
// disk, compared byte for byte.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "BatchJob.h"
#include "common/StringTable.h"
#include "common/Text.h"
#include "program/ProgramTestSupport.h"
#include "support/FaultyFileSystem.h"

namespace {

using pf_test::fs::path;
using pf_test::ReadBytes;
using pf_test::WriteBytes;

class BatchJobTest : public pf_test::TempDataHome {
 protected:
  // Writes the job into a folder of the temporary folder and runs it.
  int Run(const std::string& job, const std::string& folder = "job") {
    const path file = root_ / folder / "test.job";
    WriteBytes(file, job);
    std::ostringstream outStream, errStream;
    const int status = pf::GenerateFromJobFile(pf_test::Wide(file), outStream, errStream);
    out = outStream.str();
    err = errStream.str();
    return status;
  }
  path Project() const { return root_ / "job" / "Program" / "P"; }

  std::string out, err;
};

std::string Header(int machineType, int list, const std::string& axes, const std::string& planes = "") {
  return "[Project]\nFolder=Program/P\nMachineType=" + std::to_string(machineType) +
         "\nGCodeList=" + std::to_string(list) + "\n[Machine]\nAxes=" + axes + "\n" + planes;
}

std::string CrLineEnds(std::string text) {
  std::replace(text.begin(), text.end(), '\n', '\r');
  return text;
}

// A lathe of one axis generates its circle on any list.
std::string SingleAxisCircle(int list) {
  return Header(0, list, "$1-X", "Planes=$1-IJ\nPlaneAxes=$1-X, $1-Y\n") +
         "IncrementalNames=U\n[Program]\nKind=7\nPlane=$1-IJ\nRadius=10\nFeed=500\nSmpTime=1\n";
}
const char kSingleAxisCircle[] =
    "(smptime=1)\r\n(R=10.)\r\n(F=500.)\r\nG98G64\r\nG17\r\nG02I10.F500.\r\nG02I10.F500.\r\nM30\r\n%";

struct FileCase {
  const char* name;
  std::string job;
  const char* file;  // below the project folder
  const char* bytes;
};

TEST_F(BatchJobTest, WritesTheReferenceProgramsByteForByte) {
  const FileCase cases[] = {
      {"feed forth and back, machining centre",
       Header(1, 2, "$1-X, $1-Y, $1-Z") +
           "[Program]\nKind=1\nAxis=$1-X\nDistance=100\nFeed=3000\nDwellTime=0.5\nSmpTime=5\n",
       "$1-X/POSITION/G1aa.eia",
       "(smptime=5)\r\nG91G64\r\nG01X100.F3000.\r\nG04X0.5\r\nG01X-100.F3000.\r\nG04X0.5\r\nM30\r\n%"},
      {"doubled forth and back, lathe list 7",
       Header(0, 7, "$1-X, $1-Z") +
           "[Program]\nKind=1\nAxis=$1-X\nDistance=100\nFeed=3000\nDwellTime=0.5\nSmpTime2=2\n",
       "$1-X/POSITION/G1ab.eia",
       "(smptime=2)\r\nG94G97G91\r\nG01X100.F3000.\r\nG01X-100.F3000.\r\nG01X100.F3000.\r\n"
       "G01X-100.F3000.\r\nM30\r\n%"},
      {"position file, lathe, orders and another part system",
       Header(0, 2, "$1-X, $2-Y, $1-Z") +
           "[Program]\nKind=0\nAxis=$1-X\nPosition $1-Z=50\nOrder $1-Z=1\nPosition $2-Y=7\n",
       "$1-X/POSITION/G0Pos.eia", "(smptime=0)\r\nG98G97G40G00\r\nX0\r\nZ50.\r\nM30\r\n%"},
      {"lathe list 4 moves the incremental axis; a byte-order mark, CR line ends, comments and quotes",
       "\xEF\xBB\xBF; by hand\r" + CrLineEnds(Header(0, 4, "$1-X, $1-Z ; two axes")) +
           "[Program]\rKind=4\rAxis=$1-Z ; the Z axis\rDistance=\"10\"\rFeed=500\rDwell=0",
       "$1-Z/LostMotion/G1Pls.eia", "(smptime=5)\r\nG98G97\r\nG01W10.F500.\r\nG04X0\r\nM30\r\n%"},
      {"circle, single-axis lathe, list 2", SingleAxisCircle(2), "$1-IJ/LostMotion2/Circle1.eia", kSingleAxisCircle},
      {"circle, single-axis lathe, list 6", SingleAxisCircle(6), "$1-IJ/LostMotion2/Circle1.eia", kSingleAxisCircle},
  };
  for (const FileCase& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_EQ(Run(c.job), 0) << err;
    EXPECT_EQ(ReadBytes(Project() / c.file), c.bytes);
    pf_test::fs::remove_all(Project());
  }
}

TEST_F(BatchJobTest, WritesTheProjectFileAndListsEveryFile) {
  ASSERT_EQ(Run(Header(1, 5, "$1-X") + "[Program]\nKind=2\nAxis=$1-X\n[Program]\nKind=3\nAxis=$1-X\n"), 0)
      << err;
  EXPECT_EQ(ReadBytes(Project() / "Project.dat"), "[Machine]\r\nMachineInfo=1\r\n[GCode]\r\nNumber=3\r\n");
  const std::string folder = (Project() / "$1-X" / "TimeConstant").string() + "/";
  EXPECT_EQ(out, folder + "G0Pos.eia\n" + folder + "G0b.eia\n" + folder + "G0a.eia\n" + folder +
                     "G1Pos.eia\n" + folder + "G1b.eia\n" + folder + "G1aa.eia\n" + folder + "G1ab.eia\n" +
                     (Project() / "Project.dat").string() + "\n");
}

TEST_F(BatchJobTest, ARunFinishesTheWriteThatADeadRunCutShortAndSaysSo) {
  const std::string job = Header(1, 5, "$1-X") + "[Program]\nKind=2\nAxis=$1-X\n[Program]\nKind=3\nAxis=$1-X\n";
  using pf::test::FaultyFileSystem;
  FaultyFileSystem clean;
  {
    pf::ScopedFileSystem scope(clean);
    ASSERT_EQ(Run(job), 0);
  }
  pf_test::fs::remove_all(Project());
  FaultyFileSystem dying(FaultyFileSystem::Mode::Crash, static_cast<int>(clean.ops().find('N')) + 3);
  {
    pf::ScopedFileSystem scope(dying);
    EXPECT_EQ(Run(job), 1);
  }
  ASSERT_EQ(Run(job), 0);
  EXPECT_EQ(err, (root_ / "job" / "test.job").string() + ":2: " + pf::ToNarrow(pf::LoadResString(14080)) + "\n");
}

struct ErrorCase {
  const char* name;
  std::string job;
  const char* message;  // the whole error line
};

// Nothing is written, and no label leads out of the project folder.
TEST_F(BatchJobTest, RejectsBadJobsNamingTheLineAndWritesNothing) {
  const std::string axes = Header(1, 2, "$1-X, $1-Y");  // six lines
  const auto Labels = [](const std::string& machine) { return machine + "[Program]\nKind=4\nAxis=$1-X\n"; };
  const ErrorCase cases[] = {
      {"invalid feed", axes + "[Program]\nKind=3\nAxis=$1-X\nFeed=12a\n",
       ":10: The feed rate is invalid. Enter a number of zero or more, for example 3000.\n"},
      {"invalid start position", axes + "[Program]\nKind=3\nAxis=$1-X\nFeed=1\nPosition $1-Y=1..2\n",
       ":11: A start position is invalid. Use at most five digits before the decimal point and six after "
       "it.\n"},
      {"unknown axis", axes + "[Program]\nKind=3\nAxis=$3-X\n", ":9: \"$3-X\" is not listed in [Machine] Axes\n"},
      {"sampling time that would close its comment", axes + "[Program]\nKind=3\nAxis=$1-X\nSmpTime=1)G00X999\n",
       ":10: SmpTime must be a number of zero or more, such as 7.2\n"},
      {"sampling time that is not ASCII", axes + "[Program]\nKind=3\nAxis=$1-X\nSmpTime2=7,2\xc2\xb5\n",
       ":10: SmpTime2 must be a number of zero or more, such as 7.2\n"},
      {"a \";\" after no blank is text", axes + "[Program]\nKind=3\nAxis=$1-X\nFeed=1;5\n",
       ":10: The feed rate is invalid. Enter a number of zero or more, for example 3000.\n"},
      {"unknown key", axes + "[Program]\nKind=3\nAxis=$1-X\nFed=1\n", ":10: unknown key Fed\n"},
      {"kind out of range", axes + "[Program]\nKind=11\n", ":8: Kind must be a whole number from 0 to 10\n"},
      {"machine type", Header(2, 2, "$1-X"), ":3: MachineType must be a whole number from 0 to 1\n"},
      {"folder not UTF-8", "[Project]\nFolder=P\xff\nMachineType=1\n",
       ":2: the line is not valid 8-bit text (UTF-8 on Linux)\n"},
      {"a cut UTF-8 sequence", axes + "[Program]\nKind=3\nAxis=$1-X\xc3",
       ":9: the line is not valid 8-bit text (UTF-8 on Linux)\n"},
      {"not a line", axes + "garbage\n", ":7: expected [section] or key=value, found \"garbage\"\n"},
      {"same program twice", axes + "[Program]\nKind=3\nAxis=$1-X\n[Program]\nKind=3\nAxis=$1-X\n",
       ":10: kind 3 for $1-X is already in the job\n"},
      {"more digits than the page takes", axes + "[Program]\nKind=3\nAxis=$1-X\nDistance=12345678901\n",
       ":10: Distance takes at most 10 characters, as on the program page\n"},
      {"an order of three digits", axes + "[Program]\nKind=3\nAxis=$1-X\nOrder $1-Y=100\n",
       ":10: Order $1-Y takes at most 2 characters, as on the program page\n"},
      {"a project folder named as a port", "[Project]\nFolder=Program/COM\xC2\xB9\nMachineType=1\n",
       ":2: the project folder's name cannot be used: CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to LPT9, and COM or LPT "
       "with a superscript 1, 2 or 3 name devices, also with an extension. Type another name.\n"},
      {"plane label climbing out", Labels(Header(1, 2, "$1-X, $1-Y", "Planes=../../esc-IJ\nPlaneAxes=$1-X, $1-Y\n")),
       ":7: plane labels must be distinct usable names, such as $1-IJ\n"},
      {"plane label twice", Labels(Header(1, 2, "$1-X, $1-Y", "Planes=$1-IJ, $1-IJ\nPlaneAxes=$1-X, $1-Y, $1-X, $1-Y\n")),
       ":7: plane labels must be distinct usable names, such as $1-IJ\n"},
      {"axis label of the parent folder", Labels(Header(1, 2, "..")), ":6: axis labels must be distinct usable names, such as $1-X\n"},
      {"axis label without its letter", Labels(Header(1, 2, "$1-X, $1-)")), ":6: an axis label ends in its axis letter, such as $1-X\n"},
      {"incremental name that is no address", Labels(Header(0, 2, "$1-X, $1-Z") + "IncrementalNames=U, W)G00\n"),
       ":7: IncrementalNames needs one address per axis, such as U, or 999 for none\n"},
      {"incremental name starting with a digit", Labels(Header(0, 2, "$1-X, $1-Z") + "IncrementalNames=U, 9W\n"),
       ":7: IncrementalNames needs one address per axis, such as U, or 999 for none\n"},
      {"incremental names too few", Labels(Header(0, 2, "$1-X, $1-Z") + "IncrementalNames=U\n"),
       ":7: IncrementalNames needs one address per axis, such as U, or 999 for none\n"},
      {"axis label that Windows folds into another", Labels(Header(1, 2, "$1-X, $1-X.")),
       ":6: axis labels must be distinct usable names, such as $1-X\n"},
      {"plane label that names a device", Labels(Header(1, 2, "$1-X, $1-Y", "Planes=con.IJ\nPlaneAxes=$1-X, $1-Y\n")),
       ":7: plane labels must be distinct usable names, such as $1-IJ\n"},
  };
  for (const ErrorCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Run(c.job), 2);
    EXPECT_EQ(err, (root_ / "job" / "test.job").string() + c.message);
    EXPECT_FALSE(pf_test::fs::exists(root_ / "job" / "Program"));
    EXPECT_FALSE(pf_test::fs::exists(root_ / "job" / "esc-IJ"));
  }
}

TEST_F(BatchJobTest, AFolderThatCannotBeMadeFailsWithoutProjectFile) {
  WriteBytes(Project() / "$1-X", "a file where the axis folder belongs");
  EXPECT_EQ(Run(Header(1, 2, "$1-X") + "[Program]\nKind=4\nAxis=$1-X\n"), 1);
  EXPECT_EQ(err, (root_ / "job" / "test.job").string() + ":2: No program file was changed: " +
                     (Project() / "$1-X").string() +
                     " could not be written because a folder or file of that name stands in the way. Remove the "
                     "cause and try again.\n");
  EXPECT_FALSE(pf_test::fs::exists(Project() / "Project.dat"));
}

struct FolderCase {
  const char* name;
  const char* jobFolder;      // below the temporary folder
  const char* folderKey;      // the Folder= value
  const char* projectFolder;  // where the programs land, below the temporary folder
};

TEST_F(BatchJobTest, NonAsciiFoldersAndJobPathsAreUtf8) {
  const FolderCase cases[] = {
      {"project folder", "job", "Projekt-M\xc3\xbcller", "job/Projekt-M\xc3\xbcller"},
      {"job folder", "Auftr\xc3\xa4ge", "P", "Auftr\xc3\xa4ge/P"},
      {"both, three-byte characters", "\xe5\xb7\xa5\xe4\xbd\x9c", "\xe5\x8a\xa0\xe5\xb7\xa5", "\xe5\xb7\xa5\xe4\xbd\x9c/\xe5\x8a\xa0\xe5\xb7\xa5"},
  };
  for (const FolderCase& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string job = std::string("[Project]\nFolder=") + c.folderKey +
                            "\nMachineType=1\n[Machine]\nAxes=$1-X\n[Program]\nKind=4\nAxis=$1-X\n";
    ASSERT_EQ(Run(job, c.jobFolder), 0) << err;
    const path project = root_ / c.projectFolder;
    EXPECT_EQ(ReadBytes(project / "Project.dat"), "[Machine]\r\nMachineInfo=1\r\n[GCode]\r\nNumber=0\r\n");
    EXPECT_EQ(out.substr(out.size() - (project / "Project.dat").string().size() - 1),
              (project / "Project.dat").string() + "\n");
  }
}

}  // namespace
