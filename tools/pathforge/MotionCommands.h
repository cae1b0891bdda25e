// The pathforge commands that read a machine description and check or draw
// program motion:
//
//   pathforge generate JOB [--machine FILE]
//       as before; with a machine (the option, or Machine=FILE in the job's
//       [Project]) the axes, planes, feeds, stroke limits and rapid speeds
//       come from it, a program without SmpTime gets the page's estimate and
//       each program's motion verdict is printed after its files.
//   pathforge check PROJECT_FOLDER --machine FILE
//       one verdict per program of the project, its remarks below it; exit 1
//       when a program leaves its stroke limits, moves an axis whose limits
//       are unknown or cannot be checked, else 0 (2: bad arguments).
//   pathforge preview FILE.eia [--machine FILE] [--axis LABEL | --plane LABEL]
//                    [--machine-type 0|1] [--gcode-list 2..7] -o OUT.svg
//       the file's motion as an SVG picture. A file of a project's program
//       (<project>/<axis or plane>/<kind folder>/<file>) is checked as the
//       page checks it: from the end of its position file beside it, on the
//       machine type and G-code list of the project's Project.dat (or the
//       options), for the axis or plane its folder names; the verdict is
//       printed and written above the picture. Any other file is followed
//       from 0 on every axis. Without a machine the axes are X, Y and Z with
//       no stroke limits. Exit 1 when the file cannot be followed.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace pf {

// Each takes the arguments after the command's name; returns the exit status.
int RunGenerateCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunCheckCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunPreviewCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace pf
