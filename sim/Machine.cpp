#include "Machine.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>

#include "Numbers.h"
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

// Values that the entry points hand out as numbers, by scope as above
// ("BasicParaExt" every key of that section, "Information" the counts): a
// value that is not such a number is refused with its line when the machine
// is built, never met by the read that asks for it.
struct NumberValue {
  const char* scope;
  const char* key;  // nullptr: every key
  bool decimal;     // else a 32-bit integer
};

constexpr NumberValue kNumberValues[] = {
    {"Machine", "IsTwoPortSetting", false},
    {"Machine", "CheckNcStatusForOVXFunction", false},
    {"Machine", "NcLoadProgram", false},
    {"BasicParaExt", nullptr, false},
    {"Information", "SYSNUM", false},
    {"Information", "AXISNUM", false},
    {"Information", "AXISNUM_SPC", false},
    {"System", "SYS_ON", false},
    {"System", "CheckTuningExecReady", false},
    {"Axis", "OT_MINUS", true},
    {"Axis", "OT_PLUS", true},
    {"Axis", "MAX_SPEED", false},
    {"Axis", "AFTER_INTERP_G0_MAX_SPEED", false},
    {"Axis", "TANDEM_AXISNUM_SPC", false},
    {"Axis", "CheckSPAX", false},
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

// The scope of a section: "System" for [SystemN], "Axis" for [Axes] and an
// axis's own section [$N-L], else its own name.
std::string ScopeOf(const std::string& section) {
  if (section.size() > 6 && SameWithoutCase(section.substr(0, 6), "System")) return "System";
  if (SameWithoutCase(section, "Axes") || (!section.empty() && section[0] == '$')) return "Axis";
  return section;
}

bool IsNumber(const std::string& text, bool decimal) {
  int32_t integer = 0;
  double value = 0.0;
  return decimal ? ParseNumber(text, value) : ParseNumber(text, integer);
}

bool CheckNumbers(const std::vector<IniSection>& description, IniError& error) {
  for (const IniSection& section : description) {
    const std::string scope = ScopeOf(section.name);
    for (const IniEntry& entry : section.entries) {
      for (const NumberValue& number : kNumberValues) {
        if (!SameWithoutCase(number.scope, scope) || (number.key && !SameWithoutCase(number.key, entry.key))) continue;
        if (IsNumber(entry.value, number.decimal)) break;
        error = {entry.line, entry.key + (number.decimal ? " must be a number such as -500.000" : " must be a whole number") +
                                 ", found \"" + entry.value + "\""};
        return false;
      }
    }
  }
  return true;
}

bool ReadBehaviours(const std::vector<IniSection>& description, std::map<std::string, Behaviour>& behaviours,
                    IniError& error) {
  const IniSection* fail = FindIniSection(description, "Fail");
  if (fail == nullptr) return true;
  for (const IniEntry& entry : fail->entries) {
    Behaviour behaviour;
    if (!IsEntryPoint(entry.key)) {
      error = {entry.line, "[Fail]: no entry point is named " + entry.key};
      return false;
    }
    if (!ParseBehaviour(entry.value, behaviour)) {
      error = {entry.line, "[Fail]: the behaviour of " + entry.key + " is neither a status nor a known word: " + entry.value};
      return false;
    }
    if (behaviour.mode != Mode::Normal) behaviours[entry.key] = behaviour;
  }
  return true;
}

}  // namespace

bool Machine::Build(const std::string& text, Machine& machine, IniError& error) {
  Machine built;
  if (!ParseIniText(text, built.description_, error) || !CheckNumbers(built.description_, error) ||
      !ReadBehaviours(built.description_, built.behaviours_, error)) {
    return false;
  }
  for (int32_t system = 0; FindIniSection(built.description_, SystemSection(system)); ++system) {
    const std::string* axes = built.Find(SystemSection(system), "Axes");
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

const std::string* Machine::Find(std::string_view section, std::string_view key) const {
  const IniSection* found = FindIniSection(description_, section);
  const IniEntry* entry = found ? found->Find(key) : nullptr;
  return entry ? &entry->value : nullptr;
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
    if (SameWithoutCase(entry.scope, scope) && SameWithoutCase(entry.key, key)) {
      value = entry.value;
      return true;
    }
  }
  return false;
}

bool Machine::LookUpAxis(const Axis& axis, const std::string& key, std::string& value) const {
  for (const char* section : {axis.section.c_str(), "Axes"}) {
    if (const std::string* found = Find(section, key)) {
      value = *found;
      return true;
    }
  }
  if (LookUpDefault("Axis", key, value)) return true;
  if (!SameWithoutCase(key, "AXISNAME")) return false;
  value = axis.name;
  return true;
}

int32_t Machine::AxisValue(int32_t system, int32_t axis, const std::string& key, std::string& value) const {
  const Axis* found = FindAxis(system, axis);
  return found != nullptr && LookUpAxis(*found, key, value) ? 0 : kSimNotFound;
}

int32_t Machine::SystemValue(int32_t system, const std::string& key, std::string& value) const {
  if (system < 0 || system >= systemCount_) return kSimNotFound;
  if (const std::string* found = Find(SystemSection(system), key)) {
    value = *found;
    return 0;
  }
  return LookUpDefault("System", key, value) ? 0 : kSimNotFound;
}

int32_t Machine::Value(const std::string& section, const std::string& key, std::string& value) const {
  if (const std::string* found = Find(section, key)) {
    value = *found;
    return 0;
  }
  return LookUpDefault(section.c_str(), key, value) ? 0 : kSimNotFound;
}

bool Machine::IsCountItem(const std::string& item) {
  return SameWithoutCase(item, "SYSNUM") || SameWithoutCase(item, "AXISNUM") || SameWithoutCase(item, "AXISNUM_SPC");
}

int32_t Machine::Information(const std::string& item, int32_t index, std::string& value) const {
  if (const Axis* axis = FindSerial(index); axis != nullptr && LookUpAxis(*axis, item, value)) return 0;
  if (const std::string* found = Find("Information", item)) {
    value = *found;
    return 0;
  }
  if (SameWithoutCase(item, "SYSNUM")) {
    value = std::to_string(systemCount_);
    return 0;
  }
  if (SameWithoutCase(item, "AXISNUM") || SameWithoutCase(item, "AXISNUM_SPC")) {
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

bool ReadMachine(const std::string& path, Machine& machine, std::string& error) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    error = path + ": cannot read the file";
    return false;
  }
  const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  IniError fault;
  if (Machine::Build(text, machine, fault)) return true;
  error = path + ":" + std::to_string(fault.line) + ": " + fault.message;
  return false;
}

}  // namespace pf::sim
