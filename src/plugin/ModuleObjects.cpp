// Defined in one place so that they are made in this order and destroyed in
// the reverse one. g_ovxIf only keeps a reference to the log channel until
// its first call, which comes after loading.
#include "plugin/ModuleObjects.h"

namespace pf {

COVXIF g_ovxIf(g_logChannel);
CLogChannel g_logChannel;
CPluginFrame g_pluginFrame;

}  // namespace pf
