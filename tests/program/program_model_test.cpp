#include <gtest/gtest.h>

#include <climits>
#include <initializer_list>

#include "program/ProgramInfo.h"
#include "program/ProgramInfoAry.h"

namespace {

pf::CProgramAxisInfoAry AxesWithOrders(std::initializer_list<int> orders) {
  pf::CProgramAxisInfoAry axes;
  for (int order : orders) {
    pf::CProgramAxisInfo axis;
    axis.m_nOrder = order;
    axes.push_back(axis);
  }
  return axes;
}

TEST(ProgramAxisInfoAry, OrderQueries) {
  const pf::CProgramAxisInfoAry axes = AxesWithOrders({2, 0, 0});
  int index = -7;
  EXPECT_EQ(axes.GetMinOrder(index), 0);
  EXPECT_EQ(index, 1);

  index = -7;
  EXPECT_EQ(axes.GetNextOrder(0, index), 2);
  EXPECT_EQ(index, 0);
  index = -7;
  EXPECT_EQ(axes.GetNextOrder(2, index), -1);
  EXPECT_EQ(index, -7);

  EXPECT_EQ(axes.FindOrder(0, 0), 1);
  EXPECT_EQ(axes.FindOrder(0, 2), 2);
  EXPECT_EQ(axes.FindOrder(0, 3), -1);
  EXPECT_EQ(axes.FindOrder(5, 0), -1);
}

TEST(ProgramAxisInfoAry, EmptyArrayQueries) {
  const pf::CProgramAxisInfoAry axes;
  int index = -7;
  EXPECT_EQ(axes.GetMinOrder(index), INT_MAX);
  EXPECT_EQ(index, -7);
  EXPECT_EQ(axes.GetNextOrder(0, index), -1);
  EXPECT_EQ(index, -7);
  EXPECT_EQ(axes.FindOrder(0, 0), -1);
}

// A circle program with every field away from its default.
pf::CProgramInfo CircleProgram() {
  pf::CProgramInfo info;
  info.m_nKind = 7;
  info.m_strDistance = L"12";
  info.m_strFeed = L"3000";
  info.m_bDwell = 1;
  info.m_strDwell = L"2";
  info.m_bLoaded = 1;
  info.m_bSaveFiles = 1;
  info.m_strSmpTime = L"9";
  info.m_strRadius = L"50";
  info.m_nCircleDir = 1;
  info.m_strPlane = L"$1-JK";
  info.m_strSmpTime2 = L"8";
  info.m_strLimitMinus = L"-1.000";
  info.m_strLimitPlus = L"1.000";
  info.m_strLimitMinus2 = L"****";
  info.m_strLimitPlus2 = L"****";
  info.m_nNcType = 1;
  info.m_nParaExt3 = 3;
  info.m_aryAxis.resize(2);
  info.m_aryAxis[1].m_strPosition = L"5";
  info.m_aryAxis[1].m_nOrder = 4;
  info.resize(2);
  info[1].m_strTitle = L"Circle";
  info[1].m_strText = L"M30\r\n";
  info[1].m_bModified = 1;
  return info;
}

void ExpectCopiedFields(const pf::CProgramInfo& copy) {
  EXPECT_EQ(copy.m_nKind, 7);
  EXPECT_EQ(copy.m_strDistance, L"12");
  EXPECT_EQ(copy.m_strFeed, L"3000");
  EXPECT_EQ(copy.m_bDwell, 1);
  EXPECT_EQ(copy.m_strDwell, L"2");
  EXPECT_EQ(copy.m_bLoaded, 1);
  EXPECT_EQ(copy.m_bSaveFiles, 1);
  EXPECT_EQ(copy.m_strSmpTime, L"9");
  EXPECT_EQ(copy.m_strSmpTime2, L"8");
  ASSERT_EQ(copy.m_aryAxis.size(), 2u);
  EXPECT_EQ(copy.m_aryAxis[1].m_strPosition, L"5");
  EXPECT_EQ(copy.m_aryAxis[1].m_nOrder, 4);
  ASSERT_EQ(copy.size(), 2u);
  EXPECT_EQ(copy[1].m_strTitle, L"Circle");
  EXPECT_EQ(copy[1].m_strText, L"M30\r\n");
  EXPECT_EQ(copy[1].m_bModified, 1);
}

TEST(ProgramInfo, CopyConstructionLeavesCircleFieldsAtDefaults) {
  const pf::CProgramInfo source = CircleProgram();
  const pf::CProgramInfo copy(source);
  ExpectCopiedFields(copy);
  EXPECT_EQ(copy.m_strRadius, L"");
  EXPECT_EQ(copy.m_nCircleDir, 0);
  EXPECT_EQ(copy.m_strPlane, L"");
  EXPECT_EQ(copy.m_strLimitMinus, L"");
  EXPECT_EQ(copy.m_strLimitPlus2, L"");
  EXPECT_EQ(copy.m_nNcType, 0);
  EXPECT_EQ(copy.m_nParaExt3, 0);
}

TEST(ProgramInfo, AssignmentKeepsTheTargetsCircleFields) {
  const pf::CProgramInfo source = CircleProgram();
  pf::CProgramInfo target;
  target.m_strRadius = L"7";
  target.m_nCircleDir = 0;
  target.m_strPlane = L"$2-IJ";
  target.m_strLimitPlus = L"****";
  target.m_nParaExt3 = 1;
  target.resize(5);
  target = source;
  ExpectCopiedFields(target);
  EXPECT_EQ(target.m_strRadius, L"7");
  EXPECT_EQ(target.m_nCircleDir, 0);
  EXPECT_EQ(target.m_strPlane, L"$2-IJ");
  EXPECT_EQ(target.m_strLimitPlus, L"****");
  EXPECT_EQ(target.m_nParaExt3, 1);
}

TEST(ProgramInfo, SelfAssignmentChangesNothing) {
  pf::CProgramInfo info = CircleProgram();
  const pf::CProgramInfo& alias = info;
  info = alias;
  EXPECT_EQ(info.m_strRadius, L"50");
  ExpectCopiedFields(info);
}

// Growing an array of programs relocates its elements; that must not lose
// the fields that a copy leaves out.
TEST(ProgramInfoAry, GrowingKeepsEveryField) {
  pf::CProgramInfoAry programs;
  programs.push_back(CircleProgram());
  for (int i = 0; i < 40; ++i) programs.emplace_back();
  EXPECT_EQ(programs[0].m_strRadius, L"50");
  EXPECT_EQ(programs[0].m_strPlane, L"$1-JK");
  EXPECT_EQ(programs[0].m_nParaExt3, 3);
}

TEST(ProgramInfo, AccessorsAndFormattingSetters) {
  pf::CProgramInfo info;
  EXPECT_EQ(info.GetDistance(), L"100");
  EXPECT_EQ(info.GetFeed(), L"0");
  EXPECT_EQ(info.GetDwell(), L"0.5");
  EXPECT_EQ(info.GetSmpTime(), L"5");
  info.SetFeed(L"%3.3f", 2500.0);
  info.SetRadius(L"%0.0f", 99.6);
  EXPECT_EQ(info.GetFeed(), L"2500.000");
  EXPECT_EQ(info.GetRadius(), L"100");
}

}  // namespace
