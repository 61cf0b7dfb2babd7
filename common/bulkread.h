#pragma once
// Reading the suite's long files (all_stats.csv, rate logs) quickly: a file
// streamed line by line as bytes, without a string per line, and readers of
// the regional date-times and of the numbers on those bytes. Every reader
// here gives exactly what readTextLines and the text readers (regional
// date-times, readInt32Checked) give for the same file. How they are made
// fast, and what that buys, is told in bulkread.cpp.
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringView>
#include <QTime>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <string_view>

#include "common/units.h"

namespace tavo {

class RegionalFormat;

// A date-time as wall-clock seconds (Julian day × kSecondsPerDay + seconds of the
// day). The suite's files carry no time zone: ordering and durations follow
// the clock as it was written, also across a change of daylight saving.
using WallTime = std::int64_t;

WallTime toWallTime(const QDate& date, const QTime& time);
QDateTime fromWallTime(WallTime t);
QDate wallDate(WallTime t);
qint64 wallJulianDay(WallTime t);  // the Julian day of wallDate(t)
QTime wallTimeOfDay(WallTime t);

// The lines of a file, one at a time, read in large blocks. Lines end at
// CR LF, a lone CR or a lone LF; a last line without an end counts; empty
// lines are handed out too. Memory stays at about one block however long
// the file is, and however long its lines: a line longer than the longest
// the reader keeps is passed over to its end and handed out as overlong,
// without its bytes. The file is read up to the first end of file met: a
// file that grows while it is read gives the lines written by then.
class LineReader {
 public:
  struct Line {
    std::string_view bytes;  // without the line end; empty when overlong
    bool ascii = true;       // no byte above 127: the bytes are the text
    bool overlong = false;   // longer than longestLine: not kept
  };

  // No line of the suite's files comes near this; a file of mostly NUL
  // bytes (a disk fault) or of any other garbage does.
  static constexpr qsizetype kLongestLine = qsizetype(1) << 22;
  // The bytes asked of the file at a time. Tests make it small, so that
  // lines and line ends fall across blocks in every way a long file has.
  static constexpr qsizetype kBlockBytes = qsizetype(1) << 18;

  explicit LineReader(const QString& path, qsizetype longestLine = kLongestLine, qsizetype blockBytes = kBlockBytes);
  ~LineReader();
  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;

  // False when the file cannot be opened or is larger than maxBytes.
  [[nodiscard]] bool open(qint64 maxBytes = std::numeric_limits<qint64>::max());
  qint64 size() const;
  // How many lines next() will hand out, counted from the line ends of the
  // file as it is now (it is then read from its start again): its LFs, or
  // its CRs when it has no LF; -1 after a read error. An estimate: the file
  // may grow in between, and lone CRs beside LFs end more lines.
  [[nodiscard]] qint64 countLines();
  // The next line; false at the end of the file or at a read error. The
  // line's bytes stay valid up to the next call.
  [[nodiscard]] bool next(Line& line);
  // A read error ended the lines (the file is then not read whole).
  bool failed() const;
  // The current line decoded as the whole file would have been decoded
  // (the system encoding, a byte order mark dropped at the file's start
  // only): what readTextLines would have given for it. Empty when nothing
  // is left of it, as of a last line that is a cut-short character alone,
  // which readTextLines does not count as a line; callers pass over empty
  // lines anyway.
  QString decoded() const;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

struct RecordLinesResult {
  bool readWhole = false;            // false: a read error stopped the lines
  std::int64_t unreadableLines = 0;  // lines with text that were no record, and overlong lines
};

// The rule both readers of the long files follow, for the lines of an
// opened file from where it stands: an empty line (or a byte order mark
// alone) is passed over; an overlong one is unreadable, its bytes never
// held; any other line goes to the reader of its kind, ascii(bytes) for a
// line of plain ASCII and text(decoded) for any other, and is unreadable
// when that returns false (no record). A template, so that the readers are
// compiled into the loop instead of being called through a std::function
// once a line.
template <class AsciiReader, class TextReader>
[[nodiscard]] RecordLinesResult readRecordLines(LineReader& file, AsciiReader&& ascii, TextReader&& text) {
  RecordLinesResult result;
  LineReader::Line line;
  while (file.next(line)) {
    if (line.overlong) {  // no record is that long: an unreadable line, its bytes never held
      ++result.unreadableLines;
      continue;
    }
    if (line.bytes.empty()) continue;
    bool record = false;
    if (line.ascii) {
      record = ascii(line.bytes);
    } else {
      const QString decoded = file.decoded();
      if (decoded.isEmpty()) continue;  // a byte order mark alone
      record = text(decoded);
    }
    if (!record) ++result.unreadableLines;
  }
  result.readWhole = !file.failed();
  return result;
}

// The first c in text from `from` on, or -1.
qsizetype findByte(std::string_view text, char c, std::size_t from);

// The fields of a line, as bytes (plain ASCII) or as text (decoded): the
// readers of the long files split both by one rule.
inline std::string_view fieldOf(std::string_view line, qsizetype from, qsizetype length) {
  return line.substr(static_cast<std::size_t>(from), static_cast<std::size_t>(length));
}
inline QStringView fieldOf(QStringView line, qsizetype from, qsizetype length) { return line.mid(from, length); }
inline qsizetype findSemicolon(std::string_view line, qsizetype from) {
  return findByte(line, ';', static_cast<std::size_t>(from));
}
inline qsizetype findSemicolon(QStringView line, qsizetype from) { return line.indexOf(QLatin1Char(';'), from); }

// readInt32Checked of a text field, in the form of readInt32Ascii below.
bool readInt32Text(QStringView field, std::int32_t& value);
// readInt32Checked of an ASCII field: its leading number rounded, halves
// to even, into value; false when that does not fit in 32 bits.
bool readInt32Ascii(std::string_view field, std::int32_t& value);

// RegionalFormat::parseDateTimeParts as a WallTime, with the same accepted
// texts and the same results, for the long runs of lines of one day. It
// remembers the texts of the last days read and the time-of-day texts
// already read, as the regional writer spells them, and reads a text made of
// these without asking the regional reader again; any other text goes to it.
class WallClockReader {
 public:
  explicit WallClockReader(const RegionalFormat& format);
  ~WallClockReader();
  WallClockReader(const WallClockReader&) = delete;
  WallClockReader& operator=(const WallClockReader&) = delete;

  std::optional<WallTime> read(std::string_view asciiText);
  // Text that is not plain ASCII: the regional reader itself.
  std::optional<WallTime> read(const QString& text) const;

 private:
  class Memory;
  std::unique_ptr<Memory> memory_;
};

}  // namespace tavo
