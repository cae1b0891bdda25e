// CChildControl: creation through the parent's peer and notifications back.
#include "ui/ChildControl.h"

#include "ui/Dialog.h"

namespace pf {

BOOL CChildControl::CreateChild(CDialog* parent, int id, const Rect& rect, unsigned style) {
  if (!parent->DialogPeer().CreateChild(*this, id, rect, style)) return FALSE;
  parent_ = parent;
  id_ = id;
  return TRUE;
}

LRESULT CChildControl::NotifyParent(Notify code, const NotifyInfo& info) {
  if (parent_ == nullptr || !parent_->HasWindow()) return 0;
  return parent_->DialogPeer().SendNotify(id_, code, info);
}

}  // namespace pf
