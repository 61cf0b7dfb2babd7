// The fast readers of long files against the readers they stand in for:
// the lines of readTextLines, readInt32Checked and the regional date-time
// reading must come out the same, text for text.
#include "common/bulkread.h"

#include "common/numbers.h"
#include "common/regionaltext.h"
#include "common/textfile.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

using namespace tavo;

namespace {

class LineReaderTest : public ::testing::Test {
 protected:
  QString write(const QByteArray& bytes) {
    const QString path = dir_.filePath(QStringLiteral("f%1.csv").arg(++files_));
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return path;
  }
  // Every line as the callers take it: the bytes when plain ASCII, the
  // decoded line otherwise.
  static QStringList linesOf(const QString& path, qint64* counted = nullptr) {
    LineReader reader(path);
    EXPECT_TRUE(reader.open(qint64(1) << 31));
    if (counted) *counted = reader.countLines();
    QStringList lines;
    LineReader::Line line;
    while (reader.next(line)) {
      lines << (line.ascii ? QString::fromLatin1(line.bytes.data(), qsizetype(line.bytes.size())) : reader.decoded());
    }
    EXPECT_FALSE(reader.failed());
    return lines;
  }
  // The lines that carry text must be the same, in the same order (the
  // readers pass over empty ones); the count is exact for the line ends the
  // suite writes.
  void expectSameLinesAsTextFile(const QByteArray& bytes, const std::string& what, bool countExact = true) {
    const QString path = write(bytes);
    qint64 counted = 0;
    const QStringList lines = linesOf(path, &counted);
    const TextReadResult expected = readTextLines(path);
    ASSERT_TRUE(expected.ok) << what;
    const auto withText = [](QStringList l) {
      l.removeAll(QString());
      return l;
    };
    EXPECT_EQ(withText(lines), withText(expected.lines)) << what;
    if (countExact) {
      EXPECT_EQ(lines, expected.lines) << what;
      EXPECT_EQ(counted, expected.lines.size()) << what;
    }
  }
  QTemporaryDir dir_;
  int files_ = 0;
};

TEST_F(LineReaderTest, SameLinesAsTheTextFileReader) {
  struct Case {
    const char* what;
    QByteArray bytes;
    bool countExact;
  };
  const Case cases[] = {
      {"empty file", "", true},
      {"CR LF", "a;1\r\nb;2\r\n", true},
      {"LF only", "a\nb\n", true},
      {"lone CR", "a\rb\rc", true},
      {"no end on the last line", "a\r\nb", true},
      {"empty lines", "\r\n\r\na\r\n\r\n", true},
      {"CR CR LF", "a\r\r\nb\r\n", false},
      {"LF CR", "a\n\rb", false},
      {"byte order mark at the start",
       "\xEF\xBB\xBF"
       "a;1\r\nb\r\n",
       true},
      {"byte order mark alone", "\xEF\xBB\xBF\r\nb\r\n", true},
      {"byte order mark further on",
       "a\r\n\xEF\xBB\xBF"
       "b\r\n",
       true},
      {"UTF-8 text", "caf\xC3\xA9;1\r\n\xC3\xA9t\xC3\xA9\r\n", true},
      {"invalid bytes before a line end", "a\xE9\r\nb\xE2\x82\r\nc\xF0\x9F\x98\rd", false},
      {"cut-short character at the end", "a\r\nb\xE2\x82", true},
      {"only a cut-short character", "a\r\n\xE2\x82", false},
      {"stray continuation bytes", "\x80\x80;1\n", true},
      {"NUL and tabs", QByteArray("a\0b\t;1\r\n", 9), true},
  };
  for (const Case& c : cases) expectSameLinesAsTextFile(c.bytes, c.what, c.countExact);
}

TEST_F(LineReaderTest, LinesAcrossBlockBoundaries) {
  // Line ends, CR LF pairs and multi-byte characters at and around every
  // power-of-two offset a block may end at, and lines longer than blocks.
  for (const int length : {8191, 8192, 65535, 65536, 65537, 262143, 262144, 262145, 1048575, 1048576, 2500000}) {
    QByteArray cr(length, 'a');
    cr += "\r\nnext\r\n";
    expectSameLinesAsTextFile(cr, "CR LF after " + std::to_string(length));
    QByteArray loneCr(length, 'b');
    loneCr += "\rnext\rlast";
    expectSameLinesAsTextFile(loneCr, "lone CR after " + std::to_string(length));
    QByteArray wide(length - 1, 'c');
    wide += "\xC3\xA9\r\n\xC3\xA9";
    expectSameLinesAsTextFile(wide, "two-byte character at " + std::to_string(length));
  }
}

TEST_F(LineReaderTest, ManyShortLinesCountAndReadWhole) {
  QByteArray bytes;
  for (int i = 0; i < 100000; ++i) bytes += QByteArray::number(i) + (i % 3 ? "\r\n" : "\n");
  expectSameLinesAsTextFile(bytes, "100000 lines");
}

TEST_F(LineReaderTest, RefusesWhatCannotBeReadWhole) {
  const QString path = write("a\r\nb\r\n");
  LineReader tooLarge(path);
  EXPECT_FALSE(tooLarge.open(5));
  LineReader missing(dir_.filePath("none.csv"));
  EXPECT_FALSE(missing.open(100));
  // A folder opens on Linux but cannot be read: the lines end as failed,
  // never as a complete file.
  LineReader folder(dir_.path());
  if (folder.open(qint64(1) << 31)) {
    EXPECT_LT(folder.countLines(), 0);
    EXPECT_TRUE(folder.failed());
    LineReader::Line line;
    EXPECT_FALSE(folder.next(line));
  }
}

TEST_F(LineReaderTest, RecordLinesByTheReadersRules) {
  // Records are the lines holding "ok"; an empty line and a byte order mark
  // alone are no line at all, an overlong line is unreadable unseen.
  const QByteArray bytes = "\xEF\xBB\xBF\r\nok 1\r\n\r\nnot a record\r\n" + QByteArray(40, 'o') +
                           "\r\n\xC3\xA9 ok\r\n\xC3\xA9 no\r\n\n\nok 2";
  LineReader reader(write(bytes), 20, 8);
  ASSERT_TRUE(reader.open());
  QStringList asciiSeen, textSeen;
  const RecordLinesResult read = readRecordLines(
      reader,
      [&](std::string_view b) {
        asciiSeen << QString::fromLatin1(b.data(), qsizetype(b.size()));
        return asciiSeen.back().startsWith(QLatin1String("ok"));
      },
      [&](const QString& t) {
        textSeen << t;
        return t.endsWith(QLatin1String("ok"));
      });
  EXPECT_TRUE(read.readWhole);
  EXPECT_EQ(read.unreadableLines, 3);
  EXPECT_EQ(asciiSeen, QStringList({"ok 1", "not a record", "ok 2"}));
  EXPECT_EQ(textSeen, QStringList({QString::fromUtf8("\xC3\xA9 ok"), QString::fromUtf8("\xC3\xA9 no")}));

  // A file that cannot be read to its end is not read whole.
  LineReader folder(dir_.path());
  if (folder.open()) {
    const RecordLinesResult none = readRecordLines(
        folder, [](std::string_view) { return true; }, [](const QString&) { return true; });
    EXPECT_FALSE(none.readWhole);
  }
}

TEST(ReadInt32Ascii, SameAsTheTextReader) {
  for (const char* field : {"",           "0",          "-0",          "7",           "123",
                            "-123",       "00012",      "999999999",   "-999999999",  "1234567890",
                            "2147483647", "2147483648", "-2147483648", "-2147483649", "99999999999",
                            "12.5",       "13.5",       "-12.5",       " 7",          "7 ",
                            "7 MB",       "1 2",        "+5",          "-",           "--1",
                            "abc",        "x1",         "1e3",         "1e",          "2d2",
                            ".5",         "5.",         "1e999",       "\t3"}) {
    std::int32_t value = -77;
    const bool read = readInt32Ascii(field, value);
    const auto expected = readInt32Checked(QString::fromLatin1(field));
    ASSERT_EQ(read, expected.has_value()) << '"' << field << '"';
    if (read) {
      EXPECT_EQ(value, *expected) << '"' << field << '"';
    }
  }
}

// The texts a file may hold: what the regional writer writes, around the
// daylight-saving changes of Europe and America, at day and year ends, and
// what a hand or a fault makes of them.
QStringList dateTimeTexts(const RegionalFormat& f) {
  const QDateTime moments[] = {
      {QDate(2026, 3, 29), QTime(1, 59, 59), Qt::UTC},   {QDate(2026, 3, 29), QTime(2, 0, 0), Qt::UTC},
      {QDate(2026, 3, 29), QTime(2, 30, 0), Qt::UTC},    {QDate(2026, 3, 29), QTime(3, 0, 0), Qt::UTC},
      {QDate(2026, 10, 25), QTime(1, 59, 59), Qt::UTC},  {QDate(2026, 10, 25), QTime(2, 30, 0), Qt::UTC},
      {QDate(2026, 10, 25), QTime(2, 59, 59), Qt::UTC},  {QDate(2026, 10, 25), QTime(3, 0, 0), Qt::UTC},
      {QDate(2026, 3, 8), QTime(2, 30, 0), Qt::UTC},     {QDate(2026, 11, 1), QTime(1, 30, 0), Qt::UTC},
      {QDate(2026, 12, 31), QTime(23, 59, 59), Qt::UTC}, {QDate(2027, 1, 1), QTime(0, 0, 0), Qt::UTC},
      {QDate(2027, 1, 1), QTime(0, 0, 1), Qt::UTC},      {QDate(2028, 2, 29), QTime(12, 0, 0), Qt::UTC},
      {QDate(1999, 1, 31), QTime(9, 5, 7), Qt::UTC},     {QDate(2026, 12, 9), QTime(14, 5, 33), Qt::UTC},
      {QDate(9999, 12, 31), QTime(23, 59, 59), Qt::UTC}, {QDate(2026, 1, 1), QTime(12, 0, 0), Qt::UTC},
  };
  QStringList texts;
  for (const QDateTime& m : moments) {
    const QString text = f.dateTimeText(m);
    const QString day = f.dateTimeText(QDateTime(m.date(), QTime(0, 0), Qt::UTC));
    texts << text << day << day + QLatin1Char(' ') + f.timeOfDay(m.time());
    // The same times on another day, and the day again: a cache must not
    // carry a day or a time over.
    texts << f.dateTimeText(QDateTime(m.date().addDays(1), m.time(), Qt::UTC)) << text;
    texts << text + QLatin1Char(' ') << QLatin1Char(' ') + text << text.left(text.size() - 1) << text + QLatin1Char('0')
          << QString(text).replace(QLatin1Char(' '), QStringLiteral("  ")) << day + QLatin1Char(' ')
          << day + QStringLiteral(" 24:00:00") << day + QStringLiteral(" 00:00:00") << day + QStringLiteral(" 1:2:3")
          << QString(text).replace(QLatin1Char('0'), QLatin1Char('O'));
    // A leading zero dropped or added wherever a digit stands.
    for (qsizetype i = 0; i < text.size(); ++i) {
      if (!text.at(i).isDigit()) continue;
      texts << QString(text).insert(i, QLatin1Char('0'));
      if (text.at(i) == QLatin1Char('0')) texts << QString(text).remove(i, 1);
    }
  }
  texts << QString() << QStringLiteral("garbage") << QStringLiteral("31/02/2026 10:00:00")
        << QStringLiteral("02/31/2026 10:00:00") << QStringLiteral("2026-03-29 02:30:00")
        << QStringLiteral("29.03.2026 02:30:00") << QStringLiteral("3/29/2026 2:30:00 AM");
  // Random slips of one character in the writer's texts.
  QRandomGenerator rng(2026);
  const QString alphabet = QStringLiteral("0123456789/:.- APMapm");
  const qsizetype written = texts.size();
  for (qsizetype k = 0; k < written; k += 3) {
    const QString text = texts.at(k);
    if (text.isEmpty()) continue;
    for (int n = 0; n < 6; ++n) {
      QString slip = text;
      const auto at = static_cast<qsizetype>(rng.bounded(int(slip.size())));
      const QChar c = alphabet.at(rng.bounded(int(alphabet.size())));
      switch (n % 3) {
        case 0: slip[at] = c; break;
        case 1: slip.insert(at, c); break;
        default: slip.remove(at, 1); break;
      }
      texts << slip;
    }
  }
  return texts;
}

TEST(WallClockReader, SameAsTheRegionalReaderTextForText) {
  const QLocale locales[] = {QLocale::c(),
                             QLocale(QLocale::French, QLocale::France),
                             QLocale(QLocale::English, QLocale::UnitedStates),
                             QLocale(QLocale::English, QLocale::UnitedKingdom),
                             QLocale(QLocale::German, QLocale::Germany),
                             QLocale(QLocale::Hungarian, QLocale::Hungary),
                             QLocale(QLocale::Japanese, QLocale::Japan),
                             QLocale(QLocale::Dutch, QLocale::Netherlands)};
  for (const QLocale& locale : locales) {
    const RegionalFormat f(locale);
    WallClockReader reader(f);
    const QStringList texts = dateTimeTexts(f);
    int accepted = 0;
    // Twice: the second round reads with everything remembered.
    for (int round = 0; round < 2; ++round) {
      for (const QString& text : texts) {
        const auto parts = f.parseDateTimeParts(text);
        const std::optional<WallTime> expected =
            parts ? std::optional<WallTime>(toWallTime(parts->first, parts->second)) : std::nullopt;
        EXPECT_EQ(reader.read(text), expected) << locale.name().toStdString() << " \"" << text.toStdString() << '"';
        const QByteArray bytes = text.toLatin1();
        if (QString::fromLatin1(bytes) != text) continue;  // not plain ASCII: never read as bytes
        const auto got = reader.read(std::string_view(bytes.constData(), std::size_t(bytes.size())));
        EXPECT_EQ(got, expected) << locale.name().toStdString() << " \"" << text.toStdString() << '"';
        accepted += expected.has_value();
      }
    }
    // Not only refusals: a good part of the texts are read.
    EXPECT_GT(accepted, 40) << locale.name().toStdString();
  }
}

TEST(WallClockReader, ReadsTheWallClockAcrossDaylightSavingChanges) {
  // The clock as written: the hour that a spring change skips and the
  // hour that an autumn change repeats are read as they stand.
  const RegionalFormat f(QLocale(QLocale::French, QLocale::France));
  WallClockReader reader(f);
  const QDate spring(2026, 3, 29), autumn(2026, 10, 25);
  for (const auto& [text, date, time] : {std::tuple{"29/03/2026 01:59:59", spring, QTime(1, 59, 59)},
                                         {"29/03/2026 02:30:00", spring, QTime(2, 30)},
                                         {"29/03/2026 03:00:00", spring, QTime(3, 0)},
                                         {"25/10/2026 02:30:00", autumn, QTime(2, 30)},
                                         {"25/10/2026 02:30:00", autumn, QTime(2, 30)},
                                         {"25/10/2026", autumn, QTime(0, 0)}}) {
    EXPECT_EQ(reader.read(std::string_view(text)), toWallTime(date, time)) << text;
  }
}

TEST(WallTime, DateAndTimeOfDayBackAndForth) {
  for (const auto& [date, time] : {std::pair{QDate(2026, 12, 9), QTime(14, 5, 33)},
                                   {QDate(1, 1, 1), QTime(0, 0)},
                                   {QDate(9999, 12, 31), QTime(23, 59, 59)},
                                   {QDate(2028, 2, 29), QTime(0, 0, 1)}}) {
    const WallTime t = toWallTime(date, time);
    EXPECT_EQ(wallDate(t), date);
    EXPECT_EQ(wallJulianDay(t), date.toJulianDay());
    EXPECT_EQ(wallTimeOfDay(t), time);
    EXPECT_EQ(fromWallTime(t), QDateTime(date, time));
  }
}

}  // namespace
