#pragma once
// The monitor's sense of "now", injected so tests can run a day of ticks
// in milliseconds.
#include <QDateTime>

namespace tavo::monitor {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual QDateTime now() const = 0;  // local date and time
  // The same instant as milliseconds since the epoch (UTC). Cheap: the
  // tick asks it every second, where a local-time conversion would cost a
  // look at the time-zone file.
  virtual qint64 nowMsecs() const { return now().toMSecsSinceEpoch(); }
};

class SystemClock : public Clock {
 public:
  QDateTime now() const override { return QDateTime::currentDateTime(); }
  qint64 nowMsecs() const override { return QDateTime::currentMSecsSinceEpoch(); }
};

// A clock that only moves when told to.
class ManualClock : public Clock {
 public:
  explicit ManualClock(QDateTime start = QDateTime(QDate(2026, 12, 8), QTime(14, 5, 30)))
      : ms_(start.toMSecsSinceEpoch()) {}
  QDateTime now() const override { return QDateTime::fromMSecsSinceEpoch(ms_); }
  qint64 nowMsecs() const override { return ms_; }
  void set(const QDateTime& t) { ms_ = t.toMSecsSinceEpoch(); }
  void advanceSeconds(qint64 s) { ms_ += s * 1000; }
  void advanceMs(qint64 ms) { ms_ += ms; }

 private:
  qint64 ms_;
};

}  // namespace tavo::monitor
