// The demo's script (see DemoScript.h).
#include "DemoScript.h"

namespace pf {

const char kDemoScript[] = R"(# The typical request: the cutting-feed time-constant program for axis X of
# part system 1, in a new project.
type 35027 "Demo"
next
pick 35018 1
next
tick 35047 "Time constant/Axis $1-X"
next
expect page 4
click 35020
next
expect page 6
click 35020
next
expect page 14
finish
expect closed finish
expect file "Program/Demo/Project.dat" "[Machine]\r\nMachineInfo=1\r\n[GCode]\r\nNumber=0\r\n"
)";

}  // namespace pf
