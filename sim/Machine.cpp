#include "Machine.h"

#include <algorithm>
#include <sstream>

#include "nclink/OvxContract.h"
#include "sim/SimControl.h"

namespace pf::sim {
namespace {

// Values that a description may leave out, by scope: "Machine" is the
// [Machine] section, "System" every [SystemN], "Axis" every axis.
struct DefaultValue {
  const char* scope;
  const char* key;
  const char* value;
};

constexpr DefaultValue kDefaults[] = {
    {"Machine", "IsTwoPortSetting", "0"},             // one port
    {"Machine", "CheckNcStatusForOVXFunction", "0"},  // the NC status it reports
    {"Machine", "NcLoadProgram", "0"},                // the program is accepted
    {"System", "SYS_ON", "1"},                        // the system is in use
    {"System", "CheckTuningExecReady", "0x103"},      // ready for a trial run
    {"Axis", "CheckSPAX", "0"},                       // not a spindle: listed
    {"Axis", "TANDEM_AXISNUM_SPC", "0"},              // no tandem partner
    {"Axis", "INCAX_SPC", ""},                        // no incremental name
};

// Entry points served beyond the contract's checked ones.
constexpr const char* kExtraEntryPoints[] = {"OvxNcIfCallPinType", "ConvertSerialAxisToSystemAxisPermittedSPC"};

bool IsEntryPoint(const std::string& name) {
  const auto same = [&](const char* known) { return name == known; };
  return std::any_of(std::begin(ovx::kCheckedEntryPoints), std::end(ovx::kCheckedEntryPoints), same) ||
         std::any_of(std::begin(kExtraEntryPoints), std::end(kExtraEntryPoints), same);
}

std::string SystemSection(int32_t system) { return "System" + std::to_string(system + 1); }

std::vector<std::string> SplitWords(const std::string& text) {
  std::istringstream stream(text);
  std::vector<std::string> words;
  for (std::string word; stream >> word;) words.push_back(word);
  return words;
}

bool ReadBehaviours(const Description& description, std::map<std::string, Behaviour>& behaviours,
                    std::string& error) {
  for (const auto& [name, text] : description.Entries("Fail")) {
    Behaviour behaviour;
    if (!IsEntryPoint(name)) {
      error = "[Fail]: no entry point is named " + name;
      return false;
    }
    if (!ParseBehaviour(text, behaviour)) {
      error = "[Fail]: the behaviour of " + name + " is neither a status nor a known word: " + text;
      return false;
    }
    if (behaviour.mode != Mode::Normal) behaviours[name] = behaviour;
  }
  return true;
}

}  // namespace

bool Machine::Build(const std::string& text, Machine& machine, std::string& error) {
  Machine built;
  if (!built.description_.Parse(text, error) || !ReadBehaviours(built.description_, built.behaviours_, error)) {
    return false;
  }
  for (int32_t system = 0; built.description_.HasSection(SystemSection(system)); ++system) {
    const std::string* axes = built.description_.Find(SystemSection(system), "Axes");
    const std::vector<std::string> names = axes == nullptr ? std::vector<std::string>() : SplitWords(*axes);
    for (std::size_t index = 0; index < names.size(); ++index) {
      const std::string section = "$" + std::to_string(system + 1) + "-" + names[index];
      built.axes_.push_back({system, static_cast<int32_t>(index), names[index], section});
    }
    built.systemCount_ = system + 1;
  }
  machine = std::move(built);
  return true;
}

const Machine::Axis* Machine::FindAxis(int32_t system, int32_t axis) const {
  const auto found = std::find_if(axes_.begin(), axes_.end(),
                                  [&](const Axis& a) { return a.system == system && a.index == axis; });
  return found == axes_.end() ? nullptr : &*found;
}

const Machine::Axis* Machine::FindSerial(int32_t serial) const {
  return serial >= 0 && serial < static_cast<int32_t>(axes_.size()) ? &axes_[serial] : nullptr;
}

bool Machine::HasAxis(int32_t system, int32_t axis) const { return FindAxis(system, axis) != nullptr; }

bool Machine::LookUpDefault(const char* scope, const std::string& key, std::string& value) const {
  for (const DefaultValue& entry : kDefaults) {
    if (SameName(entry.scope, scope) && SameName(entry.key, key)) {
      value = entry.value;
      return true;
    }
  }
  return false;
}

bool Machine::LookUpAxis(const Axis& axis, const std::string& key, std::string& value) const {
  for (const char* section : {axis.section.c_str(), "Axes"}) {
    if (const std::string* found = description_.Find(section, key)) {
      value = *found;
      return true;
    }
  }
  if (LookUpDefault("Axis", key, value)) return true;
  if (!SameName(key, "AXISNAME")) return false;
  value = axis.name;
  return true;
}

int32_t Machine::AxisValue(int32_t system, int32_t axis, const std::string& key, std::string& value) const {
  const Axis* found = FindAxis(system, axis);
  return found != nullptr && LookUpAxis(*found, key, value) ? 0 : kSimNotFound;
}

int32_t Machine::SystemValue(int32_t system, const std::string& key, std::string& value) const {
  if (system < 0 || system >= systemCount_) return kSimNotFound;
  if (const std::string* found = description_.Find(SystemSection(system), key)) {
    value = *found;
    return 0;
  }
  return LookUpDefault("System", key, value) ? 0 : kSimNotFound;
}

int32_t Machine::Value(const std::string& section, const std::string& key, std::string& value) const {
  if (const std::string* found = description_.Find(section, key)) {
    value = *found;
    return 0;
  }
  return LookUpDefault(section.c_str(), key, value) ? 0 : kSimNotFound;
}

bool Machine::IsCountItem(const std::string& item) {
  return SameName(item, "SYSNUM") || SameName(item, "AXISNUM") || SameName(item, "AXISNUM_SPC");
}

int32_t Machine::Information(const std::string& item, int32_t index, std::string& value) const {
  if (const Axis* axis = FindSerial(index); axis != nullptr && LookUpAxis(*axis, item, value)) return 0;
  if (const std::string* found = description_.Find("Information", item)) {
    value = *found;
    return 0;
  }
  if (SameName(item, "SYSNUM")) {
    value = std::to_string(systemCount_);
    return 0;
  }
  if (SameName(item, "AXISNUM") || SameName(item, "AXISNUM_SPC")) {
    value = std::to_string(axes_.size());
    return 0;
  }
  return kSimNotFound;
}

int32_t Machine::Parameter(int32_t system, int32_t index, const std::string& name, std::string& value) const {
  if (const Axis* axis = FindAxis(system, index); axis != nullptr && LookUpAxis(*axis, name, value)) return 0;
  return SystemValue(system, name, value);
}

int32_t Machine::SerialToSystemAxis(int32_t serial, int32_t& system, int32_t& axis) const {
  const Axis* found = FindSerial(serial);
  if (found == nullptr) return kSimNotFound;
  system = found->system;
  axis = found->index;
  return 0;
}

int32_t Machine::SystemAxisToSerial(int32_t system, int32_t axis, int32_t& serial) const {
  const Axis* found = FindAxis(system, axis);
  if (found == nullptr) return kSimNotFound;
  serial = static_cast<int32_t>(found - axes_.data());
  return 0;
}

}  // namespace pf::sim
