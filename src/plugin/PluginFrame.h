// CPluginFrame: the owner of the graph object behind the plug-in's graph
// exports. The module never draws into it; the host does, through the
// exports or directly through its address.
#pragma once

#include "graph/DrawGraph.h"

namespace pf {

class CPluginFrame {
 public:
  CPluginFrame() = default;
  virtual ~CPluginFrame() = default;
  CPluginFrame(const CPluginFrame&) = delete;
  CPluginFrame& operator=(const CPluginFrame&) = delete;

  CDrawGraph m_drawGraph;
};

}  // namespace pf
