// CPropertySheet: the page list and the calls that go to the sheet's window.
#include "ui/PropertySheet.h"

#include <algorithm>
#include <stdexcept>

#include "ui/UiBackend.h"

namespace pf {

CPropertySheet::CPropertySheet(unsigned captionId, unsigned selectPage, unsigned watermarkBitmapId,
                               unsigned headerBitmapId) {
  m_psh.captionId = captionId;
  m_psh.nStartPage = selectPage;
  m_psh.watermarkBitmapId = watermarkBitmapId;
  m_psh.headerBitmapId = headerBitmapId;
  if (watermarkBitmapId != 0) m_psh.dwFlags |= kPshWatermark;
  if (headerBitmapId != 0) m_psh.dwFlags |= kPshHeader;
}

void CPropertySheet::AddPage(CPropertyPage* page) {
  page->SetParentSheet(this);
  pages_.push_back(page);
}

CPropertyPage* CPropertySheet::GetPage(int index) const {
  if (index < 0 || index >= GetPageCount()) return nullptr;
  return pages_[static_cast<std::size_t>(index)];
}

int CPropertySheet::GetPageIndex(const CPropertyPage* page) const {
  auto it = std::find(pages_.begin(), pages_.end(), page);
  return it == pages_.end() ? -1 : static_cast<int>(it - pages_.begin());
}

int CPropertySheet::GetActiveIndex() const {
  if (sheetPeer_ == nullptr) return static_cast<int>(m_psh.nStartPage);
  return sheetPeer_->GetActiveIndex();
}

CPropertyPage* CPropertySheet::GetActivePage() const { return GetPage(GetActiveIndex()); }

BOOL CPropertySheet::SetActivePage(int index) {
  if (sheetPeer_ != nullptr) return sheetPeer_->SetActivePage(index);
  if (index < 0 || index >= GetPageCount()) return FALSE;
  m_psh.nStartPage = static_cast<unsigned>(index);
  return TRUE;
}

BOOL CPropertySheet::SetActivePage(CPropertyPage* page) { return SetActivePage(GetPageIndex(page)); }

void CPropertySheet::PostWizardButtons(unsigned flags) { SheetPeer().PostWizardButtons(flags); }

INT_PTR CPropertySheet::DoModal() { return CurrentUiBackend().RunPropertySheet(*this); }

BOOL CPropertySheet::OnInitDialog() { return SheetPeer().InitDefault(); }

void CPropertySheet::AttachPeer(ISheetPeer* peer) {
  sheetPeer_ = peer;
  SetPeer(peer);
}

ISheetPeer& CPropertySheet::SheetPeer() const {
  if (sheetPeer_ == nullptr) throw std::logic_error("the sheet window does not exist");
  return *sheetPeer_;
}

}  // namespace pf
