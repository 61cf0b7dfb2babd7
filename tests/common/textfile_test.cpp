#include "common/textfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
QByteArray bytesOf(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
void writeBytes(const QString& path, const QByteArray& b) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(b);
}
}  // namespace

TEST(TextFile, SplitsAtEveryKindOfLineEnd) {
  bool ended = false;
  EXPECT_EQ(tavo::splitLines("a\r\nb\rc\nd", &ended), QStringList({"a", "b", "c", "d"}));
  EXPECT_FALSE(ended);
  EXPECT_EQ(tavo::splitLines("a\r\n\r\nb\r\n", &ended), QStringList({"a", "", "b"}));
  EXPECT_TRUE(ended);
  EXPECT_TRUE(tavo::splitLines("", &ended).isEmpty());
}

TEST(TextFile, WritesCrLfAtomically) {
  QTemporaryDir dir;
  const QString path = dir.filePath("f.txt");
  ASSERT_TRUE(tavo::writeLinesAtomically(path, {"a=1", "é=2"}));
  EXPECT_EQ(bytesOf(path), QByteArray("a=1\r\n\xc3\xa9=2\r\n"));
  EXPECT_FALSE(tavo::writeLinesAtomically(dir.filePath("missing/f.txt"), {"x"}));
}

TEST(TextFile, AppendStartsANewLineAfterACutShortWrite) {
  QTemporaryDir dir;
  const QString path = dir.filePath("all.csv");
  ASSERT_TRUE(tavo::appendLineDurably(path, "one"));
  EXPECT_EQ(bytesOf(path), QByteArray("one\r\n"));
  writeBytes(path, "one\r\ntw");
  ASSERT_TRUE(tavo::appendLineDurably(path, "three"));
  EXPECT_EQ(bytesOf(path), QByteArray("one\r\ntw\r\nthree\r\n"));
  EXPECT_FALSE(tavo::appendLineDurably(dir.filePath("missing/all.csv"), "x"));
}

TEST(TextFile, ReadReportsMissingAndRefusesHugeFiles) {
  QTemporaryDir dir;
  EXPECT_FALSE(tavo::readTextLines(dir.filePath("none")).ok);
  const QString path = dir.filePath("big");
  writeBytes(path, QByteArray(1000, 'x'));
  EXPECT_FALSE(tavo::readTextLines(path, 100).ok);
  const auto r = tavo::readTextLines(path);
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.lines.size(), 1);
  EXPECT_FALSE(r.endsWithLineEnd);
}
