// The raw costs beside the wizard's steps (see RawCost.h).
#include "RawCost.h"

#include <dlfcn.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <thread>

#include "nclink/OvxContract.h"

namespace pf::bench {
namespace {

using Clock = std::chrono::steady_clock;

double Since(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// One argument of a journal line: a number, or text in double quotes.
struct Arg {
  int32_t number = 0;
  std::string text;
};

// The name and the arguments of "Name(arg, arg) -> status".
bool ParseLine(const std::string& line, std::string& name, std::vector<Arg>& args) {
  const std::size_t open = line.find('(');
  const std::size_t close = line.rfind(") -> ");
  if (open == std::string::npos || close == std::string::npos || close < open) return false;
  name = line.substr(0, open);
  args.clear();
  for (std::size_t at = open + 1; at < close;) {
    Arg arg;
    if (line[at] == '"') {
      std::size_t end = line.find("\", ", at + 1);
      if (end == std::string::npos || end > close) end = close - 1;  // the last argument's closing quote
      arg.text = line.substr(at + 1, end - at - 1);
      at = end + 3;
    } else {
      const std::size_t end = std::min(line.find(", ", at), close);
      arg.number = static_cast<int32_t>(std::strtol(line.c_str() + at, nullptr, 10));
      at = end + 2;
    }
    args.push_back(arg);
  }
  return true;
}

// A call into the library with the journal's inputs and scratch outputs.
using Replay = void (*)(void* entry, const std::vector<Arg>& a);

struct ReplayRow {
  const char* name;
  std::size_t inputs;
  Replay replay;
};

template <class Fn>
Fn As(void* entry) {
  return reinterpret_cast<Fn>(entry);
}

const ReplayRow kReplays[] = {
    {"GetInformation", 4,
     [](void* e, const std::vector<Arg>& a) {
       std::array<char, 256> buffer{};
       As<ovx::GetInformationFn>(e)(a[0].number, a[1].number, a[2].text.c_str(), buffer.data(), a[3].number);
     }},
    {"NcGetInformation", 2,
     [](void* e, const std::vector<Arg>& a) {
       std::array<char, 32> buffer{};
       As<ovx::NcGetInformationFn>(e)(a[0].text.c_str(), buffer.data(), a[1].number);
     }},
    {"NcGetParameter", 4,
     [](void* e, const std::vector<Arg>& a) {
       std::array<char, 256> buffer{};
       As<ovx::NcGetParameterFn>(e)(a[0].number, a[1].number, a[2].text.c_str(), buffer.data(), a[3].number);
     }},
    {"CheckSPAX", 2, [](void* e, const std::vector<Arg>& a) { As<ovx::CheckSPAXFn>(e)(a[0].number, a[1].number); }},
    {"ConvertSerialAxisToSystemAxis", 1,
     [](void* e, const std::vector<Arg>& a) {
       int32_t system = 0;
       int32_t axis = 0;
       As<ovx::ConvertSerialAxisToSystemAxisFn>(e)(a[0].number, &system, &axis);
     }},
    {"ConvertSerialAxisToSystemAxisPermittedSPC", 1,
     [](void* e, const std::vector<Arg>& a) {
       int32_t system = 0;
       int32_t axis = 0;
       As<ovx::ConvertSerialAxisToSystemAxisPermittedSPCFn>(e)(a[0].number, &system, &axis);
     }},
    {"ConvertSystemAxisToSerialAxis", 2,
     [](void* e, const std::vector<Arg>& a) {
       int32_t serial = 0;
       As<ovx::ConvertSystemAxisToSerialAxisFn>(e)(a[0].number, a[1].number, &serial);
     }},
    {"CommGetParameter", 1,
     [](void* e, const std::vector<Arg>& a) {
       std::array<char16_t, 256> buffer{};
       As<ovx::CommGetParameterFn>(e)(a[0].text.c_str(), buffer.data());
     }},
    {"IsTwoPortSetting", 0,
     [](void* e, const std::vector<Arg>&) {
       int32_t twoPorts = 0;
       As<ovx::IsTwoPortSettingFn>(e)(&twoPorts);
     }},
    {"GetBasicParaExt", 1,
     [](void* e, const std::vector<Arg>& a) {
       int32_t value = 0;
       As<ovx::GetBasicParaExtFn>(e)(a[0].number, &value);
     }},
    {"CheckNcStatusForOVXFunction", 1,
     [](void* e, const std::vector<Arg>& a) {
       int32_t status = 0;
       As<ovx::CheckNcStatusForOVXFunctionFn>(e)(a[0].number, &status);
     }},
    {"NcGetAccelerationParameter", 5,
     [](void* e, const std::vector<Arg>& a) {
       int32_t value = 0;
       As<ovx::NcGetAccelerationParameterFn>(e)(a[0].number, a[1].number, a[2].number, a[3].number,
                                                a[4].text.c_str(), &value);
     }},
};

// A prepared call: the entry point, its replay and its inputs.
struct PreparedCall {
  void* entry;
  Replay replay;
  std::vector<Arg> args;
};

std::vector<PreparedCall> Prepare(void* library, const std::vector<std::string>& journal) {
  std::vector<PreparedCall> calls;
  std::string name;
  std::vector<Arg> args;
  for (const std::string& line : journal) {
    if (!ParseLine(line, name, args)) continue;
    for (const ReplayRow& row : kReplays) {
      if (name != row.name || args.size() != row.inputs) continue;
      if (void* entry = dlsym(library, row.name)) calls.push_back({entry, row.replay, args});
    }
  }
  return calls;
}

void AppendU32(std::vector<uint8_t>& bytes, uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<uint8_t>(value >> shift));
}

}  // namespace

double ReplayNcCalls(void* library, const std::vector<std::string>& journal) {
  const std::vector<PreparedCall> calls = Prepare(library, journal);
  const auto start = Clock::now();
  for (const PreparedCall& call : calls) call.replay(call.entry, call.args);
  return Since(start);
}

double SendRecords(const std::vector<std::size_t>& payloadSizes) {
  int pair[2];
  if (socketpair(AF_UNIX, SOCK_STREAM, 0, pair) != 0) return 0.0;
  std::size_t total = 0;
  std::vector<std::vector<uint8_t>> frames;
  for (std::size_t size : payloadSizes) {
    std::vector<uint8_t> frame;
    AppendU32(frame, 5);
    AppendU32(frame, static_cast<uint32_t>(size));
    frame.resize(8 + size, 0x20);
    total += frame.size();
    frames.push_back(std::move(frame));
  }
  std::thread reader([fd = pair[1], total] {
    std::array<uint8_t, 65536> buffer{};
    for (std::size_t got = 0; got < total;) {
      const ssize_t n = read(fd, buffer.data(), buffer.size());
      if (n <= 0) return;
      got += static_cast<std::size_t>(n);
    }
  });
  const auto start = Clock::now();
  for (const std::vector<uint8_t>& frame : frames) {
    for (std::size_t sent = 0; sent < frame.size();) {
      const ssize_t n = send(pair[0], frame.data() + sent, frame.size() - sent, MSG_NOSIGNAL);
      if (n <= 0) break;
      sent += static_cast<std::size_t>(n);
    }
  }
  reader.join();
  const double seconds = Since(start);
  close(pair[0]);
  close(pair[1]);
  return seconds;
}

double WriteFilesPlainly(const std::filesystem::path& from, const std::filesystem::path& scratch) {
  struct Copy {
    std::filesystem::path target;
    std::string bytes;
  };
  std::vector<Copy> copies;
  std::error_code error;
  const std::filesystem::path to = scratch / "plain-copies";
  for (const auto& entry : std::filesystem::recursive_directory_iterator(from, error)) {
    if (!entry.is_regular_file()) continue;
    std::ifstream in(entry.path(), std::ios::binary);
    copies.push_back({to / std::filesystem::relative(entry.path(), from),
                      std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>())});
  }
  const auto start = Clock::now();
  for (const Copy& copy : copies) {
    std::filesystem::create_directories(copy.target.parent_path(), error);
    if (FILE* file = std::fopen(copy.target.c_str(), "wb")) {
      std::fwrite(copy.bytes.data(), 1, copy.bytes.size(), file);
      std::fclose(file);
    }
  }
  const double seconds = Since(start);
  std::filesystem::remove_all(to, error);
  return seconds;
}

}  // namespace pf::bench
