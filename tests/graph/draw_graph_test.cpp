// The graph object as a host relies on it: what is stored at a position can
// be read back, and clear, swap and size agree with each other.
#include <gtest/gtest.h>

#include "graph/DrawGraph.h"

namespace pf {
namespace {

CViewPattern At(int pos) {
  CViewPattern pattern;
  pattern.SetPos(pos);
  return pattern;
}

CGraphInfo Named(const wchar_t* name) {
  CGraphInfo info;
  info.m_strName = name;
  info.m_aryData = {1.0, 2.0};
  return info;
}

std::wstring NameAt(const CDrawGraph& graph, int pos) {
  CGraphInfo info = Named(L"stale");
  graph.GetGraphInfo(&info, At(pos));
  return info.m_strName;
}

TEST(DrawGraph, StoresGraphInfosByPositionAndReadsThemBack) {
  CDrawGraph graph;
  graph.SetGraphInfo(Named(L"a"), At(2));
  EXPECT_EQ(graph.GetGraphInfoSize(), 3);
  EXPECT_EQ(NameAt(graph, 2), L"a");
  EXPECT_EQ(NameAt(graph, 0), L"");   // grown with empty entries
  EXPECT_EQ(NameAt(graph, 7), L"");   // beyond the list: an empty info
  graph.SetGraphInfo(Named(L"b"), At(-1));
  EXPECT_EQ(graph.GetGraphInfoSize(), 3);
}

TEST(DrawGraph, ClearSwapAndSizeAgree) {
  CDrawGraph graph;
  graph.SetGraphInfo(Named(L"a"), At(0));
  graph.SetGraphInfo(Named(L"b"), At(1));
  graph.SwapGraphData(0, 1);
  EXPECT_EQ(NameAt(graph, 0), L"b");
  EXPECT_EQ(NameAt(graph, 1), L"a");
  graph.SwapGraphData(0, 5);
  EXPECT_EQ(NameAt(graph, 0), L"b");
  graph.ClearGraph(At(1));
  EXPECT_EQ(graph.ClearGraph(At(4)), 0);
  EXPECT_EQ(graph.GetGraphInfoSize(), 2);

  CTextInfo text;
  text.m_aryText = {L"one", L"two"};
  graph.SetTextInfo(text);
  EXPECT_EQ(graph.ClearTextData(), 2);
  EXPECT_EQ(graph.ClearTextData(), 0);
}

}  // namespace
}  // namespace pf
