// A test's own copy of the simulated NC library, opened by full path, with
// the served entry points' answers rendered as short texts for table-driven
// checks: "status" when a call fails (plus " changed" when it touched its
// output anyway), "0 value" when it succeeds.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace pf::test {

// The folder of the built library, and of the variant lacking `name`.
std::string SimFolder();
std::string SimVariantFolder(const std::string& name);

class SimHandle {
 public:
  // Opens folder + "/libOVXIF.so"; fails the test when it cannot.
  explicit SimHandle(const std::string& folder = SimFolder());
  ~SimHandle();
  SimHandle(const SimHandle&) = delete;
  SimHandle& operator=(const SimHandle&) = delete;

  // The exported symbol, or nullptr.
  void* Symbol(const char* name) const;

  template <class Fn>
  Fn Get(const char* name) const {
    return reinterpret_cast<Fn>(Symbol(name));
  }

  // The controls.
  int32_t LoadMachine(const std::string& path) const;
  void SetFailure(const char* entryPoint, int32_t status) const;
  int32_t SetBehaviour(const char* entryPoint, const char* behaviour) const;
  void ClearJournal() const;
  std::vector<std::string> Journal() const;
  // The bytes NcLoadProgram last received; "(none)" when it received none.
  std::string LastLoadedProgram() const;

  // The served entry points.
  int32_t Init() const;
  std::string Information(const char* item, int32_t index) const;
  std::string ParameterText(int32_t system, int32_t index, const char* name) const;
  std::string ParameterInteger(int32_t system, int32_t index, const char* name) const;
  std::string Limit(int32_t system, int32_t axis, const char* item) const;  // "%.3f"
  std::string AxisName(int32_t system, int32_t axis) const;
  std::string Acceleration(int32_t system, int32_t axis, const char* name) const;
  std::string SerialToSystem(int32_t serial) const;
  std::string SerialToSystemPermitted(int32_t serial) const;
  std::string SystemToSerial(int32_t system, int32_t axis) const;
  std::string Comm(const char* name) const;
  std::string TwoPort() const;
  std::string TuningReady(int32_t system) const;
  std::string BasicParaExt(int32_t number) const;
  std::string NcStatus() const;
  std::string Spax(int32_t system, int32_t axis) const;
  std::string Target(int32_t system, int32_t axis) const;
  std::string LoadProgram(const std::string& path) const;

 private:
  void* handle_ = nullptr;
};

// A fresh temporary folder per test, and no simulator environment variables.
class SimTest : public ::testing::Test {
 protected:
  SimTest();
  ~SimTest() override;

  // Writes a file into the folder and returns its path.
  std::string WriteFile(const std::string& name, const std::string& bytes) const;

  std::string folder_;
};

// The bytes of a file; empty when it cannot be read.
std::string ReadFile(const std::string& path);

// The n-th ```ini block of sim/README.md (0 the example, 1 the built-in copy).
std::string ReadmeIniBlock(int n);

}  // namespace pf::test
