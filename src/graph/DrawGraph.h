// Our stand-in for the host's graph library: the graph object that the
// plug-in owns and whose operations its graph exports forward to.
//
// A CDrawGraph keeps a global info (with the view pattern in force), a list
// of graph infos indexed by the entry a view pattern names, and a text info. The
// module never draws; the host reads and writes these through the exports or
// directly through the object's address.
#pragma once

#include <string>
#include <vector>

namespace pf {

// Which graph of the list an operation is about: a position in the view,
// counted from the first graph that the view shows. A default pattern shows
// the list from its start; a moved one (MoveTo) from a later entry, so the
// same position names another graph of the list.
class CViewPattern {
 public:
  CViewPattern() = default;
  virtual ~CViewPattern() = default;
  CViewPattern(const CViewPattern&) = default;
  CViewPattern& operator=(const CViewPattern&) = default;

  void SetPos(int pos) { m_nPos = pos; }
  int GetPos() const { return m_nPos; }
  void MoveTo(int first) { m_nFirst = first; }
  int GetFirst() const { return m_nFirst; }
  // The list entry the pattern names.
  int GetIndex() const { return m_nFirst + m_nPos; }

 private:
  int m_nFirst = 0;
  int m_nPos = 0;
};

// Settings that hold for the whole drawing, the view pattern among them.
class CGlobalInfo {
 public:
  CGlobalInfo() = default;
  virtual ~CGlobalInfo() = default;
  CGlobalInfo(const CGlobalInfo&) = default;
  CGlobalInfo& operator=(const CGlobalInfo&) = default;

  void GetViewPattern(CViewPattern& pattern) const { pattern = m_viewPattern; }
  void SetViewPattern(const CViewPattern& pattern) { m_viewPattern = pattern; }

  std::wstring m_strTitle;
  CViewPattern m_viewPattern;
};

// One graph: its name and its samples. A default graph info is empty.
class CGraphInfo {
 public:
  CGraphInfo() = default;
  virtual ~CGraphInfo() = default;
  CGraphInfo(const CGraphInfo&) = default;
  CGraphInfo& operator=(const CGraphInfo&) = default;

  bool IsEmpty() const { return m_strName.empty() && m_aryData.empty(); }

  std::wstring m_strName;
  std::vector<double> m_aryData;
};

// The text lines shown beside the graphs.
class CTextInfo {
 public:
  CTextInfo() = default;
  virtual ~CTextInfo() = default;
  CTextInfo(const CTextInfo&) = default;
  CTextInfo& operator=(const CTextInfo&) = default;

  std::vector<std::wstring> m_aryText;
};

class CDrawGraph {
 public:
  CDrawGraph() = default;
  virtual ~CDrawGraph() = default;
  CDrawGraph(const CDrawGraph&) = delete;
  CDrawGraph& operator=(const CDrawGraph&) = delete;

  void GetGlobalInfo(CGlobalInfo* info) const { *info = m_globalInfo; }
  void SetGlobalInfo(const CGlobalInfo& info) { m_globalInfo = info; }

  // The graph info of the entry the pattern names; an empty one where the
  // list holds none.
  void GetGraphInfo(CGraphInfo* info, const CViewPattern& pattern) const;
  // Stores the graph info at the entry the pattern names, growing the list
  // with empty entries as needed; a negative entry stores nothing.
  void SetGraphInfo(const CGraphInfo& info, const CViewPattern& pattern);

  void GetTextInfo(CTextInfo* info) const { *info = m_textInfo; }
  void SetTextInfo(const CTextInfo& info) { m_textInfo = info; }

  void RedrawGraph() { ++m_nGraphRedraws; }
  void RedrawText() { ++m_nTextRedraws; }

  // Empties the entry the pattern names (the list keeps its length); 1 when
  // there was such an entry, else 0.
  int ClearGraph(const CViewPattern& pattern);
  // Empties the text info; returns how many lines it held.
  int ClearTextData();
  // Swaps two entries; positions outside the list change nothing.
  void SwapGraphData(int a, int b);
  int GetGraphInfoSize() const { return static_cast<int>(m_aryGraphInfo.size()); }

  int GetGraphRedrawCount() const { return m_nGraphRedraws; }
  int GetTextRedrawCount() const { return m_nTextRedraws; }

 private:
  bool IsListed(int pos) const { return pos >= 0 && pos < GetGraphInfoSize(); }

  CGlobalInfo m_globalInfo;
  std::vector<CGraphInfo> m_aryGraphInfo;
  CTextInfo m_textInfo;
  int m_nGraphRedraws = 0;
  int m_nTextRedraws = 0;
};

}  // namespace pf
