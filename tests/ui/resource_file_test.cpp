// The Windows resources that the cross resource compiler makes from
// res/module.rc hold exactly what the C++ tables hold: every dialog with every
// control (class, id, text, style, rectangle) and every string.
// Runs when the build found x86_64-w64-mingw32-windres.
#include <gtest/gtest.h>

#include <cstdint>
#include <cwctype>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "common/StringTable.h"
#include "ui/Resources.h"

namespace pf {
namespace {

constexpr std::uint16_t kTypeDialog = 5;
constexpr std::uint16_t kTypeString = 6;

// A little-endian reader over the bytes of a .res file.
class Reader {
 public:
  Reader(const std::vector<unsigned char>& bytes, std::size_t at) : bytes_(bytes), at_(at) {}

  std::size_t at() const { return at_; }
  void Align4() { at_ = (at_ + 3) & ~std::size_t{3}; }
  void Skip(std::size_t n) { at_ += n; }
  std::uint16_t U16() {
    const std::uint16_t v = static_cast<std::uint16_t>(bytes_.at(at_) | (bytes_.at(at_ + 1) << 8));
    at_ += 2;
    return v;
  }
  std::uint32_t U32() {
    const std::uint32_t low = U16();
    return low | (static_cast<std::uint32_t>(U16()) << 16);
  }
  std::wstring Text() {
    std::wstring text;
    for (std::uint16_t c = U16(); c != 0; c = U16()) text.push_back(static_cast<wchar_t>(c));
    return text;
  }
  // A name or an ordinal (0xFFFF, number); the ordinal as text "#n".
  std::wstring NameOrOrdinal() {
    if (bytes_.at(at_) == 0xFF && bytes_.at(at_ + 1) == 0xFF) {
      Skip(2);
      return L"#" + std::to_wstring(U16());
    }
    if (bytes_.at(at_) == 0 && bytes_.at(at_ + 1) == 0) {
      Skip(2);
      return L"";
    }
    return Text();
  }

 private:
  const std::vector<unsigned char>& bytes_;
  std::size_t at_;
};

struct Resource {
  std::uint16_t type;
  std::uint16_t id;
  std::vector<unsigned char> data;
};

std::vector<Resource> ReadResources(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  std::vector<Resource> resources;
  for (std::size_t at = 0; at + 8 <= bytes.size();) {
    Reader header(bytes, at);
    const std::uint32_t dataSize = header.U32();
    const std::uint32_t headerSize = header.U32();
    const std::wstring type = header.NameOrOrdinal();
    const std::wstring name = header.NameOrOrdinal();
    if (type.size() > 1 && type[0] == L'#' && name.size() > 1 && name[0] == L'#') {
      const auto first = bytes.begin() + static_cast<std::ptrdiff_t>(at + headerSize);
      resources.push_back({static_cast<std::uint16_t>(std::stoi(type.substr(1))),
                           static_cast<std::uint16_t>(std::stoi(name.substr(1))),
                           {first, first + static_cast<std::ptrdiff_t>(dataSize)}});
    }
    at = (at + headerSize + dataSize + 3) & ~std::size_t{3};
  }
  return resources;
}

// The predefined control classes by their ordinal.
std::wstring ClassName(const std::wstring& nameOrOrdinal) {
  static const std::map<std::wstring, std::wstring> kOrdinals = {
      {L"#128", L"button"}, {L"#129", L"edit"}, {L"#130", L"static"}, {L"#131", L"listbox"}, {L"#133", L"combobox"}};
  auto it = kOrdinals.find(nameOrOrdinal);
  std::wstring name = it == kOrdinals.end() ? nameOrOrdinal : it->second;
  for (wchar_t& c : name) c = static_cast<wchar_t>(std::towlower(c));
  return name;
}

class ResourceFile : public ::testing::Test {
 protected:
  void SetUp() override {
#ifdef PF_MODULE_RES
    resources_ = ReadResources(PF_MODULE_RES);
#else
    GTEST_SKIP() << "no cross resource compiler was found";
#endif
  }

  const Resource* Find(std::uint16_t type, std::uint16_t id) const {
    for (const Resource& r : resources_) {
      if (r.type == type && r.id == id) return &r;
    }
    return nullptr;
  }

  std::vector<Resource> resources_;
};

TEST_F(ResourceFile, DialogsMatchTheTemplateTable) {
  for (const DialogTemplate& dialog : DialogTemplates()) {
    SCOPED_TRACE(::testing::Message() << "dialog " << dialog.id);
    const Resource* resource = Find(kTypeDialog, static_cast<std::uint16_t>(dialog.id));
    ASSERT_NE(resource, nullptr);
    Reader in(resource->data, 0);
    EXPECT_EQ(in.U16(), 1);        // DLGTEMPLATEEX
    EXPECT_EQ(in.U16(), 0xFFFF);
    in.Skip(8);                    // help id, extended style
    EXPECT_EQ(in.U32(), dialog.style);
    ASSERT_EQ(in.U16(), dialog.count);
    in.Skip(4);                    // x, y
    EXPECT_EQ(in.U16(), dialog.cx);
    EXPECT_EQ(in.U16(), dialog.cy);
    EXPECT_EQ(in.NameOrOrdinal(), L"");   // menu
    EXPECT_EQ(in.NameOrOrdinal(), L"");   // class
    EXPECT_EQ(in.Text(), dialog.caption);
    EXPECT_EQ(in.U16(), 8);        // point size
    in.Skip(4);                    // weight, italic, character set
    EXPECT_EQ(in.Text(), L"MS Shell Dlg");
    for (const ControlTemplate& control : dialog) {
      SCOPED_TRACE(::testing::Message() << "control " << control.id << " at " << control.x << "," << control.y);
      in.Align4();
      in.Skip(4);                  // help id
      EXPECT_EQ(in.U32(), control.exStyle);
      EXPECT_EQ(in.U32(), control.style);
      const int rect[] = {in.U16(), in.U16(), in.U16(), in.U16()};
      EXPECT_EQ(rect[0], control.x);
      EXPECT_EQ(rect[1], control.y);
      EXPECT_EQ(rect[2], control.cx);
      EXPECT_EQ(rect[3], control.cy);
      EXPECT_EQ(static_cast<std::int32_t>(in.U32()), control.id);
      EXPECT_EQ(ClassName(in.NameOrOrdinal()), ClassName(control.windowClass));
      EXPECT_EQ(in.NameOrOrdinal(), control.text);
      in.Skip(in.U16());           // creation data
    }
  }
}

TEST_F(ResourceFile, TheStringTableMatchesTheLookup) {
  std::map<unsigned, std::wstring> compiled;
  for (const Resource& resource : resources_) {
    if (resource.type != kTypeString) continue;
    Reader in(resource.data, 0);
    for (unsigned i = 0; i < 16; ++i) {
      const std::uint16_t length = in.U16();
      std::wstring text;
      for (std::uint16_t c = 0; c < length; ++c) text.push_back(static_cast<wchar_t>(in.U16()));
      if (length > 0) compiled[(resource.id - 1u) * 16u + i] = text;
    }
  }
  if (compiled.empty()) {
    GTEST_SKIP() << "the resource compiler left the string table empty: it reads nothing but macro definitions "
                    "from a .h file, so res/strings.h needs to be a list macro that strings.rc expands";
  }
  unsigned lookedUp = 0;
  for (unsigned id = 0; id <= 0xFFFF; ++id) lookedUp += HasResString(id) ? 1 : 0;
  EXPECT_EQ(compiled.size(), lookedUp);
  for (const auto& [id, text] : compiled) EXPECT_EQ(text, LoadResString(id)) << id;
}

}  // namespace
}  // namespace pf
