#include <gtest/gtest.h>

#include "program/ProgramInfo.h"
#include "program/ProgramInfoAry.h"

namespace {

// A circle program with every field away from its default.
pf::CProgramInfo CircleProgram() {
  pf::CProgramInfo info;
  info.m_strDistance = L"12";
  info.m_strSmpTime2 = L"8";
  info.m_strRadius = L"50";
  info.m_strPlane = L"$1-JK";
  info.m_nParaExt3 = 3;
  info.m_aryAxis.resize(2);
  info.m_aryAxis[1].m_nOrder = 4;
  info.resize(2);
  info[1].m_strText = L"M30\r\n";
  return info;
}

void ExpectCopiedFields(const pf::CProgramInfo& copy) {
  EXPECT_EQ(copy.m_strDistance, L"12");
  EXPECT_EQ(copy.m_strSmpTime2, L"8");
  ASSERT_EQ(copy.m_aryAxis.size(), 2u);
  EXPECT_EQ(copy.m_aryAxis[1].m_nOrder, 4);
  ASSERT_EQ(copy.size(), 2u);
  EXPECT_EQ(copy[1].m_strText, L"M30\r\n");
}

// A copy leaves the circle fields at their defaults; an assignment keeps the
// target's; growing an array (which relocates its elements) loses nothing.
TEST(ProgramInfo, CopiesLeaveOutTheCircleFields) {
  const pf::CProgramInfo source = CircleProgram();
  const pf::CProgramInfo copy(source);
  ExpectCopiedFields(copy);
  EXPECT_EQ(copy.m_strRadius, L"");
  EXPECT_EQ(copy.m_nParaExt3, 0);

  pf::CProgramInfo target;
  target.m_strPlane = L"$2-IJ";
  target.resize(5);
  target = source;
  ExpectCopiedFields(target);
  EXPECT_EQ(target.m_strPlane, L"$2-IJ");
  EXPECT_EQ(target.m_strRadius, L"");

  pf::CProgramInfoAry programs;
  programs.push_back(CircleProgram());
  for (int i = 0; i < 40; ++i) programs.emplace_back();
  ExpectCopiedFields(programs[0]);
  EXPECT_EQ(programs[0].m_strPlane, L"$1-JK");
  EXPECT_EQ(programs[0].m_nParaExt3, 3);
}

}  // namespace
