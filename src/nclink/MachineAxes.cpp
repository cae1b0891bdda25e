// The machine's axes and planes as read from the CNC (see MachineAxes.h).
#include "nclink/MachineAxes.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>

#include "common/Format.h"
#include "common/Text.h"
#include "nclink/NcReads.h"

namespace pf {
namespace {

// The incremental axis name of an axis that has none.
const wchar_t kNoIncAxis[] = L"999";

// The letters the axis dialog proposes, in the order it tries them.
const wchar_t kProposedLetters[] = L"XYZABCDEFGHIJKLMNOPQRSTUVW";

// A system's parameters are read as text into a buffer of this size.
constexpr int32_t kParameterBufferSize = 16;

// The three circle planes of a system: the name format and the base axes
// (0 I, 1 J, 2 K) that span it, in the order the planes are listed.
struct PlaneRule {
  const wchar_t* nameFormat;
  int first;
  int second;
};

constexpr PlaneRule kPlaneRules[] = {
    {L"$%d-IJ", 0, 1},
    {L"$%d-JK", 1, 2},
    {L"$%d-KI", 2, 0},
};

constexpr const wchar_t* kBaseAxisParameters[] = {L"BASE_I", L"BASE_J", L"BASE_K"};

// NcGetParameter of a system's parameter as text; the text is empty when
// the read wrote nothing.
int32_t GetSystemParameter(COVXIF& ovxIf, int32_t system, const wchar_t* name, std::wstring& text) {
  char buffer[kParameterBufferSize] = {};
  const int32_t status = ovxIf.NcGetParameter(system, 0, name, buffer, kParameterBufferSize);
  text = ToWide(std::string(buffer, std::find(std::begin(buffer), std::end(buffer), '\0')));
  return status;
}

// Removes `count` entries from `index` on; an entry outside the list is an
// invalid argument that abandons the operation.
template <class T>
void RemoveAt(std::vector<T>& list, std::size_t index, std::size_t count = 1) {
  if (index + count > list.size()) {
    throw std::out_of_range("list index out of range");
  }
  const auto first = list.begin() + static_cast<std::ptrdiff_t>(index);
  list.erase(first, first + static_cast<std::ptrdiff_t>(count));
}

}  // namespace

int32_t GetTandemAxis(COVXIF& ovxIf, int32_t axis, int32_t& count) {
  count = 0;
  return GetInformationNumber(ovxIf, "TANDEM_AXISNUM_SPC", axis, count) != 0 ? kNcCheckFailed : 0;
}

const TandemReads::Read& TandemReads::At(int32_t j) {
  if (m_reads.empty()) {
    m_reads.reserve(static_cast<std::size_t>(std::max(m_axisCount, 0)));
    for (int32_t k = 0; k < m_axisCount; ++k) {
      Read read{0, 0};
      read.status = GetTandemAxis(m_ovxIf, k, read.count);
      m_reads.push_back(read);
    }
  }
  return m_reads.at(static_cast<std::size_t>(j));
}

int32_t FindTandemAxis(TandemReads& reads, int32_t axis, int32_t& isPartner, int32_t& lead, int32_t& partner) {
  isPartner = 0;
  lead = -1;
  partner = -1;
  int32_t status = 0;
  for (int32_t j = 0; j < reads.axisCount(); ++j) {
    const TandemReads::Read& read = reads.At(j);
    status = read.status;
    if (status != 0 || read.count <= 0) {
      continue;
    }
    if (read.count - 1 == axis) {
      isPartner = 1;
      lead = j;
      partner = axis;
      return 0;
    }
    if (j == axis) {
      lead = axis;
      partner = read.count - 1;
      return 0;
    }
  }
  return status;
}

std::wstring ProposeAxisName(const std::vector<std::wstring>& names) {
  for (const wchar_t* letter = kProposedLetters; *letter != L'\0'; ++letter) {
    std::wstring name(1, *letter);
    if (std::find(names.begin(), names.end(), name) == names.end()) {
      return name;
    }
  }
  return std::wstring();
}

bool IsAcceptableAxisName(const std::wstring& text, const std::vector<std::wstring>& names) {
  return IsUsableName(text) && std::find(names.begin(), names.end(), text) == names.end();
}

CMachineAxisInfo::CMachineAxisInfo(COVXIF& ovxIf) : m_ovxIf(ovxIf) {}

int32_t CMachineAxisInfo::MakeAxisInfo() {
  m_aryAxisName.clear();
  m_aryTandemMaster.clear();
  m_aryIncAxis.clear();
  m_bAxisInfoOK = 0;
  int axisCount = 0;
  if (GetInformationCount(m_ovxIf, "AXISNUM_SPC", axisCount) != 0 || axisCount < 1) {
    return 0;
  }
  m_bAxisInfoOK = 1;
  TandemReads tandemReads(m_ovxIf, axisCount);
  for (int32_t serial = 0; serial < axisCount; ++serial) {
    std::wstring name;
    if (m_ovxIf.GetAxisName(serial, name) != 0) {
      m_bAxisInfoOK = 0;
      break;
    }
    int32_t isPartner = 0;
    int32_t lead = -1;
    int32_t partner = -1;
    if (FindTandemAxis(tandemReads, serial, isPartner, lead, partner) != 0) {
      continue;
    }
    int32_t system = 0;
    int32_t axis = 0;
    m_ovxIf.ConvertSerialAxisToSystemAxisPermittedSPC(serial, system, axis);
    const int32_t spindle = m_ovxIf.CheckSPAX(system, axis);
    if (serial != partner && spindle == 0) {
      m_aryAxisName.push_back(name);
      AddIncAxisInfo(&serial);
      m_aryTandemMaster.push_back(lead != -1 && partner != -1 ? 1 : 0);
    }
  }
  return m_bAxisInfoOK;
}

bool CMachineAxisInfo::IsListedInSystem(const std::wstring& baseAxis, int systemNumber) const {
  const std::wstring number = Format(L"%d", systemNumber);
  return !baseAxis.empty() &&
         std::any_of(m_aryAxisName.begin(), m_aryAxisName.end(), [&](const std::wstring& name) {
           return name.find(baseAxis) != std::wstring::npos && name.find(number) != std::wstring::npos;
         });
}

int32_t CMachineAxisInfo::MakePlaneInfo() {
  m_aryPlaneName.clear();
  m_aryPlaneAxis.clear();
  int systemCount = 0;
  if (GetInformationCount(m_ovxIf, "SYSNUM", systemCount) != 0) {
    return 0;
  }
  for (int32_t system = 0; system < systemCount; ++system) {
    const int number = system + 1;
    // "SYS_ON" comes as text in the 16-byte buffer; only 1 marks a system
    // in use.
    std::wstring inUse;
    if (GetSystemParameter(m_ovxIf, system, L"SYS_ON", inUse) != 0) {
      return 0;
    }
    if (TextToInt(inUse) != 1) {
      continue;
    }
    // A base axis that cannot be read stays an empty text, which no plane
    // takes.
    std::wstring base[3];
    for (int i = 0; i < 3; ++i) {
      GetSystemParameter(m_ovxIf, system, kBaseAxisParameters[i], base[i]);
    }
    if (base[0] == base[1] || base[1] == base[2] || base[2] == base[0]) {
      continue;
    }
    for (const PlaneRule& rule : kPlaneRules) {
      const std::wstring& first = base[rule.first];
      const std::wstring& second = base[rule.second];
      if (IsListedInSystem(first, number) && IsListedInSystem(second, number)) {
        m_aryPlaneName.push_back(Format(rule.nameFormat, number));
        m_aryPlaneAxis.push_back(Format(L"$%d-%s", number, first));
        m_aryPlaneAxis.push_back(Format(L"$%d-%s", number, second));
      }
    }
  }
  return 1;
}

void CMachineAxisInfo::AddIncAxisInfo(const int32_t* serial) {
  int32_t system = 0;
  int32_t axis = 0;
  int32_t convertedSerial = 0;
  m_ovxIf.ConvertSerialAxisToSystemAxis(*serial, system, axis);
  m_ovxIf.ConvertSystemAxisToSerialAxis(system, axis, convertedSerial);
  std::wstring name;
  const int32_t status = GetInformationText(m_ovxIf, "INCAX_SPC", convertedSerial, name);
  m_aryIncAxis.push_back(status == 0 && !name.empty() ? name : kNoIncAxis);
}

int CMachineAxisInfo::IsTandemMaster(const int* index) const {
  if (index == nullptr || *index < 0 || static_cast<std::size_t>(*index) >= m_aryTandemMaster.size()) {
    return 0;
  }
  return m_aryTandemMaster[static_cast<std::size_t>(*index)];
}

void CMachineAxisInfo::AppendAxis(const std::wstring& name) {
  m_aryAxisName.push_back(name);
  m_aryTandemMaster.push_back(0);
  m_aryIncAxis.push_back(kNoIncAxis);
}

void CMachineAxisInfo::DeleteAxis(int index) {
  const std::size_t entry = static_cast<std::size_t>(index);
  const std::wstring name = m_aryAxisName.at(entry);
  // From the last plane-axis entry down, so that removing a pair never moves
  // an entry that is still to be visited.
  for (std::size_t k = m_aryPlaneAxis.size(); k-- > 0;) {
    if (m_aryPlaneAxis[k] != name) {
      continue;
    }
    const std::size_t pairStart = k - k % 2;
    RemoveAt(m_aryPlaneName, k / 2);
    RemoveAt(m_aryPlaneAxis, pairStart, 2);
    k = pairStart;
  }
  RemoveAt(m_aryAxisName, entry);
  RemoveAt(m_aryTandemMaster, entry);
  RemoveAt(m_aryIncAxis, entry);
}

}  // namespace pf
