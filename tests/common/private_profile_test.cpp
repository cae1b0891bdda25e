// The private-profile reading and writing rules on file texts.
#include "common/PrivateProfile.h"

#include <gtest/gtest.h>

namespace pf {
namespace {

struct LookupRow {
  const char* text;
  const char* section;
  const char* key;
  bool found;
  const char* value;
};

constexpr LookupRow kLookupRows[] = {
    {"[Sec]\r\nKey=Value\r\n", "Sec", "Key", true, "Value"},
    {"[Sec]\r\nKey=Value\r\n", "sEC", "kEY", true, "Value"},           // names match without case
    {"[Sec]\r\nKey=Value\r\n", " Sec ", " Key\t", true, "Value"},      // and after trimming
    {"  [ Sec ]  \r\n\t Key\t=\t Val ue \t\r\n", "Sec", "Key", true, "Val ue"},
    {"[S]\nk=v\x1A", "S", "k", true, "v"},                              // 0x1A is trimmed
    {"[S]\rk=v\r", "S", "k", true, "v"},                                // CR alone ends a line
    {"\xEF\xBB\xBF[S]\nk=v\n", "S", "k", false, ""},                      // a UTF-8 mark is text, as on Windows
    {"[S]\nk=a=b\n", "S", "k", true, "a=b"},                           // split at the first '='
    {"[S]\nk=\"quoted\"\n", "S", "k", true, "quoted"},
    {"[S]\nk='single'\n", "S", "k", true, "single"},
    {"[S]\nk=''\n", "S", "k", true, ""},
    {"[S]\nk=\"mixed'\n", "S", "k", true, "\"mixed'"},
    {"[S]\nk=\"\n", "S", "k", true, "\""},
    {"[S]\nk=\"a\" b\n", "S", "k", true, "\"a\" b"},
    {"[S]\nk=\n", "S", "k", true, ""},                                  // "key=" is the empty text
    {"[S]\nk\n", "S", "k", false, ""},                                  // no '=': not found
    {"[S]\nk\nk=2\n", "S", "k", false, ""},                             // the first key wins
    {"[S]\nk=1\nk=2\n", "S", "k", true, "1"},
    {"[S]\n;x=y\n", "S", ";x", true, "y"},                              // no comment syntax
    {"[S]\na=1\n[S]\nb=2\n", "S", "a", true, "1"},
    {"[S]\na=1\n[S]\nb=2\n", "S", "b", false, ""},                     // later sections not searched
    {"[A]\nk=1\n[B]\nk=2\n", "B", "k", true, "2"},
    {"k=1\n[S]\n", "S", "k", false, ""},                                // before any section
    {"[a]b]\nk=v\n", "a]b", "k", true, "v"},                            // name runs to the last ']'
    {"[S\nk=v\n", "S", "k", false, ""},                                 // no ']': not a section
    {"[S]\nk=v\n", "T", "k", false, ""},
    {"", "S", "k", false, ""},
};

TEST(PrivateProfile, Lookup) {
  for (const LookupRow& row : kLookupRows) {
    SCOPED_TRACE(testing::Message() << row.text << " / " << row.section << " / " << row.key);
    std::string value;
    EXPECT_EQ(ProfileLookup(row.text, row.section, row.key, value), row.found);
    if (row.found) {
      EXPECT_EQ(value, row.value);
    }
  }
}

struct UpdateRow {
  const char* text;
  const char* section;
  const char* key;
  const char* value;
  const char* expected;
};

constexpr UpdateRow kUpdateRows[] = {
    // A new section goes at the end, with a line end first when the text lacks one.
    {"", "S", "k", "v", "[S]\r\nk=v\r\n"},
    {"[A]\r\nx=1\r\n", "S", "k", "v", "[A]\r\nx=1\r\n[S]\r\nk=v\r\n"},
    {"[A]\r\nx=1", "S", "k", "v", "[A]\r\nx=1\r\n[S]\r\nk=v\r\n"},
    {"[A]\nx=1\n", "S", "k", "v", "[A]\nx=1\n[S]\r\nk=v\r\n"},
    // An existing value is replaced in place; every other byte stays.
    {"; note\r\n[S]\r\nK = old  \r\nother=1\n", "s", "k", "new", "; note\r\n[S]\r\nK = new\r\nother=1\n"},
    {"[S]\nk=1\n", "S", "k", "2", "[S]\nk=2\n"},
    {"[S]\r\nk=\r\n", "S", "k", "2", "[S]\r\nk=2\r\n"},
    {"[S]\r\nk\r\n", "S", "k", "v", "[S]\r\nk=v\r\n"},
    {"[Sec]\r\nKey=1\r\n", "SEC", "KEY", "2", "[Sec]\r\nKey=2\r\n"},
    {"\xEF\xBB\xBFx\t\x1A\r\n[S]\r\nk=1\r\n\xFF\r\n", "S", "k", "2", "\xEF\xBB\xBFx\t\x1A\r\n[S]\r\nk=2\r\n\xFF\r\n"},
    // A new key goes after the last line of its section that is not blank.
    {"[S]\r\na=1\r\n\r\n[T]\r\nb=2\r\n", "S", "c", "3", "[S]\r\na=1\r\nc=3\r\n\r\n[T]\r\nb=2\r\n"},
    {"[S]\r\na=1", "S", "c", "3", "[S]\r\na=1\r\nc=3\r\n"},
    {"[S]\r\n[T]\r\n", "S", "c", "3", "[S]\r\nc=3\r\n[T]\r\n"},
    {"[S]\na=1\n  \n", "S", "c", "3", "[S]\na=1\nc=3\r\n  \n"},
    // The first section of the name takes the key.
    {"[S]\r\na=1\r\n[S]\r\nb=2\r\n", "S", "b", "9", "[S]\r\na=1\r\nb=9\r\n[S]\r\nb=2\r\n"},
};

TEST(PrivateProfile, Update) {
  for (const UpdateRow& row : kUpdateRows) {
    SCOPED_TRACE(testing::Message() << row.text << " / " << row.section << " / " << row.key);
    EXPECT_EQ(ProfileUpdate(row.text, row.section, row.key, row.value), row.expected);
  }
}

}  // namespace
}  // namespace pf
