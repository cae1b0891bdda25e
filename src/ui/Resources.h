// The dialog templates and bitmaps of res/, as C++ tables. The Windows
// resource compiler builds the module's resources from the same lists, so the
// headless toolkit creates exactly the controls that Windows creates.
#pragma once

#include <cstddef>
#include <cstdint>

namespace pf {

struct ControlTemplate {
  int id;
  const wchar_t* windowClass;   // "Button", "Edit", ... (res/styles.h)
  const wchar_t* text;
  std::uint32_t style;
  int x, y, cx, cy;             // dialog units
  std::uint32_t exStyle;
};

struct DialogTemplate {
  unsigned id;
  int cx, cy;                   // dialog units
  std::uint32_t style;
  const wchar_t* caption;
  const ControlTemplate* controls;
  std::size_t count;

  const ControlTemplate* begin() const { return controls; }
  const ControlTemplate* end() const { return controls + count; }
  // The control with `id`, null when the template has none (or id is kIdStatic).
  const ControlTemplate* Find(int id) const;
};

struct BitmapResource {
  unsigned id;
  const char* file;             // relative to res/
  int cx, cy;
};

// A list of table rows, for range-for.
template <class T>
struct TableView {
  const T* first;
  std::size_t count;
  const T* begin() const { return first; }
  const T* end() const { return first + count; }
};

TableView<DialogTemplate> DialogTemplates();
const DialogTemplate* FindDialogTemplate(unsigned id);

TableView<BitmapResource> BitmapResources();
const BitmapResource* FindBitmapResource(unsigned id);

// Dialog units to pixels for the dialog font (MS Shell Dlg 8 at 96 dpi:
// base units 6 x 13), as MapDialogRect computes them.
int DialogUnitsToPixelsX(int x);
int DialogUnitsToPixelsY(int y);

}  // namespace pf
