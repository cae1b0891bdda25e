#include "LogRecord.h"

#include "common/Text.h"

namespace pf {
namespace {

constexpr std::size_t kHeaderSize = 8;
constexpr std::size_t kLineHeaderSize = 2;

uint32_t ReadU32(const std::string& bytes, std::size_t at) {
  uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<uint8_t>(bytes[at + i]);
  return value;
}

void AppendU32(std::string& bytes, uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) bytes += static_cast<char>((value >> shift) & 0xFF);
}

char16_t UnitAt(const std::string& bytes, std::size_t at) {
  return static_cast<char16_t>(static_cast<uint8_t>(bytes[at]) | (static_cast<uint8_t>(bytes[at + 1]) << 8));
}

}  // namespace

bool ParseLogLine(const std::string& payload, LogLine& line) {
  const std::size_t size = payload.size();
  if (size < kLineHeaderSize + 2 || (size - kLineHeaderSize) % 2 != 0 || UnitAt(payload, size - 2) != 0) {
    return false;
  }
  std::u16string units;
  for (std::size_t at = kLineHeaderSize; UnitAt(payload, at) != 0; at += 2) units += UnitAt(payload, at);
  line.level = static_cast<uint8_t>(payload[0]);
  line.mark = static_cast<uint8_t>(payload[1]);
  line.text = FromUtf16(units);
  return true;
}

std::string EncodeLogFrame(const LogRecord& record) {
  std::string bytes;
  AppendU32(bytes, record.type);
  AppendU32(bytes, static_cast<uint32_t>(record.payload.size()));
  return bytes + record.payload;
}

bool LogFrameReader::Next(LogRecord& record) {
  if (broken_ || buffer_.size() < kHeaderSize) return false;
  const uint32_t size = ReadU32(buffer_, 4);
  if (size > kMaxLogPayload) {
    broken_ = true;
    return false;
  }
  if (buffer_.size() < kHeaderSize + size) return false;
  record.type = ReadU32(buffer_, 0);
  record.payload = buffer_.substr(kHeaderSize, size);
  buffer_.erase(0, kHeaderSize + size);
  return true;
}

}  // namespace pf
