#include "LogRecord.h"

namespace pf {
namespace {

uint32_t ReadU32(const std::string& bytes, std::size_t at) {
  uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<uint8_t>(bytes[at + i]);
  return value;
}

void AppendU32(std::string& bytes, uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) bytes += static_cast<char>((value >> shift) & 0xFF);
}

void AppendU64(std::string& bytes, uint64_t value) {
  AppendU32(bytes, static_cast<uint32_t>(value));
  AppendU32(bytes, static_cast<uint32_t>(value >> 32));
}

std::string Frame(uint32_t type, const std::string& payload) { return EncodeLogFrame({type, payload}); }

std::string SessionTime(uint32_t session, int64_t timeMs) {
  std::string bytes;
  AppendU32(bytes, session);
  AppendU64(bytes, static_cast<uint64_t>(timeMs));
  return bytes;
}

char16_t UnitAt(const std::string& bytes, std::size_t at) {
  return static_cast<char16_t>(static_cast<uint8_t>(bytes[at]) | (static_cast<uint8_t>(bytes[at + 1]) << 8));
}

}  // namespace

bool ParseLogLine(const std::string& payload, LogLine& line) {
  const std::size_t size = payload.size();
  if (size < kLogLineHeader + 2 || (size - kLogLineHeader) % 2 != 0 || UnitAt(payload, size - 2) != 0) {
    return false;
  }
  line.text.clear();
  for (std::size_t at = kLogLineHeader; UnitAt(payload, at) != 0; at += 2) line.text += UnitAt(payload, at);
  line.level = static_cast<uint8_t>(payload[0]);
  line.mark = static_cast<uint8_t>(payload[1]);
  return true;
}

bool IsCallLine(const LogRecord& record) {
  return record.type == kLogLine && record.payload.size() > kLogLineHeader &&
         static_cast<uint8_t>(record.payload[1]) == kMarkCall;
}

bool IsModuleLoadLine(const LogRecord& record) {
  LogLine line;
  return IsCallLine(record) && ParseLogLine(record.payload, line) && line.text == u"COVXIF::Load()";
}

bool IsRecording(const std::string& bytes) {
  LogFrameReader reader;
  reader.Feed(bytes.data(), bytes.size());
  LogRecord first;
  if (!reader.Next(first)) return false;
  const bool moduleRecord = first.type >= kLogGroupOpen && first.type <= kLogLine;
  return moduleRecord || (first.type >= kFileSessionStart && first.type <= kFileSessionEnd);
}

std::string EncodeLogFrame(const LogRecord& record) {
  std::string bytes;
  AppendU32(bytes, record.type);
  AppendU32(bytes, static_cast<uint32_t>(record.payload.size()));
  return bytes + record.payload;
}

std::string EncodeSessionStart(uint32_t session, uint32_t process, int64_t timeMs) {
  std::string payload;
  AppendU32(payload, session);
  AppendU32(payload, process);
  AppendU64(payload, static_cast<uint64_t>(timeMs));
  return Frame(kFileSessionStart, payload);
}

std::string EncodeStamp(uint32_t session, int64_t timeMs) { return Frame(kFileStamp, SessionTime(session, timeMs)); }

std::string EncodeSessionEnd(uint32_t session, int64_t timeMs) {
  return Frame(kFileSessionEnd, SessionTime(session, timeMs));
}

bool ParseFileMark(const LogRecord& frame, FileMark& mark) {
  const bool start = frame.type == kFileSessionStart;
  const std::size_t timeAt = start ? 8 : 4;
  if (frame.payload.size() != timeAt + 8) return false;
  mark.session = ReadU32(frame.payload, 0);
  mark.process = start ? ReadU32(frame.payload, 4) : 0;
  const uint64_t time = ReadU32(frame.payload, timeAt) | (static_cast<uint64_t>(ReadU32(frame.payload, timeAt + 4)) << 32);
  mark.timeMs = static_cast<int64_t>(time);
  return true;
}

void LogFrameReader::Feed(const char* data, std::size_t size) {
  buffer_.erase(0, taken_);
  taken_ = 0;
  buffer_.append(data, size);
}

bool LogFrameReader::Next(LogRecord& record) {
  if (broken_ || Pending() < kLogFrameHeader) return false;
  const uint32_t size = ReadU32(buffer_, taken_ + 4);
  if (size > kMaxLogPayload) {
    broken_ = true;
    return false;
  }
  if (Pending() < kLogFrameHeader + size) return false;
  record.type = ReadU32(buffer_, taken_);
  record.payload = buffer_.substr(taken_ + kLogFrameHeader, size);
  taken_ += kLogFrameHeader + size;
  return true;
}

}  // namespace pf
