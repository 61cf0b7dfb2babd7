#include <gtest/gtest.h>

#include "monitor/core/countertexts.h"
#include "monitor/core/interfacechoice.h"

using namespace tavo::monitor;

TEST(InterfaceChoice, ListHoldsEntriesUpToTheCountButNeverPastTen) {
  QStringList table;
  table << "All interfaces";
  for (int k = 1; k <= 10; ++k) table << QStringLiteral("eth%1").arg(k);
  EXPECT_EQ(chooserItems(table, 15).size(), 11);  // 15 rows: all + first ten
  EXPECT_EQ(chooserItems(table, 15).first(), "All interfaces");
  EXPECT_EQ(chooserItems(table, 15).last(), "eth10");
  EXPECT_EQ(chooserItems(table, 2), (QStringList{"All interfaces", "eth1", "eth2"}));
  EXPECT_EQ(chooserItems(table, 0), QStringList{"All interfaces"});
  EXPECT_EQ(chooserItems(table.mid(0, 3), 8).size(), 3);  // a short table is not read past
  EXPECT_TRUE(chooserItems({}, 3).isEmpty());
}

TEST(InterfaceChoice, OnlyAnotherSelectedEntryChangesAnything) {
  EXPECT_EQ(interfaceToWatch(2, 0), 2);
  EXPECT_EQ(interfaceToWatch(0, 3), 0);
  EXPECT_FALSE(interfaceToWatch(2, 2).has_value());
  EXPECT_FALSE(interfaceToWatch(-1, 0).has_value());
}

TEST(CounterTexts, FiguresAsShown) {
  CounterFigures f;
  f.kbitDL = 512;
  f.kbitUL = 64;
  f.meanDL = 300;
  f.meanUL = 20;
  f.mbytesShownDL = 12.5;
  f.mbytesShownUL = 3.0;
  f.maxDL = 900;
  f.maxUL = 77;
  f.countStart = QDateTime(QDate(2026, 12, 8), QTime(7, 4, 59));
  f.elapsedText = "26 h : 3 m";
  const tavo::RegionalFormat french(QLocale(QLocale::French, QLocale::France));
  const auto t = makeCounterTexts(f, french);
  EXPECT_EQ(t.start, "08/12/26 -- 07:04");
  EXPECT_EQ(t.during, "26 h : 3 m");
  EXPECT_EQ(t.dInst, "512");
  EXPECT_EQ(t.uInst, "64");
  EXPECT_EQ(t.dMoy, "300");
  EXPECT_EQ(t.uMoy, "20");
  EXPECT_EQ(t.dTot, "12,5");
  EXPECT_EQ(t.uTot, "3");
  EXPECT_EQ(t.dMax, "900");
  EXPECT_EQ(t.uMax, "77");
  const tavo::RegionalFormat english(QLocale(QLocale::English, QLocale::UnitedKingdom));
  EXPECT_EQ(makeCounterTexts(f, english).dTot, "12.5");
  EXPECT_EQ(makeCounterTexts(CounterFigures{}, english).start, "");
}
