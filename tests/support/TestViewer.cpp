#include "support/TestViewer.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "nclink/LogProtocol.h"

namespace pf::test {
namespace {

void AppendUnit(std::vector<uint8_t>& bytes, unsigned unit) {
  bytes.push_back(static_cast<uint8_t>(unit & 0xFF));
  bytes.push_back(static_cast<uint8_t>(unit >> 8));
}

uint32_t ReadU32(const std::vector<uint8_t>& bytes, size_t at) {
  return static_cast<uint32_t>(bytes[at]) | static_cast<uint32_t>(bytes[at + 1]) << 8 |
         static_cast<uint32_t>(bytes[at + 2]) << 16 | static_cast<uint32_t>(bytes[at + 3]) << 24;
}

}  // namespace

ViewerRecord LineRecord(uint8_t mark, const std::wstring& text, uint8_t level) {
  ViewerRecord record{kLogLine, {level, mark}};
  for (const wchar_t c : text) {
    AppendUnit(record.payload, static_cast<unsigned>(c));
  }
  AppendUnit(record.payload, 0);
  return record;
}

ViewerRecord GroupOpen() { return {kLogGroupOpen, {0}}; }

ViewerRecord GroupClose() { return {kLogGroupClose, {0}}; }

std::vector<ViewerRecord> CallGroup(const std::wstring& callLine, const std::wstring& outcome, uint8_t mark) {
  return {LineRecord(kMarkCall, callLine), GroupOpen(), LineRecord(mark, outcome), GroupClose()};
}

std::wstring LineText(const ViewerRecord& record) {
  std::wstring text;
  for (size_t i = kLogLineHeader; i + 1 < record.payload.size(); i += 2) {
    const unsigned unit = record.payload[i] | record.payload[i + 1] << 8;
    if (unit == 0) {
      break;
    }
    text.push_back(static_cast<wchar_t>(unit));
  }
  return text;
}

TestViewer::TestViewer(bool listen) {
  std::string pattern = (std::filesystem::temp_directory_path() / "nclink-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) {
    throw std::runtime_error("cannot make a temporary folder");
  }
  folder_ = pattern;
  setenv("XDG_RUNTIME_DIR", folder_.c_str(), 1);
  setenv("XDG_DATA_HOME", folder_.c_str(), 1);
  if (listen) {
    Listen();
  }
}

TestViewer::~TestViewer() {
  Close();
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

void TestViewer::Listen() {
  const std::string path = LogViewerSocketPath();
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  path.copy(address.sun_path, sizeof(address.sun_path) - 1);
  listenFd_ = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (listenFd_ < 0 || bind(listenFd_, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0 ||
      listen(listenFd_, 4) != 0) {
    throw std::runtime_error("cannot listen on " + path);
  }
}

void TestViewer::Close() {
  for (int* fd : {&clientFd_, &listenFd_}) {
    if (*fd >= 0) {
      close(*fd);
      *fd = -1;
    }
  }
}

bool TestViewer::Connected() {
  if (clientFd_ < 0 && listenFd_ >= 0) {
    clientFd_ = accept4(listenFd_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
  }
  return clientFd_ >= 0;
}

std::vector<ViewerRecord> TestViewer::TakeRecords() {
  if (Connected()) {
    uint8_t chunk[4096];
    ssize_t n;
    while ((n = recv(clientFd_, chunk, sizeof(chunk), 0)) > 0) {
      received_.insert(received_.end(), chunk, chunk + n);
    }
  }
  std::vector<ViewerRecord> records;
  size_t at = 0;
  while (received_.size() - at >= kLogFrameHeader &&
         received_.size() - at - kLogFrameHeader >= ReadU32(received_, at + 4)) {
    const uint32_t size = ReadU32(received_, at + 4);
    const auto payload = received_.begin() + static_cast<std::ptrdiff_t>(at + kLogFrameHeader);
    records.push_back({ReadU32(received_, at), std::vector<uint8_t>(payload, payload + size)});
    at += kLogFrameHeader + size;
  }
  received_.erase(received_.begin(), received_.begin() + static_cast<std::ptrdiff_t>(at));
  return records;
}

}  // namespace pf::test
