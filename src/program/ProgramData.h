// CProgramData: one program file, its title and its text.
//
// In memory every line of the text ends with "\r\n". On disk a program file
// is 8-bit text whose lines end in CR LF, closed by a line holding "%" with
// no line end after it; the file bytes are the same on every build.
#pragma once

#include <string>

namespace pf {

class CProgramData {
 public:
  CProgramData() = default;
  CProgramData(const CProgramData&) = default;
  CProgramData(CProgramData&&) = default;
  CProgramData& operator=(const CProgramData&) = default;
  CProgramData& operator=(CProgramData&&) = default;
  virtual ~CProgramData() = default;

  // The text the program editor shows, unchanged.
  const std::wstring& GetText() const { return m_strText; }
  // Takes the editor's text and marks the file as changed by the user.
  void TakeText(const std::wstring& editorText);

  // Sets the title, empties the text and clears m_bModified: the state of a
  // file that is not there.
  void Empty(const std::wstring& title);

  // Empty(title), then reads the file: lines end at CR LF or a lone LF; empty lines and lines starting
  // with "%" are skipped; every other line is kept with "\r\n". False when
  // the file cannot be opened (the text then stays empty).
  bool Load(const std::wstring& path, const std::wstring& title);

  // The bytes of the file: the text with CR LF line ends, a line end after
  // the last line when it has none, and "%" without line end. An empty text
  // gives no bytes at all.
  std::string FileBytes() const;

  // Replaces the file by FileBytes() through a temporary file beside it
  // (SafeFile.h), then MarkWritten(). False when the file cannot be written;
  // the file and m_bModified keep what they held then.
  bool Save(const std::wstring& path);

  // After the file was written: clears m_bModified, except for an empty text
  // (its file of zero length does not count as the program).
  void MarkWritten();

  std::wstring m_strTitle;
  std::wstring m_strText;
  int m_bModified = 0;
};

}  // namespace pf
