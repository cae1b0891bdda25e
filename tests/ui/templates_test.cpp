// The dialog templates and bitmaps of res/: controls have the styles the
// pages rely on, layouts stay inside their dialogs, and the bitmap files
// match their table.
#include <cstdint>
#include <cwctype>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "TestPages.h"
#include "common/StringTable.h"
#include "common/Text.h"
#include "res/dialogs.h"
#include "res/styles.h"
#include "ui/Resources.h"

namespace pf::testing {
namespace {

struct StyleRow {
  const char* name;
  unsigned dialog;
  int id;
  std::uint32_t mask;
  std::uint32_t expected;
};

constexpr StyleRow kStyles[] = {
    {"machine types: drop-down list", 2505, PF_IDC_MACHINE_TYPE, PF_CBS_TYPEMASK, PF_CBS_DROPDOWNLIST},
    {"projects: edit field and list", 2507, PF_IDC_PROJECT, PF_CBS_TYPEMASK, PF_CBS_DROPDOWN},
    {"axis list notifies", 2505, PF_IDC_AXIS_LIST, PF_LBS_NOTIFY, PF_LBS_NOTIFY},
    {"file text: multi-line, editable", 2506, PF_IDC_PROGRAM_TEXT, PF_ES_MULTILINE | PF_ES_READONLY, PF_ES_MULTILINE},
    {"distance: single-line", 2506, PF_IDC_DISTANCE, PF_ES_MULTILINE, 0},
    {"feed: single-line", 2506, PF_IDC_FEED, PF_ES_MULTILINE, 0},
    {"dwell: single-line", 2506, PF_IDC_DWELL, PF_ES_MULTILINE, 0},
    {"radius: single-line", 2506, PF_IDC_RADIUS, PF_ES_MULTILINE, 0},
    {"sampling time: single-line", 2506, PF_IDC_SMP_TIME, PF_ES_MULTILINE, 0},
    {"summary tree: no check boxes", 2508, PF_IDC_SUMMARY_TREE, PF_TVS_CHECKBOXES, 0},
    {"circle direction starts a group", 2506, PF_IDC_CLOCKWISE, PF_BS_TYPEMASK | PF_WS_GROUP,
     PF_BS_AUTORADIOBUTTON | PF_WS_GROUP},
    {"G-code list starts a group", 2505, PF_IDC_GCODE_LIST2, PF_BS_TYPEMASK | PF_WS_GROUP,
     PF_BS_AUTORADIOBUTTON | PF_WS_GROUP},
    {"OK is the default button", 2504, kIdOk, PF_BS_TYPEMASK, PF_BS_DEFPUSHBUTTON},
    {"grid placeholder hidden", 2506, PF_IDC_GRID_PLACE, PF_WS_VISIBLE, 0},
    {"second axis hidden", 2506, PF_IDC_AXIS2, PF_WS_VISIBLE, 0},
    {"second minus limit hidden", 2506, PF_IDC_MINUS2, PF_WS_VISIBLE, 0},
    {"second plus limit hidden", 2506, PF_IDC_PLUS2, PF_WS_VISIBLE, 0},
    {"second minus label hidden", 2506, PF_IDC_MINUS_LABEL2, PF_WS_VISIBLE, 0},
    {"second plus label hidden", 2506, PF_IDC_PLUS_LABEL2, PF_WS_VISIBLE, 0},
    {"first axis shown", 2506, PF_IDC_AXIS, PF_WS_VISIBLE, PF_WS_VISIBLE},
    {"feed label hidden until a feed kind shows it", 2506, PF_IDC_FEED_LABEL, PF_WS_VISIBLE, 0},
    {"radius label hidden until a circle kind shows it", 2506, PF_IDC_RADIUS_LABEL, PF_WS_VISIBLE, 0},
    {"clockwise hidden until a circle kind shows it", 2506, PF_IDC_CLOCKWISE, PF_WS_VISIBLE, 0},
    {"counter-clockwise hidden until a circle kind shows it", 2506, PF_IDC_COUNTER_CLOCKWISE, PF_WS_VISIBLE, 0},
    {"program page: the motion picture is drawn by the toolkit", 2506, PF_IDC_MOTION_PICTURE,
     PF_SS_TYPEMASK | PF_WS_VISIBLE, PF_SS_OWNERDRAW | PF_WS_VISIBLE},
    {"summary page: the motion picture is drawn by the toolkit", 2508, PF_IDC_MOTION_PICTURE,
     PF_SS_TYPEMASK | PF_WS_VISIBLE, PF_SS_OWNERDRAW | PF_WS_VISIBLE},
    {"program page: the verdict is plain text", 2506, PF_IDC_MOTION_VERDICT,
     PF_SS_TYPEMASK | PF_SS_NOPREFIX | PF_WS_VISIBLE, PF_SS_LEFT | PF_SS_NOPREFIX | PF_WS_VISIBLE},
    {"summary page: the verdict is plain text", 2508, PF_IDC_MOTION_VERDICT,
     PF_SS_TYPEMASK | PF_SS_NOPREFIX | PF_WS_VISIBLE, PF_SS_LEFT | PF_SS_NOPREFIX | PF_WS_VISIBLE},
};

bool SameClass(const std::wstring& a, const std::wstring& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::towlower(a[i]) != std::towlower(b[i])) return false;
  }
  return true;
}

TEST(Templates, ControlsHaveTheStylesThePagesRelyOn) {
  for (const StyleRow& row : kStyles) {
    SCOPED_TRACE(row.name);
    const ControlTemplate* control = FindDialogTemplate(row.dialog)->Find(row.id);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->style & row.mask, row.expected);
  }
}

TEST(Templates, EveryTemplateIsAWellFormedDialog) {
  const std::set<std::wstring> classes = {L"" PF_WC_BUTTON,  L"" PF_WC_EDIT,     L"" PF_WC_STATIC,
                                          L"" PF_WC_LISTBOX, L"" PF_WC_COMBOBOX, L"" PF_WC_TREEVIEW};
  std::set<unsigned> ids;
  for (const DialogTemplate& dialog : DialogTemplates()) {
    SCOPED_TRACE(::testing::Message() << "dialog " << dialog.id);
    ids.insert(dialog.id);
    const bool page = (dialog.style & PF_WS_CHILD) != 0;
    if (page) {
      EXPECT_EQ(std::wstring(dialog.caption), LoadResString(14001));
      EXPECT_TRUE(dialog.cx == PF_PAGE_CX && dialog.cy == PF_PAGE_CY);
    }
    std::set<int> seen;
    for (const ControlTemplate& control : dialog) {
      SCOPED_TRACE(::testing::Message() << "control " << control.id);
      EXPECT_EQ(classes.count(control.windowClass), 1u);
      EXPECT_NE(control.style & PF_WS_CHILD, 0u);
      EXPECT_TRUE(control.x >= 0 && control.y >= 0 && control.x + control.cx <= dialog.cx);
      // A combo box's height includes its drop-down list.
      const bool combo = std::wstring(control.windowClass) == L"" PF_WC_COMBOBOX;
      EXPECT_TRUE(combo || control.y + control.cy <= dialog.cy);
      EXPECT_TRUE(control.id == kIdStatic || seen.insert(control.id).second) << "duplicate id";
    }
  }
  EXPECT_EQ(ids, (std::set<unsigned>{2504, 2505, 2506, 2507, 2508, 2509}));
}

bool Overlap(const ControlTemplate& a, const ControlTemplate& b) {
  return a.x < b.x + b.cx && b.x < a.x + a.cx && a.y < b.y + b.cy && b.y < a.y + a.cy;
}

// The motion verdict and picture were fitted into full pages: they share
// their room with no other control, shown or hidden.
TEST(Templates, TheMotionVerdictAndPictureOverlapNoOtherControl) {
  for (unsigned dialogId : {2506u, 2508u}) {
    const DialogTemplate& dialog = *FindDialogTemplate(dialogId);
    for (int id : {PF_IDC_MOTION_VERDICT, PF_IDC_MOTION_PICTURE}) {
      SCOPED_TRACE(::testing::Message() << dialogId << " / " << id);
      const ControlTemplate& control = *dialog.Find(id);
      for (const ControlTemplate& other : dialog) {
        if (&other != &control) {
          EXPECT_FALSE(Overlap(control, other)) << "overlaps " << other.id << " " << other.text;
        }
      }
    }
  }
}

// The access key of a label: the character after a single "&", in lower
// case; 0 for none.
wchar_t AccessKey(const std::wstring& text) {
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != L'&') continue;
    if (text[i + 1] != L'&') return static_cast<wchar_t>(std::towlower(text[i + 1]));
    ++i;
  }
  return 0;
}

// Static texts without prefix processing show no key; on a wizard page the
// sheet's Back and Next buttons take their keys too.
TEST(Templates, NoTwoControlsOfADialogShareAnAccessKey) {
  for (const DialogTemplate& dialog : DialogTemplates()) {
    SCOPED_TRACE(::testing::Message() << "dialog " << dialog.id);
    std::vector<std::wstring> labels;
    for (const ControlTemplate& control : dialog) {
      const bool plain = SameClass(control.windowClass, L"" PF_WC_STATIC) && (control.style & PF_SS_NOPREFIX) != 0;
      if (!plain) labels.push_back(control.text);
    }
    if ((dialog.style & PF_WS_CHILD) != 0) {
      labels.push_back(LoadResString(12613));
      labels.push_back(LoadResString(12614));
    }
    std::map<wchar_t, std::wstring> owners;
    for (const std::wstring& label : labels) {
      const wchar_t key = AccessKey(label);
      if (key == 0) continue;
      const auto [owner, fresh] = owners.emplace(key, label);
      EXPECT_TRUE(fresh) << "\"" << ToNarrow(label) << "\" and \"" << ToNarrow(owner->second) << "\"";
    }
  }
}

std::vector<unsigned char> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t U32(const std::vector<unsigned char>& b, std::size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

TEST(Bitmaps, TheFilesAreTheSizeOfTheirTableRowsOnWhite) {
  for (const BitmapResource& bitmap : BitmapResources()) {
    SCOPED_TRACE(bitmap.file);
    const std::vector<unsigned char> bytes = ReadFile(std::string(PF_RES_DIR "/") + bitmap.file);
    ASSERT_GT(bytes.size(), 54u);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    EXPECT_EQ(static_cast<int>(U32(bytes, 18)), bitmap.cx);
    EXPECT_EQ(static_cast<int>(U32(bytes, 22)), bitmap.cy);
    EXPECT_EQ(bytes[28], 24);   // bits per pixel
    const std::size_t corner = U32(bytes, 10);
    EXPECT_EQ(bytes[corner], 0xFF);   // the transparent white background
    EXPECT_EQ(bytes[corner + 1], 0xFF);
    EXPECT_EQ(bytes[corner + 2], 0xFF);
  }
}

}  // namespace
}  // namespace pf::testing
