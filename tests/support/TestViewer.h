// A log viewer for tests: a Unix stream socket listening where the module
// looks for the viewer, in a fresh runtime folder of its own, and the
// records it received.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace pf::test {

// One record as the viewer received it.
struct ViewerRecord {
  uint32_t type = 0;
  std::vector<uint8_t> payload;

  bool operator==(const ViewerRecord& other) const { return type == other.type && payload == other.payload; }
};

// Expected records, encoded independently of the module: a line record
// (level 0, the mark, the ASCII text in UTF-16LE and a 16-bit terminator),
// and the group records with their single byte 0.
ViewerRecord LineRecord(uint8_t mark, const std::wstring& text, uint8_t level = 0);
ViewerRecord GroupOpen();
ViewerRecord GroupClose();

// The four records of one call: call line, group open, outcome, group close.
std::vector<ViewerRecord> CallGroup(const std::wstring& callLine, const std::wstring& outcome, uint8_t mark);

// The text of a line record's payload.
std::wstring LineText(const ViewerRecord& record);

class TestViewer {
 public:
  // Makes a fresh folder and points XDG_RUNTIME_DIR (and XDG_DATA_HOME) at
  // it; listens there at once when `listen` is true.
  explicit TestViewer(bool listen = true);
  ~TestViewer();
  TestViewer(const TestViewer&) = delete;
  TestViewer& operator=(const TestViewer&) = delete;

  const std::string& folder() const { return folder_; }

  // Starts listening on the viewer's socket.
  void Listen();

  // Quits: closes the connection and the listening socket.
  void Close();

  // True when a module connected (accepting it if it is still pending).
  bool Connected();

  // Every complete record received since the last call.
  std::vector<ViewerRecord> TakeRecords();

 private:
  std::string folder_;
  int listenFd_ = -1;
  int clientFd_ = -1;
  std::vector<uint8_t> received_;
};

}  // namespace pf::test
