// The machine-aware commands end to end: a job generated on a machine
// description (files on disk, verdicts printed), a project folder checked
// (verdicts and exit status) and a file drawn as SVG.
#include <gtest/gtest.h>

#include <sstream>

#include "MotionCommands.h"
#include "program/ProgramTestSupport.h"

namespace {

using pf_test::fs::path;
using pf_test::ReadBytes;
using pf_test::WriteBytes;

const path kMachine = path(PF_SOURCE_DIR) / "sim" / "machines" / "builtin.ini";

class MotionCommandsTest : public pf_test::TempDataHome {
 protected:
  using Command = int (*)(const std::vector<std::string>&, std::ostream&, std::ostream&);
  int Run(Command command, const std::vector<std::string>& args) {
    std::ostringstream outStream, errStream;
    const int status = command(args, outStream, errStream);
    out = outStream.str();
    err = errStream.str();
    return status;
  }
  // A job on the built-in machine ($1-X -500..500, rapid 40000, MAX_SPEED
  // 36000) with one time-constant program of $1-X at `position`.
  std::string Job(const std::string& position, const std::string& extra = "", const path& machine = kMachine) {
    return "[Project]\nFolder=P\nMachineType=1\nMachine=" + machine.string() +
           "\n[Program]\nKind=3\nAxis=$1-X\nDwell=1\nPosition $1-X=" + position + "\n" + extra;
  }
  path Program(const char* file) const { return root_ / "P" / "$1-X" / "TimeConstant" / file; }
  // Writes the job and generates it with the options after its path.
  int Generate(const std::string& job, std::vector<std::string> options = {}) {
    WriteBytes(root_ / "test.job", job);
    options.insert(options.begin(), (root_ / "test.job").string());
    return Run(pf::RunGenerateCommand, options);
  }

  std::string out, err;
};

TEST_F(MotionCommandsTest, GenerateOnAMachineWritesTheEstimateAndPrintsTheVerdict) {
  struct Case {
    const char* what;
    std::string job;
    std::vector<std::string> options;
    const char* firstLine;  // of G1aa.eia
    const char* verdict;
  };
  // Distance 100 at 36000: 0.1667 s each way, dwell 0.5: (0.5 + 0.1667) * 2 * 1.2.
  // The machine with a comment after X's stroke end reads it as the built-in one does.
  std::string commented = ReadBytes(kMachine);
  commented.replace(commented.find("OT_PLUS=500.000"), 15, "OT_PLUS=500.000 ; soft end");
  WriteBytes(root_ / "commented.ini", commented);
  const Case kCases[] = {
      {"machine named in the job; no SmpTime: the estimate", Job("350"), {}, "(smptime=1.60)\r\n",
       "  Within the stroke limits: X 350.000 \xE2\x80\xA6 450.000\n"},
      {"the job's own SmpTime stays", Job("450", "SmpTime=9\n"), {}, "(smptime=9)\r\n",
       "  X reaches 550.000, beyond the stroke end 500.000 (G1b.eia, line 3)\n"},
      {"a comment after a stroke end", Job("450", "", root_ / "commented.ini"), {}, "(smptime=1.60)\r\n",
       "  X reaches 550.000, beyond the stroke end 500.000 (G1b.eia, line 3)\n"},
      {"--machine option", Job("-500").replace(Job("-500").find("Machine="), 9 + kMachine.string().size(), ""),
       {"--machine", kMachine.string()}, "(smptime=1.60)\r\n",
       "  Within the stroke limits: X -500.000 \xE2\x80\xA6 -400.000\n"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    ASSERT_EQ(Generate(c.job, c.options), 0) << err;
    EXPECT_EQ(ReadBytes(Program("G1aa.eia")).substr(0, std::string(c.firstLine).size()), c.firstLine);
    EXPECT_NE(out.find(std::string("G1ab.eia\n") + c.verdict), std::string::npos) << out;
  }
}

TEST_F(MotionCommandsTest, AMachineWithAnUnreadableValueIsRefusedWithItsLine) {
  WriteBytes(root_ / "bad.ini", "[System1]\nAxes=X\n[Axes]\nOT_PLUS=500.000 soft end\n");
  EXPECT_EQ(Generate(Job("0", "", root_ / "bad.ini")), 2);
  EXPECT_EQ(err, (root_ / "bad.ini").string() + ":4: OT_PLUS must be a number such as -500.000, found \"500.000 soft end\"\n");
  EXPECT_EQ(out, "");
}

TEST_F(MotionCommandsTest, CheckGivesOneVerdictPerProgramAndTheStatus) {
  struct Case {
    const char* what;
    const char* position;
    const char* edit;  // replaces G1aa.eia when set
    int status;
    const char* verdict;
  };
  const Case kCases[] = {
      {"within", "0", nullptr, 0, "Within the stroke limits: X 0.000 \xE2\x80\xA6 100.000"},
      {"beyond", "420", nullptr, 1, "X reaches 520.000, beyond the stroke end 500.000 (G1b.eia, line 3)"},
      {"an edited word", "0", "(smptime=5)\r\nG91G95\r\nM30\r\n%", 1, "G1aa.eia not checked: G95, line 2"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    ASSERT_EQ(Generate(Job(c.position)), 0) << err;
    if (c.edit) WriteBytes(Program("G1aa.eia"), c.edit);
    EXPECT_EQ(Run(pf::RunCheckCommand, {(root_ / "P").string(), "--machine", kMachine.string()}), c.status);
    EXPECT_EQ(out, (root_ / "P" / "$1-X" / "TimeConstant").string() + " (kind 3): " + c.verdict + "\n");
  }
  EXPECT_EQ(Run(pf::RunCheckCommand, {(root_ / "P").string()}), 2);
}

TEST_F(MotionCommandsTest, PreviewDrawsTheFileAsTheCheckFollowsIt) {
  struct Case {
    const char* what;
    const char* program;
    std::vector<std::string> options;
    int status;
    std::vector<std::string> parts;  // in the SVG
  };
  const Case kCases[] = {
      {"a file of no program on a plane of the machine: from 0, its verdict above the stroke ends",
       "G91G17\r\nG02I100.F3000.\r\nM30\r\n%\r\n", {"--machine", kMachine.string(), "--plane", "$1-IJ"}, 0,
       {">in.eia: Within the stroke limits: X 0.000 \xE2\x80\xA6 200.000, Y -100.000 \xE2\x80\xA6 100.000<", ">-250.000<",
        ">500.000<"}},
      {"no machine: the plane of the arc, G18 with Z to the right and X up", "G91G18\r\nG02Z10.X10.K10.F600.\r\n", {}, 0,
       {"text-anchor=\"end\" fill=\"#000000\">Z<", "text-anchor=\"start\" fill=\"#000000\">X<"}},
      {"a word it cannot follow", "G91G95\r\n", {}, 1, {"<svg"}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    WriteBytes(root_ / "in.eia", c.program);
    std::vector<std::string> args = {(root_ / "in.eia").string(), "-o", (root_ / "out.svg").string()};
    args.insert(args.end(), c.options.begin(), c.options.end());
    EXPECT_EQ(Run(pf::RunPreviewCommand, args), c.status) << err;
    const std::string svg = ReadBytes(root_ / "out.svg");
    for (const std::string& part : c.parts) EXPECT_NE(svg.find(part), std::string::npos) << part << "\n" << svg;
  }
  // A lost-motion file of a lathe project on list 4 (U moves X) starts where
  // its position file leaves X.
  ASSERT_EQ(Generate("[Project]\nFolder=P\nMachineType=0\nGCodeList=4\nMachine=" + kMachine.string() +
                     "\n[Program]\nKind=4\nAxis=$1-X\nPosition $1-X=450\n"), 0) << err;
  const path file = root_ / "P" / "$1-X" / "LostMotion" / "G1Pls.eia";
  EXPECT_EQ(Run(pf::RunPreviewCommand, {file.string(), "--machine", kMachine.string(), "-o", (root_ / "out.svg").string()}), 0);
  EXPECT_EQ(out, "X reaches 550.000, beyond the stroke end 500.000 (G1Pls.eia, line 3)\n" + (root_ / "out.svg").string() + "\n");
}

}  // namespace
