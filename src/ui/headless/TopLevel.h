// A headless top-level window: a property sheet or a modal dialog, from its
// creation to its destruction by the headless toolkit.
#pragma once

#include "ui/UiTypes.h"

namespace pf {

class CWnd;
class ControlOwner;
class HeadlessDialog;

class HeadlessTopLevel {
 public:
  virtual ~HeadlessTopLevel() = default;

  // The C++ object the window belongs to.
  virtual CWnd& Owner() const = 0;
  // The dialog whose controls take input now (a sheet's active page); null
  // when there is none.
  virtual HeadlessDialog* InputDialog() = 0;
  // The window is destroyed: the C++ objects lose their peers.
  virtual void Detach() = 0;

  bool IsOpen() const { return open_; }
  INT_PTR result() const { return result_; }
  // Ends the window with `result`; it is destroyed once its input is done.
  void Close(INT_PTR result) {
    if (!open_) return;
    open_ = false;
    result_ = result;
  }

  // Set while a modal loop runs the window (it destroys the window itself).
  bool inModalLoop = false;
  // The focus when the window opened, given back when it is destroyed.
  const ControlOwner* focusBeforeWindow = nullptr;
  int focusBeforeId = 0;

 private:
  bool open_ = true;
  INT_PTR result_ = 0;
};

}  // namespace pf
