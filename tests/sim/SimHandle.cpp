#include "SimHandle.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "nclink/OvxContract.h"
#include "sim/SimControl.h"

namespace pf::test {
namespace {

constexpr char kFill = '#';

// "status", "status changed" or "0 value".
std::string Render(int32_t status, bool untouched, const std::string& value) {
  if (status == 0) return "0 " + value;
  return std::to_string(status) + (untouched ? "" : " changed");
}

// An integer output that starts as a marker value.
constexpr int32_t kUnset = 0x5A5A5A5A;

std::string RenderInteger(int32_t status, int32_t value) {
  return Render(status, value == kUnset, std::to_string(value));
}

// A text buffer of `size` fill bytes; the text before the first NUL.
std::string TextOf(const std::string& buffer) { return buffer.substr(0, buffer.find('\0')); }
bool Untouched(const std::string& buffer) { return buffer.find_first_not_of(kFill) == std::string::npos; }

}  // namespace

std::string SimFolder() { return OVXSIM_DIR; }
std::string SimVariantFolder(const std::string& name) { return SimFolder() + "/without-" + name; }

SimHandle::SimHandle(const std::string& folder) {
  const std::string path = folder + "/libOVXIF.so";
  handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle_ == nullptr) ADD_FAILURE() << "cannot open " << path << ": " << dlerror();
}

SimHandle::~SimHandle() {
  if (handle_ != nullptr) dlclose(handle_);
}

void* SimHandle::Symbol(const char* name) const { return handle_ == nullptr ? nullptr : dlsym(handle_, name); }

int32_t SimHandle::LoadMachine(const std::string& path) const {
  return Get<decltype(&SimLoadMachine)>("SimLoadMachine")(path.c_str());
}

void SimHandle::SetFailure(const char* entryPoint, int32_t status) const {
  Get<decltype(&SimSetFailure)>("SimSetFailure")(entryPoint, status);
}

int32_t SimHandle::SetBehaviour(const char* entryPoint, const char* behaviour) const {
  return Get<decltype(&SimSetBehaviour)>("SimSetBehaviour")(entryPoint, behaviour);
}

void SimHandle::ClearJournal() const { Get<decltype(&SimClearJournal)>("SimClearJournal")(); }

std::vector<std::string> SimHandle::Journal() const {
  const auto line = Get<decltype(&SimJournalLine)>("SimJournalLine");
  std::vector<std::string> lines;
  const int32_t count = Get<decltype(&SimJournalCount)>("SimJournalCount")();
  for (int32_t i = 0; i < count; ++i) {
    std::string text(static_cast<std::size_t>(line(i, nullptr, 0)) + 1, '\0');
    line(i, text.data(), static_cast<int32_t>(text.size()));
    text.pop_back();
    lines.push_back(text);
  }
  return lines;
}

std::string SimHandle::LastLoadedProgram() const {
  const auto program = Get<decltype(&SimLastLoadedProgram)>("SimLastLoadedProgram");
  const int32_t length = program(nullptr, 0);
  if (length < 0) return "(none)";
  std::string bytes(static_cast<std::size_t>(length) + 1, '\0');
  program(bytes.data(), static_cast<int32_t>(bytes.size()));
  bytes.pop_back();
  return bytes;
}

int32_t SimHandle::Init() const { return Get<ovx::OvxNcIfInitFn>("OvxNcIfInit")(); }

std::string SimHandle::Information(const char* item, int32_t index) const {
  std::string buffer(32, kFill);
  const int32_t status = Get<ovx::NcGetInformationFn>("NcGetInformation")(item, buffer.data(), index);
  return Render(status, Untouched(buffer), TextOf(buffer));
}

std::string SimHandle::ParameterText(int32_t system, int32_t index, const char* name) const {
  std::string buffer(32, kFill);
  const int32_t status =
      Get<ovx::NcGetParameterFn>("NcGetParameter")(system, index, name, buffer.data(), ovx::kValueText);
  // Nothing may be written beyond the 16 bytes the call allows.
  const bool tailUntouched = Untouched(buffer.substr(ovx::kValueText));
  return Render(status, Untouched(buffer), TextOf(buffer)) + (tailUntouched ? "" : " overrun");
}

std::string SimHandle::ParameterInteger(int32_t system, int32_t index, const char* name) const {
  int32_t value = kUnset;
  const int32_t status = Get<ovx::NcGetParameterFn>("NcGetParameter")(system, index, name, &value, ovx::kValueInteger);
  return RenderInteger(status, value);
}

std::string SimHandle::Limit(int32_t system, int32_t axis, const char* item) const {
  double value = -1234.5;
  const int32_t status = Get<ovx::GetInformationFn>("GetInformation")(system, axis, item, &value, ovx::kValueDouble);
  char text[64];
  std::snprintf(text, sizeof text, "%.3f", value);
  return Render(status, value == -1234.5, text);
}

std::string SimHandle::AxisName(int32_t system, int32_t axis) const {
  std::string buffer(ovx::kAxisNameSize, kFill);
  const int32_t status =
      Get<ovx::GetInformationFn>("GetInformation")(system, axis, "AXISNAME", buffer.data(), ovx::kAxisNameSize);
  return Render(status, Untouched(buffer), TextOf(buffer));
}

std::string SimHandle::Acceleration(int32_t system, int32_t axis, const char* name) const {
  int32_t value = kUnset;
  const int32_t status =
      Get<ovx::NcGetAccelerationParameterFn>("NcGetAccelerationParameter")(1, system, axis, 1, name, &value);
  return RenderInteger(status, value);
}

std::string SimHandle::SerialToSystem(int32_t serial) const {
  int32_t system = kUnset;
  int32_t axis = kUnset;
  const int32_t status =
      Get<ovx::ConvertSerialAxisToSystemAxisFn>("ConvertSerialAxisToSystemAxis")(serial, &system, &axis);
  return Render(status, system == kUnset && axis == kUnset, std::to_string(system) + " " + std::to_string(axis));
}

std::string SimHandle::SerialToSystemPermitted(int32_t serial) const {
  int32_t system = kUnset;
  int32_t axis = kUnset;
  const int32_t status = Get<ovx::ConvertSerialAxisToSystemAxisPermittedSPCFn>(
      "ConvertSerialAxisToSystemAxisPermittedSPC")(serial, &system, &axis);
  return Render(status, system == kUnset && axis == kUnset, std::to_string(system) + " " + std::to_string(axis));
}

std::string SimHandle::SystemToSerial(int32_t system, int32_t axis) const {
  int32_t serial = kUnset;
  const int32_t status =
      Get<ovx::ConvertSystemAxisToSerialAxisFn>("ConvertSystemAxisToSerialAxis")(system, axis, &serial);
  return RenderInteger(status, serial);
}

std::string SimHandle::Comm(const char* name) const {
  std::u16string buffer(ovx::kCommBufferLength, u'#');
  const int32_t status = Get<ovx::CommGetParameterFn>("CommGetParameter")(name, buffer.data());
  std::string text;
  for (char16_t c : buffer.substr(0, buffer.find(u'\0'))) text += c < 0x80 ? static_cast<char>(c) : '?';
  return Render(status, buffer == std::u16string(ovx::kCommBufferLength, u'#'), text);
}

std::string SimHandle::TwoPort() const {
  int32_t value = kUnset;
  const int32_t status = Get<ovx::IsTwoPortSettingFn>("IsTwoPortSetting")(&value);
  return RenderInteger(status, value);
}

std::string SimHandle::TuningReady(int32_t system) const {
  int32_t state = kUnset;
  const int32_t status = Get<ovx::CheckTuningExecReadyFn>("CheckTuningExecReady")(system, 0, &state);
  return RenderInteger(status, state);
}

std::string SimHandle::BasicParaExt(int32_t number) const {
  int32_t value = kUnset;
  const int32_t status = Get<ovx::GetBasicParaExtFn>("GetBasicParaExt")(number, &value);
  return RenderInteger(status, value);
}

std::string SimHandle::NcStatus() const {
  int32_t value = kUnset;
  const int32_t status = Get<ovx::CheckNcStatusForOVXFunctionFn>("CheckNcStatusForOVXFunction")(0, &value);
  return RenderInteger(status, value);
}

std::string SimHandle::Spax(int32_t system, int32_t axis) const {
  return std::to_string(Get<ovx::CheckSPAXFn>("CheckSPAX")(system, axis));
}

std::string SimHandle::Target(int32_t system, int32_t axis) const {
  return std::to_string(Get<ovx::NonSamplingSetTargetFn>("NonSamplingSetTarget")(system, axis));
}

std::string SimHandle::LoadProgram(const std::string& path) const {
  return std::to_string(Get<ovx::NcLoadProgramFn>("NcLoadProgram")(path.c_str(), 1));
}

SimTest::SimTest() {
  unsetenv("OVXSIM_MACHINE");
  unsetenv("OVXSIM_JOURNAL");
  std::string pattern = (std::filesystem::temp_directory_path() / "ovxsim-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "cannot make a temporary folder";
  folder_ = pattern;
}

SimTest::~SimTest() {
  unsetenv("OVXSIM_MACHINE");
  unsetenv("OVXSIM_JOURNAL");
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

std::string SimTest::WriteFile(const std::string& name, const std::string& bytes) const {
  const std::string path = folder_ + "/" + name;
  std::ofstream(path, std::ios::binary) << bytes;
  return path;
}

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::string ReadmeIniBlock(int n) {
  const std::string readme = ReadFile(PATHFORGE_SOURCE_DIR "/sim/README.md");
  const std::string open = "```ini\n";
  std::size_t start = 0;
  for (int i = 0; i <= n; ++i) {
    start = readme.find(open, start);
    if (start == std::string::npos) return std::string();
    start += open.size();
  }
  return readme.substr(start, readme.find("```", start) - start);
}

}  // namespace pf::test
