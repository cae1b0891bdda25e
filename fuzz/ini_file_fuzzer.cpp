// INI files through CIniFile: any bytes as OVX.ini or Project.dat. The
// reads the module makes run on them; then a value written under a plain
// section and key reads back unchanged and the values read before are kept.
#include <cstddef>
#include <cstdint>

#include "FuzzScratch.h"
#include "common/IniFile.h"

namespace {

struct Lookup {
  const wchar_t* section;
  const wchar_t* key;
};

// The entries the module reads from its settings and project files.
constexpr Lookup kLookups[] = {
    {L"Machine", L"MachineInfo"},
    {L"GCode", L"Number"},
    {L"LostMotionAdjust2_Adjust", L"Radius1"},
    {L"LostMotionAdjust2_Adjust", L"FeedRate1"},
    {L"LostMotionAdjust3_Adjust", L"Radius2"},
    {L"LostMotionAdjust3_Adjust", L"FeedRate2"},
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  pf::CIniFile ini(pf_fuzz::ScratchFile(L"fuzz.ini", data, size));
  std::wstring before[std::size(kLookups)];
  for (std::size_t i = 0; i < std::size(kLookups); ++i) {
    double number = 0.0;
    ini.GetString(kLookups[i].section, kLookups[i].key, before[i]);
    ini.GetDouble(kLookups[i].section, kLookups[i].key, number);
  }

  ini.WriteString(L"PathForgeFuzz", L"Written", L"value 1");
  std::wstring value;
  pf_fuzz::Require(ini.GetString(L"PathForgeFuzz", L"Written", value) == 1 && value == L"value 1",
                   "a written value reads back");
  for (std::size_t i = 0; i < std::size(kLookups); ++i) {
    ini.GetString(kLookups[i].section, kLookups[i].key, value);
    pf_fuzz::Require(value == before[i], "a write keeps the other entries");
  }
  return 0;
}
