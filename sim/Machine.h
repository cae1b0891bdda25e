// The simulated NC's machine: part systems, their axes in serial order, and
// every value the entry points hand out, all taken from a description (see
// README.md for the keys).
//
// Every query returns a status: 0 with the value, or kSimNotFound when the
// machine has no such system, axis or value; the value is left alone then.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "Behaviour.h"
#include "common/IniText.h"

namespace pf::sim {

class Machine {
 public:
  // Builds the machine from description text (IniText.h). False, with the
  // line and what is wrong with it, when the text cannot be read as a
  // description, a value that an entry point hands out as a number is none,
  // or its [Fail] section names an unknown entry point or behaviour;
  // `machine` is left alone then.
  static bool Build(const std::string& text, Machine& machine, IniError& error);

  // NcGetInformation: the item for serial axis `index` when the axis has it,
  // else the machine-wide item ([Information], then SYSNUM, AXISNUM and
  // AXISNUM_SPC counted from the systems).
  int32_t Information(const std::string& item, int32_t index, std::string& value) const;

  // True for the items that NcGetInformation counts: SYSNUM, AXISNUM and
  // AXISNUM_SPC.
  static bool IsCountItem(const std::string& item);

  // NcGetParameter: the parameter of axis `index` of the system when that
  // axis has it, else of the system itself.
  int32_t Parameter(int32_t system, int32_t index, const std::string& name, std::string& value) const;

  // A value of an axis: its own section, then [Axes], then the defaults.
  int32_t AxisValue(int32_t system, int32_t axis, const std::string& key, std::string& value) const;

  // A value of a part system: its [SystemN] section, then the defaults.
  int32_t SystemValue(int32_t system, const std::string& key, std::string& value) const;

  // A value of a machine-wide section ([Machine], [Comm], [BasicParaExt]),
  // then the defaults.
  int32_t Value(const std::string& section, const std::string& key, std::string& value) const;

  // Serial axis number <-> 0-based part system and axis within it.
  int32_t SerialToSystemAxis(int32_t serial, int32_t& system, int32_t& axis) const;
  int32_t SystemAxisToSerial(int32_t system, int32_t axis, int32_t& serial) const;

  // True when the system has such an axis.
  bool HasAxis(int32_t system, int32_t axis) const;

  // The entry points that the [Fail] section makes fail or misbehave.
  const std::map<std::string, Behaviour>& Behaviours() const { return behaviours_; }

 private:
  struct Axis {
    int32_t system = 0;     // 0-based part system
    int32_t index = 0;      // 0-based axis within the system
    std::string name;       // as listed in the system's Axes key
    std::string section;    // "$<system>-<name>", the axis's own section
  };

  const Axis* FindAxis(int32_t system, int32_t axis) const;
  const Axis* FindSerial(int32_t serial) const;
  bool LookUpAxis(const Axis& axis, const std::string& key, std::string& value) const;
  bool LookUpDefault(const char* scope, const std::string& key, std::string& value) const;

  const std::string* Find(std::string_view section, std::string_view key) const;

  std::vector<IniSection> description_;
  int32_t systemCount_ = 0;
  std::vector<Axis> axes_;  // in serial order
  std::map<std::string, Behaviour> behaviours_;
};

// Reads a description file and builds its machine. False, with the message
// "path:line: what is wrong" (or "path: cannot read the file"), when Build
// refuses it; `machine` is left alone then.
bool ReadMachine(const std::string& path, Machine& machine, std::string& error);

}  // namespace pf::sim
