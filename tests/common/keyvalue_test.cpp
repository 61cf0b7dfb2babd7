#include "common/keyvalue.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>

#include "common/textfile.h"

using tavo::KeyValue;
using tavo::parseKeyValueLines;

TEST(KeyValue, SplitsAtFirstEqualsAndKeepsBlanks) {
  const auto pairs = parseKeyValueLines({"SkinDescriptorFile=/a=b.xsd", " KbitMode=True", "Lang=EN ", "x="});
  ASSERT_EQ(pairs.size(), 4u);
  EXPECT_EQ(pairs[0], KeyValue("SkinDescriptorFile", "/a=b.xsd"));
  EXPECT_EQ(pairs[1], KeyValue(" KbitMode", "True"));
  EXPECT_EQ(pairs[2], KeyValue("Lang", "EN "));
  EXPECT_EQ(pairs[3], KeyValue("x", ""));
}

TEST(KeyValue, SkipsEmptyLinesAndLinesWithoutEquals) {
  const auto pairs = parseKeyValueLines({"", "garbage line", "Lang=FR", "   "});
  ASSERT_EQ(pairs.size(), 1u);
  EXPECT_EQ(pairs[0].first, "Lang");
}

TEST(KeyValue, KeepsFileOrderSoLaterLinesWin) {
  QTemporaryDir dir;
  const QString path = dir.filePath("Tavo.ini");
  ASSERT_TRUE(tavo::writeLinesAtomically(path, {"Lang=FR", "Interface=2", "Lang=EN"}));
  bool exists = false;
  const auto pairs = tavo::readKeyValueFile(path, &exists);
  EXPECT_TRUE(exists);
  ASSERT_EQ(pairs.size(), 3u);
  EXPECT_EQ(pairs.back(), KeyValue("Lang", "EN"));
}

TEST(KeyValue, MissingFileGivesNothing) {
  bool exists = true;
  EXPECT_TRUE(tavo::readKeyValueFile("/nonexistent/dir/Tavo.ini", &exists).empty());
  EXPECT_FALSE(exists);
}
