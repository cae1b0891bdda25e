// The window in front and the files written, as text (see PagePrinter.h).
#include "PagePrinter.h"

#include <algorithm>
#include <filesystem>
#include <vector>

#include "common/Format.h"
#include "common/Path.h"
#include "common/StringTable.h"
#include "common/Text.h"
#include "graph/GridCtrl.h"
#include "motion/PictureLayout.h"
#include "res/styles.h"
#include "tools/script/Script.h"
#include "tools/script/headless/HeadlessScriptDriver.h"
#include "tools/shared/FsPath.h"
#include "ui/PropertySheet.h"
#include "ui/Resources.h"
#include "ui/headless/HeadlessLists.h"
#include "ui/headless/HeadlessTree.h"
#include "ui/headless/HeadlessUi.h"

namespace pf {
namespace {

void Line(std::ostream& out, const std::wstring& text) { out << ToNarrow(text) << '\n'; }

// A text of several lines, each on its own indented line.
void Lines(std::ostream& out, const std::wstring& text, const wchar_t* indent) {
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(L'\n', start);
    if (end == std::wstring::npos) end = text.size();
    std::wstring line = text.substr(start, end - start);
    if (!line.empty() && line.back() == L'\r') line.pop_back();
    Line(out, indent + line);
    start = end + 1;
  }
}

std::wstring Marks(const HeadlessControl& control, unsigned style) {
  std::wstring marks;
  const unsigned type = style & PF_BS_TYPEMASK;
  if (dynamic_cast<const HeadlessButton*>(&control) != nullptr &&
      (type == PF_BS_AUTOCHECKBOX || type == PF_BS_AUTORADIOBUTTON)) {
    marks += control.GetCheck() == kBstChecked ? L" [x]" : L" [ ]";
  }
  if (!control.IsEnabled()) marks += L" (disabled)";
  return marks;
}

void PrintEntries(std::ostream& out, const std::vector<std::wstring>& entries, int selected) {
  for (std::size_t i = 0; i < entries.size(); ++i) {
    Line(out, Format(L"        %s %s", static_cast<int>(i) == selected ? L">" : L" ", entries[i]));
  }
}

void PrintTree(std::ostream& out, const HeadlessTree& tree, HTreeItem parent, int depth) {
  const bool boxes = (tree.style() & PF_TVS_CHECKBOXES) != 0;
  for (HTreeItem item = tree.GetNextItem(parent, kTvgnChild); item != nullptr;
       item = tree.GetNextItem(item, kTvgnNext)) {
    const std::wstring box = !boxes ? L"" : tree.GetCheck(item) ? L"[x] " : L"[ ] ";
    const wchar_t* caret = tree.GetNextItem(nullptr, kTvgnCaret) == item ? L">" : L" ";
    Line(out, Format(L"      %s%s%s%s", caret, std::wstring(static_cast<std::size_t>(depth) * 2, L' '), box,
                     tree.GetItemText(item)));
    PrintTree(out, tree, item, depth + 1);
  }
}

void PrintGrid(std::ostream& out, const CGridCtrl& grid) {
  for (int row = 0; row < grid.GetRowCount(); ++row) {
    std::wstring cells;
    for (int column = 0; column < grid.GetColumnCount(); ++column) {
      cells += (column == 0 ? L"" : L" | ") + grid.GetItemText(row, column);
    }
    Line(out, L"        " + cells);
  }
}

void PrintControl(std::ostream& out, const HeadlessControl& control, const wchar_t* windowClass, unsigned style) {
  const bool textArea = dynamic_cast<const HeadlessEdit*>(&control) != nullptr && (style & PF_ES_MULTILINE) != 0;
  const std::wstring text = textArea ? L"" : L" " + QuoteScriptText(control.GetText());
  Line(out, Format(L"  %d %s%s%s", control.id(), windowClass, text, Marks(control, style)));
  if (textArea) {
    Lines(out, control.GetText(), L"        ");
  } else if (const auto* list = dynamic_cast<const HeadlessListBox*>(&control)) {
    std::vector<std::wstring> entries;
    entries.reserve(static_cast<std::size_t>(list->GetCount()));
    for (int i = 0; i < list->GetCount(); ++i) entries.push_back(list->GetText(i));
    PrintEntries(out, entries, list->GetCurSel());
  } else if (const auto* combo = dynamic_cast<const HeadlessComboBox*>(&control)) {
    std::vector<std::wstring> entries;
    entries.reserve(static_cast<std::size_t>(combo->GetCount()));
    for (int i = 0; i < combo->GetCount(); ++i) entries.push_back(combo->GetLBText(i));
    PrintEntries(out, entries, combo->GetCurSel());
  } else if (const auto* tree = dynamic_cast<const HeadlessTree*>(&control)) {
    PrintTree(out, *tree, TviRoot(), 0);
  } else if (const auto* picture = dynamic_cast<const HeadlessPicture*>(&control)) {
    // The picture as the control's size lays it out, in the dialog font's height.
    const Rect rect = control.GetRect();
    const PictureScene scene = LayOutPicture(picture->GetPicture(), rect.right - rect.left, rect.bottom - rect.top,
                                             DialogUnitsToPixelsY(8));
    Line(out, L"        " + DescribeScene(scene));
  } else if (const auto* custom = dynamic_cast<const HeadlessCustom*>(&control)) {
    if (const auto* grid = dynamic_cast<const CGridCtrl*>(&custom->control())) PrintGrid(out, *grid);
  }
}

std::wstring Heading(const CDialog& dialog, const DialogTemplate& dialogTemplate) {
  const auto* page = dynamic_cast<const CPropertyPage*>(&dialog);
  const CPropertySheet* sheet = page == nullptr ? nullptr : page->GetParentSheet();
  if (sheet == nullptr) return Format(L"== dialog %u: %s", dialogTemplate.id, dialogTemplate.caption);
  return Format(L"== page %d: %s / %s", sheet->GetActiveIndex(), LoadResString(page->GetHeaderTitleId()),
                LoadResString(page->GetHeaderSubtitleId()));
}

}  // namespace

void PrintFrontWindow(HeadlessUi& ui, std::ostream& out) {
  const CDialog* dialog = ui.ForegroundDialog();
  const DialogTemplate* dialogTemplate = dialog == nullptr ? nullptr : FindDialogTemplate(dialog->GetTemplateId());
  if (dialogTemplate == nullptr) return;
  Line(out, Heading(*dialog, *dialogTemplate));
  for (const ControlTemplate& row : *dialogTemplate) {
    if (row.id == kIdStatic) {
      if ((row.style & PF_WS_VISIBLE) != 0) Line(out, Format(L"  %s", row.text));
      continue;
    }
    const HeadlessControl* control = ui.FindControl(*dialog, row.id);
    if (control != nullptr && control->IsVisible()) PrintControl(out, *control, row.windowClass, row.style);
  }
  for (int id : ui.ControlIds(*dialog)) {
    const HeadlessControl* control = ui.FindControl(*dialog, id);
    if (dialogTemplate->Find(id) == nullptr && control != nullptr && control->IsVisible()) {
      PrintControl(out, *control, L"Grid", control->style());
    }
  }
  unsigned buttons = 0;
  if (HeadlessScriptDriver(ui).ReadButtons(buttons).empty()) Line(out, L"  buttons: " + ScriptButtonWords(buttons));
}

void PrintFiles(const std::wstring& base, const std::wstring& folder, std::ostream& out) {
  std::error_code error;
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(ToFsPath(folder), error)) {
    if (entry.is_regular_file()) files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  for (const std::filesystem::path& file : files) {
    std::string bytes;
    const std::wstring name = FromFsPath(file);
    ReadFileBytes(name, bytes);
    Line(out, Format(L"== %s (%d bytes)", name.substr(base.size()), static_cast<long long>(bytes.size())));
    Lines(out, ToWide(bytes), L"  ");
  }
}

}  // namespace pf
