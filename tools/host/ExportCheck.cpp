// The host's check of the exports (see ExportCheck.h).
#include "ExportCheck.h"

#include <functional>

#include "common/Format.h"
#include "common/StringTable.h"
#include "common/Text.h"
#include "plugin/Exports.h"

namespace pf {
namespace {

constexpr unsigned kPluginName = 14001;
constexpr int32_t kPos = 2;   // a position past the empty list's end
constexpr int kNameBufferChars = 256;

// The exports, as their own function types.
struct Exports {
  explicit Exports(const PluginModule& plugin)
      : getName(plugin.Export<decltype(&GetPluginNameIF)>("GetPluginNameIF")),
        getUserLevel(plugin.Export<decltype(&GetUserLevelIF)>("GetUserLevelIF")),
        getGlobal(plugin.Export<decltype(&GetGlobalInfoIF)>("GetGlobalInfoIF")),
        setGlobal(plugin.Export<decltype(&SetGlobalInfoIF)>("SetGlobalInfoIF")),
        getGraph(plugin.Export<decltype(&GetGraphInfoIF)>("GetGraphInfoIF")),
        setGraph(plugin.Export<decltype(&SetGraphInfoIF)>("SetGraphInfoIF")),
        getText(plugin.Export<decltype(&GetTextInfoIF)>("GetTextInfoIF")),
        setText(plugin.Export<decltype(&SetTextInfoIF)>("SetTextInfoIF")),
        clearGraph(plugin.Export<decltype(&ClearGraphIF)>("ClearGraphIF")),
        clearText(plugin.Export<decltype(&ClearTextDataIF)>("ClearTextDataIF")),
        graphSize(plugin.Export<decltype(&GetGraphInfoSizeIF)>("GetGraphInfoSizeIF")),
        drawGraph(plugin.Export<decltype(&GetDrawGraphPtrIF)>("GetDrawGraphPtrIF")) {}

  decltype(&GetPluginNameIF) getName;
  decltype(&GetUserLevelIF) getUserLevel;
  decltype(&GetGlobalInfoIF) getGlobal;
  decltype(&SetGlobalInfoIF) setGlobal;
  decltype(&GetGraphInfoIF) getGraph;
  decltype(&SetGraphInfoIF) setGraph;
  decltype(&GetTextInfoIF) getText;
  decltype(&SetTextInfoIF) setText;
  decltype(&ClearGraphIF) clearGraph;
  decltype(&ClearTextDataIF) clearText;
  decltype(&GetGraphInfoSizeIF) graphSize;
  decltype(&GetDrawGraphPtrIF) drawGraph;
};

struct Check {
  const wchar_t* what;
  std::function<std::wstring(const Exports&)> run;   // empty text: it holds
};

std::wstring NameCheck(const Exports& e) {
  wchar_t buffer[kNameBufferChars] = {};
  const int32_t length = e.getName(buffer, 0);
  const std::wstring name = LoadResString(kPluginName);
  if (length == static_cast<int32_t>(name.size()) && buffer == name) return L"";
  return Format(L"%d characters \"%s\"", length, std::wstring(buffer));
}

std::wstring UserLevelCheck(const Exports& e) {
  const int32_t level = e.getUserLevel();
  return level == 1 ? L"" : Format(L"%d", level);
}

// The global info's view pattern names the list's entries from its start.
std::wstring GraphInfoCheck(const Exports& e) {
  CGlobalInfo global;
  e.getGlobal(&global);
  global.m_strTitle = L"host check";
  e.setGlobal(global);
  CGlobalInfo back;
  e.getGlobal(&back);
  CGraphInfo info;
  info.m_strName = L"X position";
  info.m_aryData = {0.0, 0.5, 1.25};
  e.setGraph(info, kPos);
  CGraphInfo read;
  e.getGraph(&read, kPos);
  if (back.m_strTitle != global.m_strTitle) return L"the global info's title did not come back";
  if (read.m_strName != info.m_strName || read.m_aryData != info.m_aryData) return L"the graph info did not come back";
  return L"";
}

std::wstring SizeCheck(const Exports& e) {
  const int32_t size = e.graphSize();
  const CDrawGraph* graph = e.drawGraph();
  if (graph == nullptr) return L"GetDrawGraphPtrIF gave no object";
  if (size != kPos + 1 || graph->GetGraphInfoSize() != size) {
    return Format(L"%d graph infos (the object says %d), expected %d", size, graph->GetGraphInfoSize(), kPos + 1);
  }
  return L"";
}

std::wstring ClearCheck(const Exports& e) {
  e.clearGraph(kPos);
  CGraphInfo read;
  e.getGraph(&read, kPos);
  if (!read.IsEmpty() || e.graphSize() != kPos + 1) return L"the cleared position is not empty or the list shrank";
  CTextInfo text;
  text.m_aryText = {L"first line", L"second line"};
  e.setText(text);
  CTextInfo back;
  e.getText(&back);
  if (back.m_aryText != text.m_aryText) return L"the text info did not come back";
  const int32_t cleared = e.clearText();
  return cleared == 2 ? L"" : Format(L"ClearTextDataIF gave %d, expected 2", cleared);
}

const Check kChecks[] = {
    {L"GetPluginNameIF gives string 14001 and its length", NameCheck},
    {L"GetUserLevelIF gives 1", UserLevelCheck},
    {L"a graph info and the global info come back", GraphInfoCheck},
    {L"the graph list grows to the position", SizeCheck},
    {L"ClearGraphIF and the text info", ClearCheck},
};

}  // namespace

CheckCounts CheckExports(const PluginModule& plugin, std::ostream& report) {
  const Exports exports(plugin);
  CheckCounts counts;
  for (const Check& check : kChecks) {
    const std::wstring failure = check.run(exports);
    if (failure.empty()) {
      ++counts.passed;
      continue;
    }
    ++counts.failed;
    report << ToNarrow(Format(L"self-check: %s: %s\n", check.what, failure));
  }
  return counts;
}

}  // namespace pf
