#pragma once
// Reading the suite's long files (all_stats.csv, rate logs) quickly: a file
// streamed line by line as bytes, without a string per line, and readers of
// the regional date-times and of the numbers on those bytes. Every reader
// here gives exactly what readTextLines and the text readers (regional
// date-times, readInt32Checked) give for the same file.
#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QString>
#include <QStringView>
#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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
// without its bytes.
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

  explicit LineReader(const QString& path, qsizetype longestLine = kLongestLine);

  // False when the file cannot be opened or is larger than maxBytes.
  bool open(qint64 maxBytes = std::numeric_limits<qint64>::max());
  qint64 size() const { return file_.size(); }
  // How many lines next() will hand out, counted from the line ends of the
  // file as it is now (it is then read from its start again): its LFs, or
  // its CRs when it has no LF; -1 after a read error. An estimate: the file
  // may grow in between, and lone CRs beside LFs end more lines.
  qint64 countLines();
  // The next line; false at the end of the file or at a read error.
  bool next(Line& line);
  // A read error ended the lines (the file is then not read whole).
  bool failed() const { return failed_; }
  // The current line decoded as the whole file would have been decoded
  // (the system encoding, a byte order mark dropped at the file's start
  // only): what readTextLines would have given for it. Empty when nothing
  // is left of it, as of a last line that is a cut-short character alone,
  // which readTextLines does not count as a line; callers pass over empty
  // lines anyway.
  QString decoded() const;

 private:
  bool fill();
  bool rewind();

  QFile file_;
  qsizetype longestLine_;
  bool overlong_ = false;  // passing over the rest of an overlong line
  QByteArray buffer_;
  qsizetype begin_ = 0;    // first byte of the buffer not handed out yet
  qsizetype end_ = 0;      // end of the bytes read into the buffer
  bool atEnd_ = false;     // everything has been read into the buffer
  bool failed_ = false;
  qint64 lineOffset_ = 0;  // offset in the file of the current line
  qint64 bufferOffset_ = 0;  // offset in the file of buffer_[0]
  // The bytes from begin_ to scanned_ hold no line end (no byte is looked
  // at twice when a line spans blocks); high_ gathers their bits.
  qsizetype scanned_ = 0;
  std::uint64_t high_ = 0;
  std::string_view lineWithEnd_;
};

// The first c in text from `from` on, or -1; eight bytes at a time, for
// the short fields of the long files.
inline qsizetype findByte(std::string_view text, char c, std::size_t from) {
  std::size_t i = from;
  if constexpr (std::endian::native == std::endian::little) {
    constexpr std::uint64_t ones = 0x0101010101010101ull;
    for (; i + 8 <= text.size(); i += 8) {
      std::uint64_t word;
      std::memcpy(&word, text.data() + i, 8);
      const std::uint64_t x = word ^ (ones * static_cast<unsigned char>(c));
      // The lowest flagged byte is always a true match.
      const std::uint64_t hits = (x - ones) & ~x & (ones << 7);
      if (hits) return static_cast<qsizetype>(i + (std::countr_zero(hits) >> 3));
    }
  }
  for (; i < text.size(); ++i)
    if (text[i] == c) return static_cast<qsizetype>(i);
  return -1;
}

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
bool readInt32AsciiInGeneral(std::string_view field, std::int32_t& value);
inline bool readInt32Ascii(std::string_view field, std::int32_t& value) {
  // Plain whole numbers of up to nine digits, as the monitor writes them,
  // are read here; every other form goes to the general reader.
  const std::size_t from = !field.empty() && field[0] == '-' ? 1 : 0;
  const std::size_t digits = field.size() - from;
  if (digits >= 1 && digits <= 9) {
    std::int32_t v = 0;
    std::size_t i = from;
    for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i) v = v * 10 + (field[i] - '0');
    if (i == field.size()) {
      value = from ? -v : v;
      return true;
    }
  }
  return readInt32AsciiInGeneral(field, value);
}

// RegionalFormat::parseDateTimeParts as a WallTime, with the same accepted
// texts and the same results, for the long runs of lines of one day. It
// remembers the texts of the last days read and the time-of-day texts
// already read, as the regional writer spells them, and reads a text made of
// these without asking the regional reader again; any other text goes to it.
class WallClockReader {
 public:
  explicit WallClockReader(const RegionalFormat& format);

  std::optional<WallTime> read(std::string_view asciiText) {
    for (std::size_t d = 0; d < dayCount_; ++d) {
      const std::string& day = days_[d].text;
      if (asciiText.size() > day.size() + 1 && asciiText[day.size()] == ' ' &&
          asciiText.compare(0, day.size(), day) == 0) {
        if (const TimeText* known = findTime(asciiText.substr(day.size() + 1))) {
          const WallTime t = days_[d].julianDay * kSecondsPerDay + known->seconds;
          if (d > 0) std::swap(days_[0], days_[d]);
          return t;
        }
      }
    }
    return readAndLearn(asciiText);
  }
  // Text that is not plain ASCII: the regional reader itself.
  std::optional<WallTime> read(const QString& text) const;

 private:
  std::optional<WallTime> readAndLearn(std::string_view text);
  void learn(std::string_view text, const QDate& date, const QTime& time);

  // The regional time-of-day texts read so far (up to 16 bytes; longer
  // ones are not remembered), each with its seconds: an open-addressing
  // table, as it is asked twice a line.
  struct TimeText {
    std::uint64_t low = 0, high = 0;  // the bytes, zero-padded
    std::int32_t length = 0;
    std::int32_t seconds = -1;        // -1: a free slot
  };
  static constexpr std::size_t kLongestTimeText = 16;
  static TimeText packed(std::string_view text) {
    // Needs text.size() <= 16; whole 8-byte loads where the text allows.
    TimeText t;
    const std::size_t n = text.size();
    if (std::endian::native == std::endian::little && n >= 8) {
      std::memcpy(&t.low, text.data(), 8);
      if (n > 8) {
        std::memcpy(&t.high, text.data() + n - 8, 8);
        t.high >>= 8 * (16 - n);  // drop the bytes that low holds already
      }
    } else {
      char bytes[kLongestTimeText] = {};
      std::memcpy(bytes, text.data(), n);
      std::memcpy(&t.low, bytes, 8);
      std::memcpy(&t.high, bytes + 8, 8);
    }
    t.length = static_cast<std::int32_t>(n);
    return t;
  }
  std::size_t slotOf(const TimeText& key) const {
    // Multiplicative hashing, taking the top bits: the low bits of a
    // product see only the first bytes of the text (the hour).
    const std::uint64_t h =
        (key.low ^ (key.high * 0xC2B2AE3D27D4EB4Full) ^ static_cast<std::uint64_t>(key.length)) * 0x9E3779B97F4A7C15ull;
    return static_cast<std::size_t>(h >> timeShift_);
  }
  const TimeText* findTime(std::string_view text) const {
    if (timeTexts_.empty() || text.size() > kLongestTimeText) return nullptr;
    const TimeText key = packed(text);
    const std::size_t mask = timeTexts_.size() - 1;
    for (std::size_t i = slotOf(key);; i = (i + 1) & mask) {
      const TimeText& slot = timeTexts_[i];
      if (slot.seconds < 0) return nullptr;
      if (slot.low == key.low && slot.high == key.high && slot.length == key.length) return &slot;
    }
  }
  void addTime(std::string_view text, int seconds);

  const RegionalFormat& format_;
  // The regional texts of the last days read, the latest first: a session
  // ending after midnight, or a file in reverse order, goes back and forth
  // between two days.
  struct Day {
    std::string text;
    qint64 julianDay = 0;
  };
  static constexpr std::size_t kRecentDays = 4;
  Day days_[kRecentDays];
  std::size_t dayCount_ = 0;
  std::vector<TimeText> timeTexts_;  // a power of two in size, at most half full
  std::size_t timeCount_ = 0;
  int timeShift_ = 64;               // 64 - log2 of the table's size
};

}  // namespace tavo
