#include "SimHandle.h"

#include <cstdio>
#include <fstream>
#include <iterator>

#include "nclink/OvxContract.h"

namespace pf::test {
namespace {

constexpr char kFill = '#';

// A text buffer of `size` fill bytes; the text before the first NUL.
std::string TextOf(const std::string& buffer) { return buffer.substr(0, buffer.find('\0')); }
bool Untouched(const std::string& buffer) { return buffer.find_first_not_of(kFill) == std::string::npos; }

}  // namespace

std::string Render(int32_t status, bool untouched, const std::string& value) {
  if (status == 0) return "0 " + value;
  return std::to_string(status) + (untouched ? "" : " changed");
}

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
  return Render(status, value == kUnset, std::to_string(value));
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

std::string SimHandle::Comm(const char* name) const {
  std::u16string buffer(ovx::kCommBufferLength, u'#');
  const int32_t status = Get<ovx::CommGetParameterFn>("CommGetParameter")(name, buffer.data());
  std::string text;
  for (char16_t c : buffer.substr(0, buffer.find(u'\0'))) text += c < 0x80 ? static_cast<char>(c) : '?';
  return Render(status, buffer == std::u16string(ovx::kCommBufferLength, u'#'), text);
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
