#include "common/numbers.h"
#include "tests/common/numericlocale.h"

#include <cfenv>
#include <cmath>

#include <gtest/gtest.h>

#include <limits>

TEST(Numbers, LeadingNumber) {
  struct Case {
    const char* text;
    double value;
  };
  const Case cases[] = {
      {"1024", 1024}, {"1024.5", 1024.5}, {"2048kb", 2048}, {"  12", 12},   {"1 2", 12}, {"-5", -5},
      {"- 5", -5},    {"+7", 7},          {"", 0},          {"abc", 0},     {".5", 0.5}, {"1.2.3", 1.2},
      {"3e2", 300},   {"3e", 3},          {"12,5", 12},     {"\t42\t", 42}, {"-", 0},    {"1E+3x", 1000},
  };
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(tavo::leadingNumber(QString::fromUtf8(c.text)), c.value) << c.text;
}

TEST(Numbers, RoundsHalvesToEven) {
  const std::pair<double, double> cases[] = {{12.5, 12},     {13.5, 14},
                                             {-12.5, -12},   {-13.5, -14},
                                             {1024.5, 1024}, {1025.5, 1026},
                                             {0.49, 0},      {2.51, 3},
                                             {0.5, 0},       {-0.5, 0},
                                             {1.5, 2},       {-2.6, -3},
                                             {1e300, 1e300}, {4503599627370497.0, 4503599627370497.0}};
  for (auto [in, out] : cases) EXPECT_DOUBLE_EQ(tavo::roundHalfEven(in), out) << in;
  // Whatever rounding mode the process runs under.
  const int saved = std::fegetround();
  std::fesetround(FE_UPWARD);
  const double upward = tavo::roundHalfEven(12.5);
  std::fesetround(FE_DOWNWARD);
  const double downward = tavo::roundHalfEven(13.5);
  std::fesetround(saved);
  EXPECT_EQ(upward, 12);
  EXPECT_EQ(downward, 14);
  EXPECT_TRUE(std::isnan(tavo::roundHalfEven(std::nan(""))));
}

TEST(Numbers, HoldersClampInsteadOfWrapping) {
  EXPECT_EQ(tavo::readInt16("40000"), 32767);
  EXPECT_EQ(tavo::readInt16("-40000"), -32768);
  EXPECT_EQ(tavo::readInt16("1e30"), 32767);
  EXPECT_EQ(tavo::readInt16("1e999"), 32767);  // infinity
  EXPECT_EQ(tavo::readInt16("32767.4"), 32767);
  EXPECT_EQ(tavo::readInt32("5000000000"), std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(tavo::readInt32("2048kb"), 2048);
}

TEST(Numbers, CheckedReadingRefusesValuesBeyond32Bits) {
  EXPECT_EQ(tavo::readInt32Checked("2147483647"), 2147483647);
  EXPECT_EQ(tavo::readInt32Checked("-2147483648"), std::numeric_limits<std::int32_t>::min());
  EXPECT_FALSE(tavo::readInt32Checked("2147483648").has_value());
  EXPECT_FALSE(tavo::readInt32Checked("1e999").has_value());
  EXPECT_EQ(tavo::readInt32Checked("letters"), 0);
}

// Under French and German regional settings the decimal separator is ",";
// reading must not follow the process's LC_NUMERIC (QApplication sets it
// from LANG), or "13.5" stops at its point and reads as 13.
TEST(Numbers, ReadingDoesNotFollowTheProcessLocale) {
  struct Case {
    const char* text;
    double rounded;
  };
  const Case cases[] = {{"13.5", 14},   {"12.5", 12},   {"1025.5", 1026},  {"1024.5", 1024},
                        {"100.5", 100}, {"101.5", 102}, {"-13.5", -14},    {"0.75", 1},
                        {"3.5e2", 350}, {"2.5e-1", 0},  {" 1 3 . 5 x", 14}};
  for (const char* name : tavo::testing::kCommaLocales) {
    TAVO_UNDER_NUMERIC_LOCALE(locale, name);
    for (const Case& c : cases) {
      EXPECT_EQ(tavo::roundHalfEven(tavo::leadingNumber(QString::fromUtf8(c.text))), c.rounded)
          << name << " " << c.text;
    }
    EXPECT_DOUBLE_EQ(tavo::leadingNumber("13.5"), 13.5) << name;
    EXPECT_EQ(tavo::readInt16("1025.5"), 1026) << name;
    EXPECT_EQ(tavo::readInt32Checked("2147483646.5"), 2147483646) << name;
    EXPECT_FALSE(tavo::readInt32Checked("2147483647.5").has_value()) << name;  // rounds past 32 bits
    EXPECT_FALSE(tavo::readInt32Checked("-2147483648.6").has_value()) << name;
  }
}

TEST(Numbers, ValuesBeyondADoubleGiveInfinityOrZero) {
  EXPECT_EQ(tavo::leadingNumber("1e999"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(tavo::leadingNumber("-1e999"), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(tavo::leadingNumber("1e-999"), 0.0);
  EXPECT_EQ(tavo::leadingNumber(QString(400, QLatin1Char('9'))), std::numeric_limits<double>::infinity());
  EXPECT_EQ(tavo::leadingNumber(QStringLiteral("0.") + QString(400, QLatin1Char('0')) + QStringLiteral("1")), 0.0);
}
