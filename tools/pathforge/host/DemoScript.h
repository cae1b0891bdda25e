// The built-in demo of `pathforge wizard`: the typical request on the
// simulated NC's built-in machine, as a wizard script.
#pragma once

namespace pf {

// The project the demo makes below the data folder's "Program" folder.
inline constexpr wchar_t kDemoProject[] = L"Demo";

// The script: a new project "Demo"; machine type 1 (machining centre); the
// time-constant programs ticked for $1-X; the rapid program (kind 2) and
// then the cutting-feed program (kind 3) created; Finish.
extern const char kDemoScript[];

}  // namespace pf
