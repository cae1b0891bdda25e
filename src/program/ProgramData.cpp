// Reading and writing one program file.
#include "program/ProgramData.h"

#include "common/Path.h"
#include "common/SafeFile.h"
#include "common/Text.h"

namespace pf {
namespace {

// Every "\r\n" of the text becomes "\n"; the text then gets a final "\n"
// when it lacks one and the end line "%". Empty text stays empty.
std::wstring CloseProgramText(const std::wstring& text) {
  std::wstring closed;
  closed.reserve(text.size() + 2);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') continue;
    closed += text[i];
  }
  if (closed.empty()) return closed;
  if (closed.back() != L'\n') closed += L'\n';
  closed += L'%';
  return closed;
}

// Program files use CR LF on disk whatever the build: every "\n" is written
// as CR LF.
std::string ToFileBytes(const std::wstring& text) {
  std::string bytes;
  for (char c : ToNarrow(text)) {
    if (c == '\n') bytes += '\r';
    bytes += c;
  }
  return bytes;
}

}  // namespace

void CProgramData::TakeText(const std::wstring& editorText) {
  m_strText = editorText;
  m_bModified = 1;
}

void CProgramData::Empty(const std::wstring& title) {
  m_strTitle = title;
  m_strText.clear();
  m_bModified = 0;
}

bool CProgramData::Load(const std::wstring& path, const std::wstring& title) {
  Empty(title);

  std::string bytes;
  if (!ReadFileBytes(path, bytes)) return false;

  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    const bool lineEnd = end != std::string::npos;
    if (!lineEnd) end = bytes.size();
    std::size_t length = end - start;
    if (lineEnd && length > 0 && bytes[end - 1] == '\r') --length;  // CR LF
    if (length > 0 && bytes[start] != '%') {
      m_strText += ToWide(bytes.substr(start, length));
      m_strText += L"\r\n";
    }
    start = end + 1;
  }
  return true;
}

std::string CProgramData::FileBytes() const { return ToFileBytes(CloseProgramText(m_strText)); }

bool CProgramData::Save(const std::wstring& path) {
  if (!ReplaceFileBytes(path, FileBytes()).ok()) return false;
  MarkWritten();
  return true;
}

void CProgramData::MarkWritten() {
  if (!m_strText.empty()) m_bModified = 0;
}

}  // namespace pf
