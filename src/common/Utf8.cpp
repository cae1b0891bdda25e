// UTF-8 and wide text, the same on every build: the POSIX builds' 8-bit
// text, the log viewer's text files and wizard scripts on every platform.
#include "common/Text.h"

namespace pf {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsScalarValue(char32_t c) { return c < 0x110000 && (c < 0xD800 || c > 0xDFFF); }

void AppendUtf8(char32_t c, std::string& out) {
  if (!IsScalarValue(c)) c = kReplacement;
  if (c < 0x80) {
    out += static_cast<char>(c);
    return;
  }
  const int tail = c < 0x800 ? 1 : (c < 0x10000 ? 2 : 3);
  static constexpr unsigned char kLead[] = {0, 0xC0, 0xE0, 0xF0};
  out += static_cast<char>(kLead[tail] | (c >> (6 * tail)));
  for (int shift = 6 * (tail - 1); shift >= 0; shift -= 6) out += static_cast<char>(0x80 | ((c >> shift) & 0x3F));
}

// A character as wide text: one unit, or a surrogate pair where wchar_t
// holds UTF-16.
void AppendWide(char32_t c, std::wstring& out) {
  if (sizeof(wchar_t) == sizeof(char16_t) && c >= 0x10000) {
    out += static_cast<wchar_t>(0xD800 + ((c - 0x10000) >> 10));
    out += static_cast<wchar_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
  } else {
    out += static_cast<wchar_t>(c);
  }
}

// The continuation bytes that a lead byte announces; 0 for a byte that cannot
// start a sequence.
int ContinuationCount(unsigned char lead) {
  if (lead >= 0xF8) return 0;
  if (lead >= 0xF0) return 3;
  if (lead >= 0xE0) return 2;
  return lead >= 0xC0 ? 1 : 0;
}

// Decodes one sequence at `pos` and moves past it; a byte that does not start
// a well-formed sequence gives U+FFFD and is skipped alone.
char32_t NextCodePoint(std::string_view text, std::size_t& pos) {
  const unsigned char lead = static_cast<unsigned char>(text[pos++]);
  if (lead < 0x80) return lead;
  const int tail = ContinuationCount(lead);
  if (tail == 0 || pos + tail > text.size()) return kReplacement;
  char32_t c = lead & (0x3F >> tail);
  for (int i = 0; i < tail; ++i) {
    const unsigned char next = static_cast<unsigned char>(text[pos + i]);
    if ((next & 0xC0) != 0x80) return kReplacement;
    c = (c << 6) | (next & 0x3F);
  }
  static constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
  if (c < kSmallest[tail] || !IsScalarValue(c)) return kReplacement;  // overlong or not a character
  pos += tail;
  return c;
}

}  // namespace

std::string ToUtf8(const std::wstring& text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    // NOLINTNEXTLINE(bugprone-signed-char-misuse): a wide character is a UTF-16 or UTF-32 code unit, never negative
    char32_t c = static_cast<char32_t>(text[i]);
    const char32_t next = i + 1 < text.size() ? static_cast<char32_t>(text[i + 1]) : 0;
    if (c >= 0xD800 && c < 0xDC00 && next >= 0xDC00 && next < 0xE000) {
      c = 0x10000 + ((c - 0xD800) << 10) + (next - 0xDC00);
      ++i;
    }
    AppendUtf8(c, out);
  }
  return out;
}

std::wstring FromUtf8(std::string_view bytes) {
  std::wstring out;
  out.reserve(bytes.size());
  for (std::size_t pos = 0; pos < bytes.size();) AppendWide(NextCodePoint(bytes, pos), out);
  return out;
}

}  // namespace pf
