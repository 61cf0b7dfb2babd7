#pragma once
// The monitor's sense of "now", injected so tests can run a day of ticks
// in milliseconds.
#include <QDateTime>

namespace tavo::monitor {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual QDateTime now() const = 0;  // local date and time
};

class SystemClock : public Clock {
 public:
  QDateTime now() const override { return QDateTime::currentDateTime(); }
};

// A clock that only moves when told to.
class ManualClock : public Clock {
 public:
  explicit ManualClock(QDateTime start = QDateTime(QDate(2026, 12, 8), QTime(14, 5, 30)))
      : now_(std::move(start)) {}
  QDateTime now() const override { return now_; }
  void set(const QDateTime& t) { now_ = t; }
  void advanceSeconds(qint64 s) { now_ = now_.addSecs(s); }
  void advanceMs(qint64 ms) { now_ = now_.addMSecs(ms); }

 private:
  QDateTime now_;
};

}  // namespace tavo::monitor
