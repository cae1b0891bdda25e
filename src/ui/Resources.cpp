// The template and bitmap tables, expanded from the lists in res/.
#include "ui/Resources.h"

#include <algorithm>
#include <iterator>

#include "res/bitmaps.h"
#include "res/dialogs.h"
#include "ui/UiTypes.h"

namespace pf {
namespace {

#define PF_CPP_NO_DIALOG(id, cx, cy, style, caption)
#define PF_CPP_CONTROL(id, cls, text, style, x, y, cx, cy, exstyle) \
  {id, L"" cls, L"" text, style, x, y, cx, cy, exstyle},
#define PF_CPP_CONTROLS(n) constexpr ControlTemplate kControls##n[] = {PF_DIALOG_##n(PF_CPP_NO_DIALOG, PF_CPP_CONTROL)};
PF_DIALOG_LIST(PF_CPP_CONTROLS)

#define PF_CPP_NO_CONTROL(id, cls, text, style, x, y, cx, cy, exstyle)
#define PF_CPP_DIALOG(id, cx, cy, style, caption) id, cx, cy, style, L"" caption
#define PF_CPP_TEMPLATE(n) \
  {PF_DIALOG_##n(PF_CPP_DIALOG, PF_CPP_NO_CONTROL), kControls##n, std::size(kControls##n)},
constexpr DialogTemplate kDialogs[] = {PF_DIALOG_LIST(PF_CPP_TEMPLATE)};

#define PF_CPP_BITMAP(id, file, cx, cy) {id, file, cx, cy},
constexpr BitmapResource kBitmaps[] = {PF_BITMAP_LIST(PF_CPP_BITMAP)};

template <class T>
const T* FindById(TableView<T> table, unsigned id) {
  auto it = std::find_if(table.begin(), table.end(), [id](const T& row) { return row.id == id; });
  return it == table.end() ? nullptr : it;
}

}  // namespace

const ControlTemplate* DialogTemplate::Find(int id) const {
  if (id == kIdStatic) return nullptr;
  auto it = std::find_if(begin(), end(), [id](const ControlTemplate& c) { return c.id == id; });
  return it == end() ? nullptr : it;
}

TableView<DialogTemplate> DialogTemplates() { return {kDialogs, std::size(kDialogs)}; }

const DialogTemplate* FindDialogTemplate(unsigned id) { return FindById(DialogTemplates(), id); }

TableView<BitmapResource> BitmapResources() { return {kBitmaps, std::size(kBitmaps)}; }

const BitmapResource* FindBitmapResource(unsigned id) { return FindById(BitmapResources(), id); }

int DialogUnitsToPixelsX(int x) { return x * 6 / 4; }

int DialogUnitsToPixelsY(int y) { return y * 13 / 8; }

}  // namespace pf
