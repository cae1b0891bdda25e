// The test's hold on the simulated NC library, with the served entry points'
// answers rendered as short texts for table-driven checks: "status" when a
// call fails (plus " changed" when it touched its output anyway), "0 value"
// when it succeeds.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "nclink/OvxContract.h"
#include "support/SimLibrary.h"
#include "support/TempFolder.h"

namespace pf::test {

std::string Render(int32_t status, bool untouched, const std::string& value);

class SimHandle : public SimLibrary {
 public:
  using SimLibrary::SimLibrary;

  // The served entry points.
  std::string Information(const char* item, int32_t index) const;
  std::string ParameterText(int32_t system, int32_t index, const char* name) const;
  std::string ParameterInteger(int32_t system, int32_t index, const char* name) const;
  std::string Limit(int32_t system, int32_t axis, const char* item) const;  // "%.3f"
  std::string AxisName(int32_t system, int32_t axis) const;
  std::string Acceleration(int32_t system, int32_t axis, const char* name) const {
    return Integer<ovx::NcGetAccelerationParameterFn>("NcGetAccelerationParameter", 1, system, axis, 1, name);
  }
  std::string SerialToSystem(int32_t serial) const {
    return Pair<ovx::ConvertSerialAxisToSystemAxisFn>("ConvertSerialAxisToSystemAxis", serial);
  }
  std::string SerialToSystemPermitted(int32_t serial) const {
    return Pair<ovx::ConvertSerialAxisToSystemAxisPermittedSPCFn>("ConvertSerialAxisToSystemAxisPermittedSPC", serial);
  }
  std::string SystemToSerial(int32_t system, int32_t axis) const {
    return Integer<ovx::ConvertSystemAxisToSerialAxisFn>("ConvertSystemAxisToSerialAxis", system, axis);
  }
  std::string Comm(const char* name) const;
  std::string TwoPort() const { return Integer<ovx::IsTwoPortSettingFn>("IsTwoPortSetting"); }
  std::string TuningReady(int32_t system) const {
    return Integer<ovx::CheckTuningExecReadyFn>("CheckTuningExecReady", system, 0);
  }
  std::string BasicParaExt(int32_t number) const { return Integer<ovx::GetBasicParaExtFn>("GetBasicParaExt", number); }
  std::string Spax(int32_t system, int32_t axis) const;
  std::string Target(int32_t system, int32_t axis) const;
  std::string LoadProgram(const std::string& path) const;

 private:
  // An integer output that starts as a marker value.
  static constexpr int32_t kUnset = 0x5A5A5A5A;

  // The entry point with the arguments and, last, the integer output.
  template <class Fn, class... Args>
  std::string Integer(const char* name, Args... args) const {
    int32_t value = kUnset;
    const int32_t status = Get<Fn>(name)(args..., &value);
    return Render(status, value == kUnset, std::to_string(value));
  }

  // A conversion to a system and an axis: "0 system axis".
  template <class Fn>
  std::string Pair(const char* name, int32_t serial) const {
    int32_t system = kUnset;
    int32_t axis = kUnset;
    const int32_t status = Get<Fn>(name)(serial, &system, &axis);
    return Render(status, system == kUnset && axis == kUnset, std::to_string(system) + " " + std::to_string(axis));
  }
};

// A fresh temporary folder per test.
class SimTest : public ::testing::Test {
 protected:
  // Writes a file into the folder and returns its path.
  std::string WriteFile(const std::string& name, const std::string& bytes) const;

  TempFolder temp_;
  const std::string folder_ = std::filesystem::path(temp_.Path()).string();
};

// The bytes of a file; empty when it cannot be read.
std::string ReadFile(const std::string& path);

// The n-th ```ini block of sim/README.md (0 the example, 1 the built-in copy).
std::string ReadmeIniBlock(int n);

}  // namespace pf::test
