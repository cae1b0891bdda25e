// The module-wide objects: they come into being when the host loads the
// module and die, in reverse order, when it unloads it.
//
//   g_ovxIf        the one link to the NC-interface library (not loaded, closed)
//   g_logChannel   the one log link; it looks up the log viewer now, once
//   g_pluginFrame  the owner of the graph object behind the graph exports
#pragma once

#include "nclink/LogChannel.h"
#include "nclink/OVXIF.h"
#include "plugin/PluginFrame.h"

namespace pf {

extern COVXIF g_ovxIf;
extern CLogChannel g_logChannel;
extern CPluginFrame g_pluginFrame;

}  // namespace pf
