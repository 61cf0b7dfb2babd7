#include "common/textfile.h"
#include "tests/common/inchild.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

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

// ------------------------------------------------ appends on a full disk

namespace {

using tavo::testing::fileSizeLimit;
using tavo::testing::inChild;

struct CutShortCase {
  const char* name;
  QByteArray before;  // the file before the append; null: no file
  QStringList lines;  // appended in one go
  qint64 room;        // bytes the disk takes beyond the file's size
};
void PrintTo(const CutShortCase& c, std::ostream* os) { *os << c.name; }

class CutShortAppend : public ::testing::TestWithParam<CutShortCase> {};

// The write that crosses the limit fails part-way or at once; either way the
// file must end exactly as it was, and a later append (once there is room
// again) must stand whole on its own line.
TEST_P(CutShortAppend, LeavesTheFileAsItWasAndTheNextAppendWhole) {
  const CutShortCase& c = GetParam();
  QTemporaryDir dir;
  const QString path = dir.filePath("all_stats.csv");
  if (!c.before.isNull()) writeBytes(path, c.before);
  inChild([&] {
    fileSizeLimit(rlim_t(c.before.size() + c.room));
    EXPECT_FALSE(tavo::appendLinesDurably(path, c.lines));
  });
  if (c.before.isNull()) {
    EXPECT_FALSE(QFile::exists(path)) << "a file the failed append created stays behind";
  } else {
    EXPECT_EQ(bytesOf(path), c.before);
  }
  ASSERT_TRUE(tavo::appendLineDurably(path, "later"));
  const QByteArray kept = c.before.isNull() ? QByteArray() : c.before;
  const QByteArray glue = kept.isEmpty() || kept.endsWith('\n') ? QByteArray() : QByteArray("\r\n");
  EXPECT_EQ(bytesOf(path), kept + glue + "later\r\n");
}

const QByteArray kOneLine = "01/12/2026 10:00:00;01/12/2026 11:00:00;1;2;3;4\r\n";

INSTANTIATE_TEST_SUITE_P(
    TextFile, CutShortAppend,
    ::testing::Values(
        CutShortCase{"FragmentCutBack", kOneLine, {"10 Dec 2026 10:00:00;10 Dec 2026 11:00:00;1;2;3;4"}, 10},
        CutShortCase{"NoRoomAtAll", kOneLine, {"10 Dec 2026 10:00:00;10 Dec 2026 11:00:00;1;2;3;4"}, 0},
        CutShortCase{"LineEndOfTheLineCut", kOneLine, {"0123456789"}, 11},
        CutShortCase{"SecondOfTwoLinesCut", kOneLine, {"first", "second"}, 9},
        CutShortCase{"NewFileRemovedAgain", QByteArray(), {"first"}, 2},
        CutShortCase{"OlderFragmentKept", "01/12/2026 10:00:00;01/12/20", {"whole"}, 4}),
    [](const auto& info) { return std::string(info.param.name); });

// A whole-file replacement that does not fit leaves the old file whole.
TEST(TextFile, ReplacementOnAFullDiskKeepsTheOldFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath("Tavo.ini");
  writeBytes(path, "Lang=EN\r\n");
  inChild([&] {
    fileSizeLimit(20);
    EXPECT_FALSE(tavo::writeLinesAtomically(path, {"Lang=FR", "Interface=2", "Transparency=255"}));
    EXPECT_TRUE(tavo::writeLinesAtomically(path, {"Lang=FR"}));
  });
  EXPECT_EQ(bytesOf(path), QByteArray("Lang=FR\r\n"));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Tavo.ini"});
}

TEST(TextFile, AppendReachesTheDiskWholeWhenThereIsRoom) {
  QTemporaryDir dir;
  const QString path = dir.filePath("log.csv");
  inChild([&] {
    fileSizeLimit(rlim_t(sizeof "a\r\nbb\r\n" - 1));  // exactly the room needed
    EXPECT_TRUE(tavo::appendLinesDurably(path, {"a", "bb"}));
  });
  EXPECT_EQ(bytesOf(path), QByteArray("a\r\nbb\r\n"));
  EXPECT_FALSE(tavo::appendLineDurably(dir.path(), "x")) << "a folder is not a file to append to";
}

TEST(TextFile, EndsWithLinesComparesWholeLines) {
  QTemporaryDir dir;
  const QString path = dir.filePath("all.csv");
  writeBytes(path, "one\r\ntwo\r\nthree\r\n");
  struct {
    QStringList lines;
    bool expected;
  } const cases[] = {
      {{"three"}, true}, {{"two", "three"}, true}, {{"one", "two", "three"}, true},
      {{"hree"}, false}, {{"two"}, false},         {{"zero", "one", "two", "three"}, false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(tavo::endsWithLines(path, c.lines), c.expected) << c.lines.join('|').toStdString();
  EXPECT_FALSE(tavo::endsWithLines(dir.filePath("none"), {"one"}));
}

TEST(TextFile, CanWriteInTellsAFullDiskAndAMissingFolder) {
  QTemporaryDir dir;
  EXPECT_TRUE(tavo::canWriteIn(dir.path()));
  QString why;
  EXPECT_FALSE(tavo::canWriteIn(dir.filePath("missing"), &why));
  EXPECT_FALSE(why.isEmpty());
  inChild([&] {
    fileSizeLimit(0);
    QString reason;
    EXPECT_FALSE(tavo::canWriteIn(dir.path(), &reason));
    EXPECT_FALSE(reason.isEmpty());
  });
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList())
      << "the probe leaves nothing behind";
}

TEST(TextFile, CanWriteInRefusesAFolderOfSomeoneElse) {
  QTemporaryDir dir;
  const QString folder = dir.filePath("program");
  ASSERT_TRUE(QDir().mkdir(folder));
  QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7755));
  QFile::setPermissions(folder, QFileDevice::Permissions(0x5555));  // r-x for everyone
  inChild([&] {
    if (!tavo::testing::becomeUnprivileged()) GTEST_SKIP() << "cannot run as an unprivileged user";
    EXPECT_FALSE(tavo::canWriteIn(folder));
  });
  QFile::setPermissions(folder, QFileDevice::Permissions(0x7755));
}

}  // namespace
