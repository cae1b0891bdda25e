// The platform window class of the grid (kGridWindowClass, the class that a
// backend creates for CGridCtrl): made known before a grid's window is made.
#pragma once

namespace pf {

// Registers the grid's window class for this module, once; true when the
// class is ready. A backend that makes no platform windows needs no class:
// true.
bool RegisterGridWindowClass();

}  // namespace pf
