// The line reader's slow path (everything but a line that ends inside the
// block it was read in) against a plain reader that splits the whole file
// at once: lines across block ends, a CR LF split between two reads, lines
// longer than a block and overlong ones, reads that return less than asked,
// a file that grows while it is read, a last line without an end.
#include "common/bulkread.h"

#include "common/textfile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

using namespace tavo;

namespace {

struct PlainLine {
  std::string bytes;
  bool ascii = true;
  bool overlong = false;
  bool operator==(const PlainLine&) const = default;
};

void PrintTo(const PlainLine& l, std::ostream* os) {
  *os << (l.overlong ? "overlong" : "\"" + l.bytes + "\"") << (l.ascii ? "" : " (not ASCII)");
}

// The reference: the whole file split at CR LF, a lone CR or a lone LF;
// a line longer than longestLine is handed out without its bytes.
std::vector<PlainLine> plainLines(const QByteArray& file, qsizetype longestLine) {
  std::vector<PlainLine> lines;
  qsizetype i = 0;
  while (i < file.size()) {
    qsizetype j = i;
    while (j < file.size() && file[j] != '\r' && file[j] != '\n') ++j;
    PlainLine line;
    if (j - i > longestLine) {
      line.overlong = true;
    } else {
      line.bytes.assign(file.constData() + i, static_cast<std::size_t>(j - i));
      for (const char c : line.bytes) line.ascii = line.ascii && static_cast<unsigned char>(c) < 128;
    }
    lines.push_back(line);
    if (j < file.size()) j += (file[j] == '\r' && j + 1 < file.size() && file[j + 1] == '\n') ? 2 : 1;
    i = j;
  }
  return lines;
}

std::vector<PlainLine> readerLines(LineReader& reader) {
  std::vector<PlainLine> lines;
  LineReader::Line line;
  while (reader.next(line)) lines.push_back({std::string(line.bytes), line.ascii, line.overlong});
  return lines;
}

class LineReaderSlowPath : public ::testing::Test {
 protected:
  QString write(const QByteArray& bytes) {
    const QString path = dir_.filePath(QStringLiteral("f%1.csv").arg(++files_));
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    EXPECT_EQ(f.write(bytes), bytes.size());
    return path;
  }
  static void append(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::Append));
    ASSERT_EQ(f.write(bytes), bytes.size());
  }
  QTemporaryDir dir_;
  int files_ = 0;
};

QByteArray repeated(char c, int n) { return QByteArray(n, c); }

TEST_F(LineReaderSlowPath, SameLinesAsThePlainReaderAtEveryBlockSize) {
  struct Case {
    const char* what;
    QByteArray bytes;
  };
  const Case cases[] = {
      {"empty file", ""},
      {"one line end alone", "\r\n"},
      {"a lone CR alone", "\r"},
      {"CR LF lines", "ab;1\r\ncd;2\r\nef;3\r\n"},
      {"lone CRs and LFs mixed", "a\rb\nc\r\n\rd\n\ne"},
      {"CR CR LF and LF CR", "a\r\r\nb\n\rc\r\r"},
      {"no end on the last line", "first\r\nlast"},
      {"a CR as the last byte", "first\r\nlast\r"},
      {"lines of 7, 8, 9, 15, 16 and 17 bytes", repeated('a', 7) + "\r\n" + repeated('b', 8) + "\r\n" +
                                                    repeated('c', 9) + "\n" + repeated('d', 15) + "\r" +
                                                    repeated('e', 16) + "\r\n" + repeated('f', 17)},
      {"a line of many blocks", repeated('x', 100) + "\r\n" + repeated('y', 65) + "\r" + repeated('z', 64)},
      {"bytes above 127 at every place of a word",
       "\xE9"
       "bcdefgh\r\na\xE9"
       "cdefghij\r\nabcdefg\xE9\r\nabcdefgh\xE9\r\n"},
      {"a byte above 127 tells of its own line only", "abc\r\n\xC3\xA9t\xC3\xA9\r\nplain\r\n\xE9\r\n\r\nplain again"},
      {"a byte above 127 in a line of many blocks",
       repeated('a', 40) + "\xE9" + repeated('b', 40) + "\r\n" + repeated('c', 90) + "\r\n"},
      {"NUL bytes", QByteArray("a\0b\r\n\0\0\0\r\n", 10)},
      {"lines of exactly the longest kept and one more", repeated('k', 10) + "\r\n" + repeated('o', 11) + "\r\nend"},
      {"overlong lines with every line end",
       repeated('o', 30) + "\r\n" + repeated('p', 30) + "\r" + repeated('q', 30) + "\n" + repeated('r', 30)},
      {"overlong lines one after the other", repeated('o', 25) + "\r\n" + repeated('p', 12) + "\r\nshort\r\n" +
                                                 repeated('q', 50) + "\r" + repeated('r', 11) + "\r"},
      {"an overlong line above 127, then a plain one", repeated('\xE9', 40) + "\r\nplain\r\n"},
      {"an overlong line ending the file with a CR", "a\r\n" + repeated('o', 33) + "\r"},
  };
  // Blocks of every size up to a few words, the ones around the longest
  // line kept, and the reader's own.
  std::vector<qsizetype> blocks;
  for (qsizetype b = 1; b <= 40; ++b) blocks.push_back(b);
  for (const qsizetype b : {63, 64, 65, 100, 4096}) blocks.push_back(b);
  blocks.push_back(LineReader::kBlockBytes);
  for (const Case& c : cases) {
    const QString path = write(c.bytes);
    for (const qsizetype longest : {qsizetype(10), LineReader::kLongestLine}) {
      const std::vector<PlainLine> expected = plainLines(c.bytes, longest);
      for (const qsizetype block : blocks) {
        LineReader reader(path, longest, block);
        ASSERT_TRUE(reader.open()) << c.what;
        EXPECT_EQ(readerLines(reader), expected) << c.what << ", blocks of " << block << ", longest line " << longest;
        EXPECT_FALSE(reader.failed()) << c.what;
      }
    }
  }
}

TEST_F(LineReaderSlowPath, DecodesLinesAsTheTextFileReaderAtEveryBlockSize) {
  // The decoded text of a line read across blocks, and the byte order mark
  // dropped at the file's start only, wherever the blocks end.
  const QByteArray bytes =
      "\xEF\xBB\xBF"
      "caf\xC3\xA9;1\r\n\xC3\xA9t\xC3\xA9 \xE2\x82\xAC\r\n\xEF\xBB\xBF"
      "b\r\n" +
      repeated('a', 30) + "\xC3\xA9\r\nlast \xE2\x82";
  const QString path = write(bytes);
  const TextReadResult expected = readTextLines(path);
  ASSERT_TRUE(expected.ok);
  for (qsizetype block = 1; block <= 48; ++block) {
    LineReader reader(path, LineReader::kLongestLine, block);
    ASSERT_TRUE(reader.open());
    QStringList lines;
    LineReader::Line line;
    while (reader.next(line))
      lines << (line.ascii ? QString::fromLatin1(line.bytes.data(), qsizetype(line.bytes.size())) : reader.decoded());
    EXPECT_EQ(lines, expected.lines) << "blocks of " << block;
  }
}

TEST_F(LineReaderSlowPath, CountsLinesWithSmallBlocks) {
  const QByteArray bytes = "a\r\nbb\r\n" + repeated('c', 50) + "\r\n\r\nlast";
  const QString path = write(bytes);
  for (const qsizetype block : {1, 3, 8, 64}) {
    LineReader reader(path, 10, block);
    ASSERT_TRUE(reader.open());
    EXPECT_EQ(reader.countLines(), 5) << "blocks of " << block;
    // Counting reads the file from its start again.
    EXPECT_EQ(readerLines(reader), plainLines(bytes, 10)) << "blocks of " << block;
  }
}

TEST_F(LineReaderSlowPath, ShortReadsFromAPipe) {
  // A pipe hands out what has been written so far: the reads end inside
  // lines, between a CR and its LF, inside a character, and the reader
  // waits for the rest.
  const QString path = dir_.filePath(QStringLiteral("pipe"));
  ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
  const std::vector<QByteArray> pieces = {"first li", "ne\r",     "\nsecond\r",      "\n",
                                          "caf\xC3",  "\xA9\r\n", repeated('o', 20), repeated('o', 20) + "\r\n",
                                          "no end"};
  QByteArray whole;
  for (const QByteArray& p : pieces) whole += p;
  std::thread writer([&] {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return;
    for (const QByteArray& p : pieces) {
      f.write(p);
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
  });
  LineReader reader(path, 30, 64);
  std::vector<PlainLine> lines;
  if (reader.open()) lines = readerLines(reader);
  writer.join();
  EXPECT_EQ(lines, plainLines(whole, 30));
  EXPECT_FALSE(reader.failed());
}

TEST_F(LineReaderSlowPath, AFileThatGrowsWhileItIsRead) {
  // The lines written before the reader met the file's end are read, the
  // line cut by the end of what was there included when it is ended
  // before the next read; what comes after the end was met is not.
  const QString path = write("one\r\ntw");
  LineReader reader(path, LineReader::kLongestLine, 64);
  ASSERT_TRUE(reader.open());
  LineReader::Line line;
  ASSERT_TRUE(reader.next(line));
  EXPECT_EQ(line.bytes, "one");
  append(path, "o\r\nthree\r");
  ASSERT_TRUE(reader.next(line));
  EXPECT_EQ(line.bytes, "two");
  ASSERT_TRUE(reader.next(line));
  EXPECT_EQ(line.bytes, "three");
  append(path, "\nfour\r\n");
  EXPECT_FALSE(reader.next(line));
  EXPECT_FALSE(reader.failed());
}

}  // namespace
