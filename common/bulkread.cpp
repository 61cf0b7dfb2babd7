#include "common/bulkread.h"

#include "common/numbers.h"
#include "common/regionaltext.h"

#include <QByteArray>
#include <QFile>
#include <QStringDecoder>
#include <algorithm>
#include <bit>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace tavo {

namespace {
std::int64_t floorDay(WallTime t) { return t >= 0 ? t / kSecondsPerDay : (t - kSecondsPerDay + 1) / kSecondsPerDay; }
}  // namespace

WallTime toWallTime(const QDate& date, const QTime& time) {
  return date.toJulianDay() * kSecondsPerDay + time.msecsSinceStartOfDay() / 1000;
}

qint64 wallJulianDay(WallTime t) { return floorDay(t); }
QDate wallDate(WallTime t) { return QDate::fromJulianDay(floorDay(t)); }

QTime wallTimeOfDay(WallTime t) {
  return QTime::fromMSecsSinceStartOfDay(static_cast<int>(t - floorDay(t) * kSecondsPerDay) * 1000);
}

QDateTime fromWallTime(WallTime t) { return QDateTime(wallDate(t), wallTimeOfDay(t)); }

// ------------------------------------------------------------ LineReader
//
// Why a reader of its own: the analyser loads years of sessions and the log
// viewer years of minutes at every start or click, and the plain way
// (QFile::readLine, or readTextLines, a QString per line decoded from the
// system encoding, then the text readers) spends most of that time making
// strings that are thrown away. This reader hands out each line as a view
// of its block, sees in the same pass whether the line is plain ASCII (as
// every line the monitor writes is), and finds line ends eight bytes at a
// time; only a line with other bytes is decoded, as the plain way would.
//
// Measured with bench/LogViewer (logviewer_bench) and bench/Stats
// (stats_bench), RelWithDebInfo (gcc 12, -O2), on an 8-core AMD EPYC
// virtual machine shared with other builds (load 4 to 10), file in the page
// cache; medians of 3 to 5 runs, +-10 % between runs:
//   the lines of a year's rate log (525,600 lines, 15.6 MB):
//     this reader 6.7 ms (2.3 GB/s); QFile::readLine and decoding each
//     line 147 ms; readTextLines 430 ms;
//   the year log read into samples (ReadLogFile): 30 to 35 ms; the same
//     done the plain way (readTextLines, the regional reader, readInt32Checked)
//     500 ms;
//   1,000,000 sessions of all_stats.csv loaded, sorted and folded into days
//     and months (BM_LoadSortFold): 150 ms, 93 MB at the peak.
// Out of line here, with the rest of the tuning, the field readers below
// cost the year log some 4 to 7 ms against inline ones in the header
// (measured side by side: 30 to 35 ms against 26 to 30 ms), and the
// sessions nothing measurable; a tenth of a second on a ten-year log, for
// a header that holds only what the readers are.
//
// The fast path is a line that ends inside the block: one scan, no copy.
// Everything else is the slow path, tested case by case against a plain
// reader in tests/common/bulkread_test.cpp: a line running past the end of
// the block (kept bytes moved to the front, the buffer widened for a line
// longer than a block), a CR as the block's last byte (its LF may start the
// next one), a read that returns fewer bytes than asked (the file's end, a
// pipe), the end of the file without a line end, and overlong lines.

struct LineReader::State {
  State(const QString& path, qsizetype longestLine, qsizetype blockBytes)
      : file(path), longestLine(std::max<qsizetype>(1, longestLine)), blockBytes(std::max<qsizetype>(1, blockBytes)) {}

  bool fill();
  bool rewind();
  bool next(Line& line);

  QFile file;
  qsizetype longestLine;
  qsizetype blockBytes;
  bool overlong = false;  // passing over the rest of an overlong line
  QByteArray buffer;
  qsizetype begin = 0;  // first byte of the buffer not handed out yet
  qsizetype end = 0;    // end of the bytes read into the buffer
  bool atEnd = false;   // everything has been read into the buffer
  bool failed = false;
  qint64 lineOffset = 0;    // offset in the file of the current line
  qint64 bufferOffset = 0;  // offset in the file of buffer[0]
  // The bytes from begin to scanned hold no line end (no byte is looked
  // at twice when a line spans blocks); high gathers their bits.
  qsizetype scanned = 0;
  std::uint64_t high = 0;
  std::string_view lineWithEnd;
};

LineReader::LineReader(const QString& path, qsizetype longestLine, qsizetype blockBytes)
    : state_(std::make_unique<State>(path, longestLine, blockBytes)) {}

LineReader::~LineReader() = default;

qint64 LineReader::size() const { return state_->file.size(); }
bool LineReader::failed() const { return state_->failed; }
bool LineReader::next(Line& line) { return state_->next(line); }

bool LineReader::open(qint64 maxBytes) {
  State& s = *state_;
  // Unbuffered: the blocks go straight into our buffer.
  if (!s.file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) return false;
  if (s.file.size() > maxBytes) return false;
  s.buffer.resize(s.blockBytes);
  return true;
}

bool LineReader::State::rewind() {
  begin = end = 0;
  bufferOffset = 0;
  scanned = 0;
  high = 0;
  atEnd = false;
  overlong = false;
  lineWithEnd = {};
  if (file.seek(0)) return true;
  failed = true;
  return false;
}

qint64 LineReader::countLines() {
  State& s = *state_;
  if (!s.rewind()) return -1;
  // The suite writes CR LF, so the LFs are the line ends; only a file
  // without any LF has its CRs counted. A file that mixes lone CRs with
  // LFs has more lines than this.
  qint64 ends[2] = {0, 0};  // LF, CR
  for (const char c : {'\n', '\r'}) {
    qint64& count = ends[c == '\r'];
    char last = '\n';
    for (;;) {
      const qint64 n = s.file.read(s.buffer.data(), s.buffer.size());
      if (n < 0) {
        s.failed = true;
        return -1;
      }
      if (n == 0) break;
      const char* e = s.buffer.constData() + n;
      for (const char* q = s.buffer.constData(); (q = static_cast<const char*>(std::memchr(q, c, e - q))); ++q) ++count;
      last = e[-1];
    }
    const bool openLastLine = last != '\n' && last != '\r';
    if (!s.rewind()) return -1;
    if (count > 0 || c == '\r') return count + (openLastLine ? 1 : 0);
  }
  return 0;
}

bool LineReader::State::fill() {
  // Keep the part not handed out yet at the front; widen for a line longer
  // than the buffer.
  if (begin > 0) {
    std::memmove(buffer.data(), buffer.constData() + begin, static_cast<std::size_t>(end - begin));
    bufferOffset += begin;
    end -= begin;
    scanned -= begin;
    begin = 0;
  }
  if (end == buffer.size()) buffer.resize(buffer.size() * 2);
  const qint64 n = file.read(buffer.data() + end, buffer.size() - end);
  if (n < 0) {
    failed = true;
    return false;
  }
  if (n == 0) atEnd = true;
  end += n;
  return true;
}

namespace {

// Eight bytes at a time: the bit of each byte that is 0 is set; the lowest
// set bit is always a true one (higher ones may be borrows).
constexpr std::uint64_t kOnes = 0x0101010101010101ull;
constexpr std::uint64_t kHighs = 0x8080808080808080ull;
std::uint64_t zeroBytes(std::uint64_t x) { return (x - kOnes) & ~x & kHighs; }

// The first CR or LF in [from, end), or end; high gathers the bits of the
// bytes before it.
qsizetype findLineEnd(const char* b, qsizetype from, qsizetype end, std::uint64_t& high) {
  qsizetype i = from;
  if constexpr (std::endian::native == std::endian::little) {
    for (; i + 8 <= end; i += 8) {
      std::uint64_t word;
      std::memcpy(&word, b + i, 8);
      const std::uint64_t ends = zeroBytes(word ^ (kOnes * '\r')) | zeroBytes(word ^ (kOnes * '\n'));
      if (ends) {
        const int k = std::countr_zero(ends) >> 3;
        high |= word & ((std::uint64_t(1) << (8 * k)) - 1);
        return i + k;
      }
      high |= word;
    }
  }
  for (; i < end; ++i) {
    if (b[i] == '\r' || b[i] == '\n') return i;
    high |= static_cast<unsigned char>(b[i]);
  }
  return end;
}

// The first CR or LF in [from, end), or end.
qsizetype firstLineEnd(const char* b, qsizetype from, qsizetype end) {
  const auto* lf = static_cast<const char*>(std::memchr(b + from, '\n', static_cast<std::size_t>(end - from)));
  const qsizetype lfAt = lf ? lf - b : end;
  const auto* cr = static_cast<const char*>(std::memchr(b + from, '\r', static_cast<std::size_t>(lfAt - from)));
  return cr ? cr - b : lfAt;
}

}  // namespace

bool LineReader::State::next(Line& line) {
  if (failed) return false;
  for (;;) {
    const char* b = buffer.constData();
    const qsizetype from = std::max(scanned, begin);
    // The bytes of an overlong line are not kept: only its end is looked
    // for, at the speed of the library's search.
    const qsizetype stop = overlong ? firstLineEnd(b, from, end) : findLineEnd(b, from, end, high);
    qsizetype endLength = -1;  // -1: no line end in the buffer yet
    if (stop < end) {
      if (b[stop] == '\n') endLength = 1;
      else if (stop + 1 < end) endLength = b[stop + 1] == '\n' ? 2 : 1;
      else if (atEnd) endLength = 1;  // a CR is the file's last byte
      // else: a CR at the end of the buffer, its LF may come with the next block
    } else if (atEnd) {
      if (begin == end && !overlong) return false;
      endLength = 0;  // the last line, without an end
    }
    if (endLength < 0) {
      scanned = stop;  // what lies before has no line end
      if (overlong || stop - begin > longestLine) {
        // Too long to be a line of ours: its bytes are dropped as they
        // come, so that memory stays at one block, and only its end is
        // looked for.
        overlong = true;
        begin = stop;
      }
      if (!fill()) return false;
      continue;
    }
    if (overlong || stop - begin > longestLine) {
      overlong = false;
      line.bytes = {};
      line.ascii = true;
      line.overlong = true;
      lineWithEnd = {};
      lineOffset = -1;
      begin = scanned = stop + endLength;
      high = 0;
      return true;
    }
    line.overlong = false;
    line.bytes = std::string_view(b + begin, static_cast<std::size_t>(stop - begin));
    line.ascii = (high & kHighs) == 0;
    lineWithEnd = std::string_view(b + begin, static_cast<std::size_t>(stop - begin + endLength));
    lineOffset = bufferOffset + begin;
    begin = scanned = stop + endLength;
    high = 0;
    return true;
  }
}

QString LineReader::decoded() const {
  const State& s = *state_;
  // Decoded with its line end, as it stood in the whole file: the decoder
  // then ends a cut-short character at the line end as it would there, and
  // only the file's first line may lose a byte order mark.
  QStringDecoder decoder(QStringConverter::System, s.lineOffset == 0 ? QStringConverter::Flag::Default
                                                                     : QStringConverter::Flag::ConvertInitialBom);
  QString text = decoder.decode(QByteArrayView(s.lineWithEnd.data(), static_cast<qsizetype>(s.lineWithEnd.size())));
  while (!text.isEmpty() && (text.back() == QLatin1Char('\r') || text.back() == QLatin1Char('\n'))) text.chop(1);
  return text;
}

// ------------------------------------------------------------ fields and numbers

qsizetype findByte(std::string_view text, char c, std::size_t from) {
  // Eight bytes at a time, for the short fields of the long files, where
  // the library's search costs more to start than to run.
  std::size_t i = from;
  if constexpr (std::endian::native == std::endian::little) {
    for (; i + 8 <= text.size(); i += 8) {
      std::uint64_t word;
      std::memcpy(&word, text.data() + i, 8);
      const std::uint64_t x = word ^ (kOnes * static_cast<unsigned char>(c));
      // The lowest flagged byte is always a true match.
      const std::uint64_t hits = zeroBytes(x);
      if (hits) return static_cast<qsizetype>(i + (std::countr_zero(hits) >> 3));
    }
  }
  for (; i < text.size(); ++i)
    if (text[i] == c) return static_cast<qsizetype>(i);
  return -1;
}

bool readInt32Text(QStringView field, std::int32_t& value) {
  const auto n = readInt32Checked(field.toString());
  if (n) value = *n;
  return n.has_value();
}

bool readInt32Ascii(std::string_view field, std::int32_t& value) {
  // Plain whole numbers of up to nine digits, as the monitor writes them,
  // are read here; every other form goes to the text reader.
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
  return readInt32Text(QString::fromLatin1(field.data(), static_cast<qsizetype>(field.size())), value);
}

// ------------------------------------------------------------ WallClockReader

// The regional reader costs microseconds a text; the lines of a long file
// repeat one day's text for hours and the time texts every day, so the
// texts already read are remembered as the regional writer spells them.
class WallClockReader::Memory {
 public:
  explicit Memory(const RegionalFormat& format) : format_(format) {}

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
    std::int32_t seconds = -1;  // -1: a free slot
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
  int timeShift_ = 64;  // 64 - log2 of the table's size
};

WallClockReader::WallClockReader(const RegionalFormat& format) : memory_(std::make_unique<Memory>(format)) {}
WallClockReader::~WallClockReader() = default;

std::optional<WallTime> WallClockReader::read(std::string_view asciiText) { return memory_->read(asciiText); }
std::optional<WallTime> WallClockReader::read(const QString& text) const { return memory_->read(text); }

void WallClockReader::Memory::addTime(std::string_view text, int seconds) {
  if (text.size() > kLongestTimeText) return;
  if ((timeCount_ + 1) * 2 > timeTexts_.size()) {
    std::vector<TimeText> old = std::move(timeTexts_);
    const std::size_t size = std::max<std::size_t>(1024, old.size() * 2);
    timeTexts_.assign(size, TimeText{});
    timeShift_ = 64 - std::countr_zero(size);
    timeCount_ = 0;
    for (const TimeText& t : old) {
      if (t.seconds < 0) continue;
      std::size_t i = slotOf(t);
      while (timeTexts_[i].seconds >= 0) i = (i + 1) & (timeTexts_.size() - 1);
      timeTexts_[i] = t;
      ++timeCount_;
    }
  }
  TimeText key = packed(text);
  key.seconds = seconds;
  std::size_t i = slotOf(key);
  while (timeTexts_[i].seconds >= 0) i = (i + 1) & (timeTexts_.size() - 1);
  timeTexts_[i] = key;
  ++timeCount_;
}

std::optional<WallTime> WallClockReader::Memory::readAndLearn(std::string_view text) {
  const auto parts = format_.parseDateTimeParts(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
  if (!parts) return std::nullopt;
  learn(text, parts->first, parts->second);
  return toWallTime(parts->first, parts->second);
}

std::optional<WallTime> WallClockReader::Memory::read(const QString& text) const {
  const auto parts = format_.parseDateTimeParts(text);
  if (!parts) return std::nullopt;
  return toWallTime(parts->first, parts->second);
}

void WallClockReader::Memory::learn(std::string_view text, const QDate& date, const QTime& time) {
  // Only the regional writer's own spelling is remembered: the day's text
  // and the time's text must make up the whole text read, with the one
  // blank between them that the writer puts there.
  const qint64 julianDay = date.toJulianDay();
  std::size_t known = 0;
  while (known < dayCount_ && days_[known].julianDay != julianDay) ++known;
  std::string day =
      known < dayCount_ ? days_[known].text : format_.dateTimeText(QDateTime(date, QTime(0, 0), Qt::UTC)).toStdString();
  if (text.size() <= day.size() + 1 || text.compare(0, day.size(), day) != 0 || text[day.size()] != ' ') return;
  const std::string_view rest = text.substr(day.size() + 1);
  if (rest.size() > kLongestTimeText) return;
  const int seconds = time.msecsSinceStartOfDay() / 1000;
  if (const TimeText* t = findTime(rest)) {
    if (t->seconds != seconds) return;
  } else {
    if (format_.timeOfDay(time).toStdString() != rest) return;
    addTime(rest, seconds);
  }
  // The day goes first; the oldest one drops out when there is no room.
  std::size_t from = known < dayCount_ ? known : std::min(dayCount_, kRecentDays - 1);
  if (known >= dayCount_ && dayCount_ < kRecentDays) ++dayCount_;
  for (; from > 0; --from) days_[from] = std::move(days_[from - 1]);
  days_[0] = {std::move(day), julianDay};
}

}  // namespace tavo
