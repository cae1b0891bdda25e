// The built-in machine's description text (machines/builtin.ini, embedded at
// build time).
#pragma once

namespace pf::sim {

extern const char* const kBuiltInMachine;

}  // namespace pf::sim
