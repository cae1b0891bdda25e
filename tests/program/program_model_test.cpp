#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "program/ProgramInfo.h"
#include "program/ProgramInfoAry.h"

namespace {

// The copied fields (distance, second sampling time, an axis order, a file
// text and the file count), then the circle fields (radius, plane, G08 form).
std::wstring Fields(const pf::CProgramInfo& p) {
  return p.m_strDistance + L"|" + p.m_strSmpTime2 + L"|" + std::to_wstring(p.m_aryAxis.at(1).m_nOrder) + L"|" +
         p.at(1).m_strText + L"|" + std::to_wstring(p.size()) + L"|" + p.m_strRadius + L"|" + p.m_strPlane + L"|" +
         std::to_wstring(p.m_nParaExt3);
}

// A copy leaves the circle fields at their defaults; an assignment keeps the
// target's; growing an array (which relocates its elements) loses nothing.
TEST(ProgramInfo, CopiesLeaveOutTheCircleFields) {
  pf::CProgramInfo source;   // every field away from its default
  source.m_strDistance = L"12";
  source.m_strSmpTime2 = L"8";
  source.m_strRadius = L"50";
  source.m_strPlane = L"$1-JK";
  source.m_nParaExt3 = 3;
  source.m_aryAxis.resize(2);
  source.m_aryAxis[1].m_nOrder = 4;
  source.resize(2);
  source[1].m_strText = L"M30";
  EXPECT_EQ(Fields(pf::CProgramInfo(source)), L"12|8|4|M30|2|||0");

  pf::CProgramInfo target;
  target.m_strPlane = L"$2-IJ";
  target.resize(5);
  target = source;
  EXPECT_EQ(Fields(target), L"12|8|4|M30|2||$2-IJ|0");

  pf::CProgramInfoAry programs;
  programs.push_back(std::move(source));
  for (int i = 0; i < 40; ++i) programs.emplace_back();
  EXPECT_EQ(Fields(programs[0]), L"12|8|4|M30|2|50|$1-JK|3");
}

}  // namespace
