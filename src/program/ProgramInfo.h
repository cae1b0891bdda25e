// CProgramInfo: one program of one kind for one axis (or, for the circle
// kinds, one plane).
//
// The program is itself an array of CProgramData: element i is file i of the
// kind's file list (ProgramKinds.h). Its parameters are held as text exactly
// as the user typed them; the generators validate and format them only when
// a program file is made.
#pragma once

#include <string>
#include <vector>

#include "common/Format.h"
#include "common/SafeFile.h"
#include "program/ProgramAxisInfo.h"
#include "program/ProgramData.h"

namespace pf {

class CProgramInfo : public std::vector<CProgramData> {
 public:
  CProgramInfo() = default;
  // Copying takes over the kind, the motion and sampling parameters, the
  // flags, the axis array and the files. The radius, direction, plane, the
  // four limit texts and the two NC values are not copied: a copy starts with
  // their defaults, an assigned object keeps its own.
  CProgramInfo(const CProgramInfo& other);
  CProgramInfo& operator=(const CProgramInfo& other);
  // Moving relocates the whole program (growing or shrinking an array of
  // programs keeps every field).
  CProgramInfo(CProgramInfo&&) = default;
  CProgramInfo& operator=(CProgramInfo&&) = default;
  virtual ~CProgramInfo() = default;

  std::wstring GetDistance() const { return m_strDistance; }
  std::wstring GetFeed() const { return m_strFeed; }
  std::wstring GetDwell() const { return m_strDwell; }
  std::wstring GetSmpTime() const { return m_strSmpTime; }
  std::wstring GetRadius() const { return m_strRadius; }

  // printf-style setters: SetFeed(L"%3.3f", speed).
  template <class... Args>
  void SetFeed(const wchar_t* format, const Args&... args) {
    m_strFeed = Format(format, args...);
  }
  template <class... Args>
  void SetRadius(const wchar_t* format, const Args&... args) {
    m_strRadius = Format(format, args...);
  }

  // --- Program files -------------------------------------------------------

  // Sets the kind, sizes the file array to the kind's file list and reads
  // every file from folder/subFolder/<kind folder>/ (none when that folder
  // is missing). m_bLoaded becomes 1 only when the list has rows and every
  // file was read. Always true.
  bool LoadFiles(const std::wstring& projectFolder, int kind, int machineType,
                 const std::wstring& subFolder);

  // Makes the program folder (and its parents) and stages in `batch`
  // (SafeFile.h) the files that both the file list and the array hold; the
  // fault of the first folder or file that fails. Once the batch is
  // committed, MarkFilesWritten.
  FileFault StageFiles(CFileBatch& batch, int machineType, const std::wstring& projectFolder,
                       const std::wstring& subFolder) const;
  void MarkFilesWritten(int machineType);

  // The program folder: projectFolder/subFolder/<folder name of the kind>.
  static std::wstring ProgramFolder(const std::wstring& projectFolder, const std::wstring& subFolder,
                                    int kind);

  // --- Block generators ------------------------------------------------------

  // True when `text` is a number of zero or more: only "0123456789.-", not
  // empty, not "." or "-", no leading ".", "-" only first, at most one ".".
  // On success the number of points (0 or 1) is stored in `dotCount`.
  static bool CheckNumber(const std::wstring& text, int& dotCount);

  // 0 when entry `index` of the list is non-empty, -1 when it is empty, -2
  // when the index is negative or above the count.
  static int CheckAxisName(const std::vector<std::wstring>& names, int index);

  // Appends the position header and one line per axis order (the axes whose
  // position name is non-empty, name then start position). 1 on success; 0
  // when a start position is invalid, the output then unchanged.
  int MakePositionBlock(int machineType, std::wstring& output, int gCodeList,
                        const std::vector<std::wstring>& positionNames) const;

  // Appends mode words, one move of the distance and (unless withoutDwell) a
  // dwell. 0 or an error id (ProgramErrors.h); nothing appended on error.
  int MakeOneWayMove(int machineType, int modeIndex, bool feedMove, int gCodeList, bool plusDirection,
                     const std::wstring& axisName, std::wstring& output, bool withoutDwell) const;

  // Appends mode words and a move forth and back, each followed by a dwell;
  // doubled: forth, back, forth, back without dwell. 0 or an error id.
  int MakeReciprocMove(int machineType, int modeIndex, bool feedMove, int gCodeList,
                       const std::wstring& axisName, std::wstring& output, bool doubled) const;

  // Appends the radius and feed comments, circle mode words, the plane code
  // and two turns of the circle. 0 or an error id.
  int MakeCircle(int machineType, std::wstring& output) const;

  // --- Program assembly ------------------------------------------------------

  // Makes the text of file `fileIndex`: sampling-time comment, the file's
  // block, "M30". On success stores it, clears the file's m_bModified and
  // returns 1; on failure shows the error message and returns 0 with the
  // files unchanged. moveNames[axisIndex] names the axis of a test move.
  int MakeProgram(int machineType, const std::vector<std::wstring>& moveNames,
                  const std::vector<std::wstring>& positionNames, int axisIndex, int fileIndex,
                  int gCodeList);

  int m_nKind = 0;
  std::wstring m_strDistance = L"100";
  std::wstring m_strFeed = L"0";
  int m_bDwell = 0;
  std::wstring m_strDwell = L"0.5";
  int m_bLoaded = 0;
  int m_bSaveFiles = 0;
  std::wstring m_strSmpTime = L"5";
  std::wstring m_strRadius;
  int m_nCircleDir = 0;  // 0 clockwise (G02), else counter-clockwise (G03)
  std::wstring m_strPlane;
  std::wstring m_strSmpTime2 = L"5";
  std::wstring m_strLimitMinus;
  std::wstring m_strLimitPlus;
  // Whether the NC gave each stroke end: a failed read is stored as text
  // all the same.
  bool m_bLimitMinusRead = false;
  bool m_bLimitPlusRead = false;
  std::wstring m_strLimitMinus2;
  std::wstring m_strLimitPlus2;
  int m_nNcType = 0;
  int m_nParaExt3 = 0;
  CProgramAxisInfoAry m_aryAxis;

 private:
  // The fields that copying takes over, the files aside.
  void CopyParameters(const CProgramInfo& other);
  // How many files SaveFiles writes: as many as both the kind's file list
  // and the array hold.
  int WrittenFileCount(int machineType) const;
  struct MoveTexts;
  int PrepareMove(int machineType, int modeIndex, bool feedMove, int gCodeList,
                  const std::wstring& axisName, bool timedDwell, MoveTexts& texts) const;
};

}  // namespace pf
