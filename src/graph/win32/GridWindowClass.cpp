// Only Win32 code here. The grid's window class, registered for the module
// that this library is linked into.
#include "graph/GridWindowClass.h"

#include "graph/GridCtrl.h"
#include "graph/win32/GridWindow.h"
#include "ui/win32/Win32Module.h"

namespace pf {

// A class of this name left behind by an earlier load of the module (a DLL
// does not unregister its classes when it is unloaded) is made anew.
bool RegisterGridWindowClass() {
  HINSTANCE module = ResourceModule();
  WNDCLASSEXW known{};
  known.cbSize = sizeof(known);
  if (GetClassInfoExW(module, kGridWindowClass, &known) != FALSE) {
    if (known.lpfnWndProc == &GridWindow::Proc) return true;
    UnregisterClassW(kGridWindowClass, module);
  }
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = &GridWindow::Proc;
  windowClass.hInstance = module;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kGridWindowClass;
  return RegisterClassExW(&windowClass) != 0;
}

}  // namespace pf
