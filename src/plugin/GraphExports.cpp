// The host-facing exports other than StartIF: the name, the user level and
// the graph family forwarded to the plug-in frame's graph object.
#include <cstring>

#include "common/StringTable.h"
#include "plugin/Exports.h"
#include "plugin/ModuleObjects.h"

namespace {

pf::CDrawGraph& Graph() { return pf::g_pluginFrame.m_drawGraph; }

// The view pattern of the current global info, positioned.
pf::CViewPattern CurrentPattern(int32_t pos) {
  pf::CGlobalInfo global;
  Graph().GetGlobalInfo(&global);
  pf::CViewPattern pattern;
  global.GetViewPattern(pattern);
  pattern.SetPos(pos);
  return pattern;
}

}  // namespace

int32_t GetPluginNameIF(wchar_t* buffer, int32_t) {
  const std::wstring name = pf::LoadResString(14001);
  std::memcpy(buffer, name.c_str(), (name.size() + 1) * sizeof(wchar_t));
  return static_cast<int32_t>(name.size());
}

void GetGlobalInfoIF(pf::CGlobalInfo* info) { Graph().GetGlobalInfo(info); }
void SetGlobalInfoIF(pf::CGlobalInfo& info) { Graph().SetGlobalInfo(info); }
void GetGraphInfoIF(pf::CGraphInfo* info, int32_t pos) { Graph().GetGraphInfo(info, CurrentPattern(pos)); }
void SetGraphInfoIF(pf::CGraphInfo& info, int32_t pos) { Graph().SetGraphInfo(info, CurrentPattern(pos)); }
void GetTextInfoIF(pf::CTextInfo* info) { Graph().GetTextInfo(info); }
void SetTextInfoIF(pf::CTextInfo& info) { Graph().SetTextInfo(info); }
void RedrawGraphIF() { Graph().RedrawGraph(); }
void RedrawTextIF() { Graph().RedrawText(); }

void ClearGraphIF(int32_t pos) {
  pf::CViewPattern pattern;  // a fresh one: the global info is not consulted here
  pattern.SetPos(pos);
  Graph().ClearGraph(pattern);
}

int32_t ClearTextDataIF() { return Graph().ClearTextData(); }
void SwapGraphDataIF(int32_t a, int32_t b) { Graph().SwapGraphData(a, b); }
int32_t GetGraphInfoSizeIF() { return Graph().GetGraphInfoSize(); }
int32_t GetUserLevelIF() { return 1; }
pf::CDrawGraph* GetDrawGraphPtrIF() { return &Graph(); }
