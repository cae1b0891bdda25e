#include "graph/DrawGraph.h"

#include <utility>

namespace pf {

void CDrawGraph::GetGraphInfo(CGraphInfo* info, const CViewPattern& pattern) const {
  *info = IsListed(pattern.GetIndex()) ? m_aryGraphInfo[pattern.GetIndex()] : CGraphInfo();
}

void CDrawGraph::SetGraphInfo(const CGraphInfo& info, const CViewPattern& pattern) {
  const int pos = pattern.GetIndex();
  if (pos < 0) return;
  if (pos >= GetGraphInfoSize()) m_aryGraphInfo.resize(pos + 1);
  m_aryGraphInfo[pos] = info;
}

int CDrawGraph::ClearGraph(const CViewPattern& pattern) {
  if (!IsListed(pattern.GetIndex())) return 0;
  m_aryGraphInfo[pattern.GetIndex()] = CGraphInfo();
  return 1;
}

int CDrawGraph::ClearTextData() {
  const int count = static_cast<int>(m_textInfo.m_aryText.size());
  m_textInfo = CTextInfo();
  return count;
}

void CDrawGraph::SwapGraphData(int a, int b) {
  if (IsListed(a) && IsListed(b)) std::swap(m_aryGraphInfo[a], m_aryGraphInfo[b]);
}

}  // namespace pf
