#include "common/bulkread.h"

#include "common/numbers.h"
#include "common/regionaltext.h"

#include <QStringDecoder>
#include <algorithm>
#include <bit>
#include <cstring>

namespace tavo {

namespace {
constexpr qsizetype kBlock = qsizetype(1) << 18;

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

LineReader::LineReader(const QString& path, qsizetype longestLine)
    : file_(path), longestLine_(std::max<qsizetype>(1, longestLine)) {}

bool LineReader::open(qint64 maxBytes) {
  // Unbuffered: the blocks go straight into our buffer.
  if (!file_.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) return false;
  if (file_.size() > maxBytes) return false;
  buffer_.resize(kBlock);
  return true;
}

bool LineReader::rewind() {
  begin_ = end_ = 0;
  bufferOffset_ = 0;
  scanned_ = 0;
  high_ = 0;
  atEnd_ = false;
  overlong_ = false;
  lineWithEnd_ = {};
  if (file_.seek(0)) return true;
  failed_ = true;
  return false;
}

qint64 LineReader::countLines() {
  if (!rewind()) return -1;
  // The suite writes CR LF, so the LFs are the line ends; only a file
  // without any LF has its CRs counted. A file that mixes lone CRs with
  // LFs has more lines than this.
  qint64 ends[2] = {0, 0};  // LF, CR
  for (const char c : {'\n', '\r'}) {
    qint64& count = ends[c == '\r'];
    char last = '\n';
    for (;;) {
      const qint64 n = file_.read(buffer_.data(), buffer_.size());
      if (n < 0) {
        failed_ = true;
        return -1;
      }
      if (n == 0) break;
      const char* e = buffer_.constData() + n;
      for (const char* q = buffer_.constData(); (q = static_cast<const char*>(std::memchr(q, c, e - q))); ++q) ++count;
      last = e[-1];
    }
    const bool openLastLine = last != '\n' && last != '\r';
    if (!rewind()) return -1;
    if (count > 0 || c == '\r') return count + (openLastLine ? 1 : 0);
  }
  return 0;
}

bool LineReader::fill() {
  // Keep the part not handed out yet at the front; widen for a line longer
  // than the buffer.
  if (begin_ > 0) {
    std::memmove(buffer_.data(), buffer_.constData() + begin_, static_cast<std::size_t>(end_ - begin_));
    bufferOffset_ += begin_;
    end_ -= begin_;
    scanned_ -= begin_;
    begin_ = 0;
  }
  if (end_ == buffer_.size()) buffer_.resize(buffer_.size() * 2);
  const qint64 n = file_.read(buffer_.data() + end_, buffer_.size() - end_);
  if (n < 0) {
    failed_ = true;
    return false;
  }
  if (n == 0) atEnd_ = true;
  end_ += n;
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

bool LineReader::next(Line& line) {
  if (failed_) return false;
  for (;;) {
    const char* b = buffer_.constData();
    const qsizetype from = std::max(scanned_, begin_);
    // The bytes of an overlong line are not kept: only its end is looked
    // for, at the speed of the library's search.
    const qsizetype stop = overlong_ ? firstLineEnd(b, from, end_) : findLineEnd(b, from, end_, high_);
    qsizetype endLength = -1;  // -1: no line end in the buffer yet
    if (stop < end_) {
      if (b[stop] == '\n') endLength = 1;
      else if (stop + 1 < end_) endLength = b[stop + 1] == '\n' ? 2 : 1;
      else if (atEnd_) endLength = 1;  // a CR is the file's last byte
      // else: a CR at the end of the buffer, its LF may come with the next block
    } else if (atEnd_) {
      if (begin_ == end_ && !overlong_) return false;
      endLength = 0;  // the last line, without an end
    }
    if (endLength < 0) {
      scanned_ = stop;  // what lies before has no line end
      if (overlong_ || stop - begin_ > longestLine_) {
        // Too long to be a line of ours: its bytes are dropped as they
        // come, so that memory stays at one block, and only its end is
        // looked for.
        overlong_ = true;
        begin_ = stop;
      }
      if (!fill()) return false;
      continue;
    }
    if (overlong_ || stop - begin_ > longestLine_) {
      overlong_ = false;
      line.bytes = {};
      line.ascii = true;
      line.overlong = true;
      lineWithEnd_ = {};
      lineOffset_ = -1;
      begin_ = scanned_ = stop + endLength;
      high_ = 0;
      return true;
    }
    line.overlong = false;
    line.bytes = std::string_view(b + begin_, static_cast<std::size_t>(stop - begin_));
    line.ascii = (high_ & kHighs) == 0;
    lineWithEnd_ = std::string_view(b + begin_, static_cast<std::size_t>(stop - begin_ + endLength));
    lineOffset_ = bufferOffset_ + begin_;
    begin_ = scanned_ = stop + endLength;
    high_ = 0;
    return true;
  }
}

QString LineReader::decoded() const {
  // Decoded with its line end, as it stood in the whole file: the decoder
  // then ends a cut-short character at the line end as it would there, and
  // only the file's first line may lose a byte order mark.
  QStringDecoder decoder(QStringConverter::System, lineOffset_ == 0 ? QStringConverter::Flag::Default
                                                                    : QStringConverter::Flag::ConvertInitialBom);
  QString text = decoder.decode(QByteArrayView(lineWithEnd_.data(), static_cast<qsizetype>(lineWithEnd_.size())));
  while (!text.isEmpty() && (text.back() == QLatin1Char('\r') || text.back() == QLatin1Char('\n'))) text.chop(1);
  return text;
}

// ------------------------------------------------------------ numbers

bool readInt32Text(QStringView field, std::int32_t& value) {
  const auto n = readInt32Checked(field.toString());
  if (n) value = *n;
  return n.has_value();
}

bool readInt32AsciiInGeneral(std::string_view field, std::int32_t& value) {
  return readInt32Text(QString::fromLatin1(field.data(), static_cast<qsizetype>(field.size())), value);
}

// ------------------------------------------------------------ WallClockReader

WallClockReader::WallClockReader(const RegionalFormat& format) : format_(format) {}

void WallClockReader::addTime(std::string_view text, int seconds) {
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

std::optional<WallTime> WallClockReader::readAndLearn(std::string_view text) {
  const auto parts = format_.parseDateTimeParts(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
  if (!parts) return std::nullopt;
  learn(text, parts->first, parts->second);
  return toWallTime(parts->first, parts->second);
}

std::optional<WallTime> WallClockReader::read(const QString& text) const {
  const auto parts = format_.parseDateTimeParts(text);
  if (!parts) return std::nullopt;
  return toWallTime(parts->first, parts->second);
}

void WallClockReader::learn(std::string_view text, const QDate& date, const QTime& time) {
  // Only the regional writer's own spelling is remembered: the day's text
  // and the time's text must make up the whole text read, with the one
  // blank between them that the writer puts there.
  const qint64 julianDay = date.toJulianDay();
  std::size_t known = 0;
  while (known < dayCount_ && days_[known].julianDay != julianDay) ++known;
  std::string day = known < dayCount_ ? days_[known].text
                                      : format_.dateTimeText(QDateTime(date, QTime(0, 0), Qt::UTC)).toStdString();
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
