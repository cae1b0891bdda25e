// The window peers: what a backend implements for every window that the
// toolkit's classes (CDialog, CPropertySheet and the control accessors) stand
// for. A backend creates a peer when it creates the window and attaches it to
// the C++ object; the object forwards every platform operation to its peer.
//
// Each operation is one platform message or call (named beside it), so the
// Win32 backend maps them one to one and the headless backend imitates them.
// Failures follow the platform's results, with one addition that both
// backends keep: naming a control id that the window lacks throws
// std::out_of_range, and asking a control for a kind it is not (a list box
// operation on an edit) throws std::invalid_argument. The dispatcher of the
// backend catches both, so a page that touches a wrong id abandons the action
// and the test or log notices.
#pragma once

#include <string>
#include <vector>

#include "ui/UiTypes.h"

namespace pf {

class CChildControl;
class CImageList;
struct MotionPicture;
class IListPeer;
class IComboPeer;
class ITreePeer;
class IPicturePeer;

// One control of a window.
class IControlPeer {
 public:
  virtual ~IControlPeer() = default;

  virtual std::wstring GetText() const = 0;                  // WM_GETTEXT (a combo box: its edit field)
  virtual void SetText(const std::wstring& text) = 0;        // WM_SETTEXT
  virtual void Enable(bool enable) = 0;                      // EnableWindow
  virtual bool IsEnabled() const = 0;                        // IsWindowEnabled
  virtual void Show(bool show) = 0;                          // ShowWindow SW_SHOW / SW_HIDE
  virtual bool IsVisible() const = 0;                        // IsWindowVisible
  virtual int GetCheck() const = 0;                          // BM_GETCHECK (0 for non-buttons)
  virtual void SetCheck(int state) = 0;                      // BM_SETCHECK (no effect on non-buttons)
  virtual void LimitText(int maxChars) = 0;                  // EM_LIMITTEXT / CB_LIMITTEXT (0: no limit)
  virtual Rect GetRect() const = 0;                          // window rectangle in the parent's client pixels
  virtual void Redraw() = 0;                                 // RedrawWindow, at once

  // The control's kind-specific operations, null when it is not of the kind.
  virtual IListPeer* AsList() { return nullptr; }
  virtual IComboPeer* AsCombo() { return nullptr; }
  virtual ITreePeer* AsTree() { return nullptr; }
  virtual IPicturePeer* AsPicture() { return nullptr; }
};

// A picture control: an owner-drawn static (SS_OWNERDRAW) whose drawing is
// the toolkit's own. Setting a picture redraws the control.
class IPicturePeer {
 public:
  virtual ~IPicturePeer() = default;
  virtual void SetPicture(const MotionPicture& picture) = 0;
  virtual const MotionPicture& GetPicture() const = 0;
};

// List box (LB_* messages). No operation sends a notification.
class IListPeer {
 public:
  virtual ~IListPeer() = default;
  virtual void ResetContent() = 0;
  virtual int AddString(const std::wstring& text) = 0;       // index of the new entry
  virtual int DeleteString(int index) = 0;                   // entries left, or kLbErr
  virtual int GetCount() const = 0;
  virtual int GetCurSel() const = 0;                         // kLbErr when none
  virtual int SetCurSel(int index) = 0;                      // -1 clears; kLbErr when out of range
  virtual std::wstring GetText(int index) const = 0;         // empty when out of range
};

// Combo box (CB_* messages). No operation sends a notification.
class IComboPeer {
 public:
  virtual ~IComboPeer() = default;
  virtual void ResetContent() = 0;                           // also empties the edit field
  virtual int AddString(const std::wstring& text) = 0;
  virtual int GetCount() const = 0;
  virtual int GetCurSel() const = 0;
  virtual int SetCurSel(int index) = 0;                      // shows the entry in the edit field
  virtual std::wstring GetLBText(int index) const = 0;
};

// Tree view (TVM_* messages). Items are appended at the end of their parent.
// An item handle the tree does not hold gives the failure result (null,
// FALSE, 0), as the platform's checks do.
class ITreePeer {
 public:
  virtual ~ITreePeer() = default;
  virtual HTreeItem InsertItem(HTreeItem parent, const std::wstring& text, int image, int selectedImage,
                               DWORD_PTR data) = 0;
  virtual BOOL DeleteItem(HTreeItem item) = 0;               // the item and its children
  virtual BOOL DeleteAllItems() = 0;
  virtual unsigned GetCount() const = 0;
  virtual HTreeItem GetNextItem(HTreeItem item, unsigned relation) const = 0;  // kTvgn*
  virtual std::wstring GetItemText(HTreeItem item) const = 0;
  virtual DWORD_PTR GetItemData(HTreeItem item) const = 0;
  virtual BOOL SetItemData(HTreeItem item, DWORD_PTR data) = 0;
  virtual BOOL GetItemImage(HTreeItem item, int& image, int& selectedImage) const = 0;
  virtual BOOL SetItemImage(HTreeItem item, int image, int selectedImage) = 0;
  virtual BOOL GetCheck(HTreeItem item) const = 0;           // the state image is the ticked box
  virtual BOOL SetCheck(HTreeItem item, BOOL check) = 0;
  virtual BOOL Expand(HTreeItem item, unsigned action) = 0;  // kTve*
  virtual BOOL EnsureVisible(HTreeItem item) = 0;            // expands the item's parents
  virtual BOOL SelectItem(HTreeItem item) = 0;               // the caret; sends TreeSelChanged when it moves
  virtual HTreeItem HitTest(Point pt, unsigned* flags) const = 0;  // kTvht* flags
  virtual void SetImageList(const CImageList& images) = 0;  // the normal image list (TVSIL_NORMAL)
};

// What every window offers: its child controls and its frame.
class IWindowPeer {
 public:
  virtual ~IWindowPeer() = default;
  virtual bool HasControl(int id) const = 0;                 // GetDlgItem != null
  virtual IControlPeer& Control(int id) = 0;                 // throws std::out_of_range for a missing id
  // The radio buttons of the group that starts at `firstId`, in window order:
  // up to the next control with WS_GROUP (GetWindow GW_HWNDNEXT walk).
  virtual std::vector<int> RadioGroup(int firstId) const = 0;
  virtual int GetFocusId() const = 0;                        // id of the focused control inside, else 0
  virtual void SetFocus(int id) = 0;
  virtual unsigned GetStyle() const = 0;                     // GWL_STYLE
  virtual void ModifyStyle(unsigned remove, unsigned add) = 0;
  virtual void AppendSystemMenu(unsigned command, const std::wstring& text) = 0;  // AppendMenu MF_STRING
  virtual unsigned GetDpi() const = 0;                       // GetDpiForWindow (kStandardDpi: unscaled)
  // The C++ object is being destroyed while its window exists: the backend
  // destroys the window (DestroyWindow) and never calls the object again.
  virtual void OwnerDestroyed() = 0;
};

// A dialog: a modal dialog or a property page.
class IDialogPeer : public IWindowPeer {
 public:
  // Creates `control`'s window as a child with the given id, style and
  // rectangle (client pixels), last in window order; false on failure.
  virtual bool CreateChild(CChildControl& control, int id, const Rect& rect, unsigned style) = 0;
  // Moves control `id` right after control `afterId` in window (tab) order,
  // without moving or resizing it (SetWindowPos SWP_NOMOVE | SWP_NOSIZE).
  virtual void PlaceAfter(int id, int afterId) = 0;
  // Sends a notification from child control `id` to this dialog (WM_NOTIFY)
  // and returns the dialog's answer.
  virtual LRESULT SendNotify(int id, Notify code, const NotifyInfo& info) = 0;
  // Ends a modal dialog with `result` once the current handler returns.
  virtual void EndDialog(INT_PTR result) = 0;
};

// A property sheet in wizard mode. Its controls are the buttons kIdWizBack,
// kIdWizNext, kIdWizFinish, kIdCancel and kIdHelp.
class ISheetPeer : public IWindowPeer {
 public:
  // The platform's own sheet initialisation (the default WM_INITDIALOG
  // processing): creates and activates the start page.
  virtual BOOL InitDefault() = 0;
  // PSM_SETCURSEL, sent: kill-active to the active page (which may refuse),
  // then the new page is created if need be and gets set-active.
  virtual BOOL SetActivePage(int index) = 0;
  virtual int GetActiveIndex() const = 0;
  // PSM_SETWIZBUTTONS, posted: takes effect after the current handler.
  virtual void PostWizardButtons(unsigned flags) = 0;
};

}  // namespace pf
