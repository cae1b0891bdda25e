// The plug-in's exports as a host sees them: the sixteen names and nothing
// else, the user level, the plug-in name, and the graph family forwarded to
// the module's one graph object.
#include <gtest/gtest.h>

#include <stdio.h>

#include <algorithm>
#include <iterator>
#include <set>
#include <sstream>
#include <string>

#include "PluginHost.h"
#include "common/StringTable.h"
#include "graph/DrawGraph.h"

namespace pf {
namespace {

using test::LoadedPlugin;

// The names the module's dynamic symbol table defines.
std::set<std::string> DefinedSymbols(const char* path) {
  std::set<std::string> names;
  const std::string command = std::string("nm -D --defined-only --format=posix '") + path + "'";
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return names;
  char line[512];
  while (fgets(line, sizeof line, pipe) != nullptr) {
    std::istringstream words(line);
    std::string name;
    words >> name;
    names.insert(name);
  }
  pclose(pipe);
  return names;
}

TEST(PluginExports, TheSixteenNamesAndNothingElse) {
  const PluginModule* plugin = LoadedPlugin();
  ASSERT_NE(plugin, nullptr);
  for (const char* name : kPluginExports) {
    SCOPED_TRACE(name);
    EXPECT_NE(plugin->Export<void (*)()>(name), nullptr);
  }
  EXPECT_EQ(std::size(kPluginExports), 16u);
  EXPECT_EQ(DefinedSymbols(PF_PLUGIN_FILE), std::set<std::string>(std::begin(kPluginExports), std::end(kPluginExports)));
  EXPECT_EQ(plugin->Export<void (*)()>("RunWizard"), nullptr);
}

TEST(PluginExports, UserLevelIsOneOnEveryCall) {
  const PluginModule* plugin = LoadedPlugin();
  ASSERT_NE(plugin, nullptr);
  const auto userLevel = plugin->Export<int32_t (*)()>("GetUserLevelIF");
  for (int call = 0; call < 3; ++call) EXPECT_EQ(userLevel(), 1);
}

TEST(PluginExports, PluginNameIsString14001WithItsTerminator) {
  const PluginModule* plugin = LoadedPlugin();
  ASSERT_NE(plugin, nullptr);
  const std::wstring name = LoadResString(14001);
  ASSERT_FALSE(name.empty());
  std::wstring buffer(name.size() + 8, L'#');
  const int32_t length = plugin->Export<int32_t (*)(wchar_t*, int32_t)>("GetPluginNameIF")(&buffer[0], 0);
  EXPECT_EQ(length, static_cast<int32_t>(name.size()));
  EXPECT_EQ(buffer.substr(0, name.size()), name);
  EXPECT_EQ(buffer[name.size()], L'\0');
  EXPECT_EQ(buffer[name.size() + 1], L'#');
}

// The graph exports, reached by name as a host reaches them.
class GraphExportsTest : public ::testing::Test {
 protected:
  // The module's graph object lives as long as the module: every test starts
  // from the default global info and empty entries.
  void SetUp() override {
    plugin = LoadedPlugin();
    ASSERT_NE(plugin, nullptr);
    CGlobalInfo fresh;
    SetGlobal(fresh);
    for (int32_t pos = 0; pos < GetSize(); ++pos) Clear(pos);
  }

  template <class Fn>
  Fn Export(const char* name) const {
    return plugin->Export<Fn>(name);
  }
  void SetGlobal(CGlobalInfo& info) { Export<void (*)(CGlobalInfo&)>("SetGlobalInfoIF")(info); }
  void SetGraph(CGraphInfo info, int32_t pos) { Export<void (*)(CGraphInfo&, int32_t)>("SetGraphInfoIF")(info, pos); }
  std::wstring GraphName(int32_t pos) {
    CGraphInfo info;
    info.m_strName = L"stale";
    Export<void (*)(CGraphInfo*, int32_t)>("GetGraphInfoIF")(&info, pos);
    return info.m_strName;
  }
  void Clear(int32_t pos) { Export<void (*)(int32_t)>("ClearGraphIF")(pos); }
  int32_t GetSize() { return Export<int32_t (*)()>("GetGraphInfoSizeIF")(); }
  CDrawGraph& Graph() { return *Export<CDrawGraph* (*)()>("GetDrawGraphPtrIF")(); }

  static CGraphInfo Named(const wchar_t* name) {
    CGraphInfo info;
    info.m_strName = name;
    info.m_aryData = {0.5};
    return info;
  }

  const PluginModule* plugin = nullptr;
};

TEST_F(GraphExportsTest, AGraphInfoStoredAtAPositionReadsBack) {
  const int32_t start = GetSize();
  SetGraph(Named(L"speed"), start + 2);
  EXPECT_EQ(GetSize(), start + 3);
  EXPECT_EQ(GraphName(start + 2), L"speed");
  EXPECT_EQ(GraphName(start + 1), L"");
  CGraphInfo direct;
  Graph().GetGraphInfo(&direct, [&] {
    CViewPattern pattern;
    pattern.SetPos(start + 2);
    return pattern;
  }());
  EXPECT_EQ(direct.m_strName, L"speed");   // the same object as GetDrawGraphPtrIF's
}

// GetGraphInfoIF positions the global info's pattern, ClearGraphIF a fresh
// default one: with the global pattern moved on by two entries, position 0
// reads entry 2 but clears entry 0.
TEST_F(GraphExportsTest, ClearGraphUsesADefaultPatternAndGetGraphInfoTheGlobalOne) {
  SetGraph(Named(L"first"), 0);
  SetGraph(Named(L"third"), 2);
  CGlobalInfo moved;
  CViewPattern pattern;
  pattern.MoveTo(2);
  moved.SetViewPattern(pattern);
  SetGlobal(moved);

  EXPECT_EQ(GraphName(0), L"third");
  Clear(0);
  EXPECT_EQ(GraphName(0), L"third");   // entry 2 is untouched ...
  CGlobalInfo fresh;
  SetGlobal(fresh);
  EXPECT_EQ(GraphName(0), L"");        // ... entry 0 was cleared
  EXPECT_EQ(GraphName(2), L"third");

  CGlobalInfo read;
  SetGlobal(moved);
  Export<void (*)(CGlobalInfo*)>("GetGlobalInfoIF")(&read);
  CViewPattern readPattern;
  read.GetViewPattern(readPattern);
  EXPECT_EQ(readPattern.GetFirst(), 2);
}

TEST_F(GraphExportsTest, SwapTextAndRedrawsReachTheGraphObject) {
  SetGraph(Named(L"a"), 0);
  SetGraph(Named(L"b"), 1);
  Export<void (*)(int32_t, int32_t)>("SwapGraphDataIF")(0, 1);
  EXPECT_EQ(GraphName(0), L"b");
  EXPECT_EQ(GraphName(1), L"a");

  CTextInfo text;
  text.m_aryText = {L"X axis", L"Y axis", L"Z axis"};
  Export<void (*)(CTextInfo&)>("SetTextInfoIF")(text);
  CTextInfo read;
  Export<void (*)(CTextInfo*)>("GetTextInfoIF")(&read);
  EXPECT_EQ(read.m_aryText, text.m_aryText);
  EXPECT_EQ(Export<int32_t (*)()>("ClearTextDataIF")(), 3);
  EXPECT_EQ(Export<int32_t (*)()>("ClearTextDataIF")(), 0);

  const int graphRedraws = Graph().GetGraphRedrawCount();
  const int textRedraws = Graph().GetTextRedrawCount();
  Export<void (*)()>("RedrawGraphIF")();
  Export<void (*)()>("RedrawGraphIF")();
  Export<void (*)()>("RedrawTextIF")();
  EXPECT_EQ(Graph().GetGraphRedrawCount(), graphRedraws + 2);
  EXPECT_EQ(Graph().GetTextRedrawCount(), textRedraws + 1);
}

}  // namespace
}  // namespace pf
