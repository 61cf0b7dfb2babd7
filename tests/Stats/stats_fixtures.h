#pragma once
// Small builders for the analyser's tests: session lines written the way
// the monitor writes them, and rows and summaries made by hand.
#include "Stats/core/statsdata.h"
#include "common/regionaltext.h"

#include <QDateTime>
#include <QFile>
#include <QStringList>

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace tavo::stats::testing {

// The regional format the analyser's tests write and read their lines in.
inline const RegionalFormat& french() {
  static const RegionalFormat f(QLocale(QLocale::French, QLocale::France));
  return f;
}

// The process's time zone set to Paris for a test's length, where the
// change of time gives sessions that end before they start.
class ParisTime {
 public:
  ParisTime() {
    if (const char* tz = std::getenv("TZ")) old_ = tz;
    qputenv("TZ", "Europe/Paris");
    tzset();
  }
  ~ParisTime() {
    if (old_) qputenv("TZ", old_->c_str());
    else qunsetenv("TZ");
    tzset();
  }

 private:
  std::optional<std::string> old_;
};

struct Session {
  QDateTime start;
  int minutes;
  int dlMax, ulMax, dlVol, ulVol;
};

inline QString sessionLine(const RegionalFormat& f, const Session& s) {
  return f.dateTimeText(s.start) + ';' + f.dateTimeText(s.start.addSecs(60LL * s.minutes)) + ';' +
         QString::number(s.dlMax) + ';' + QString::number(s.ulMax) + ';' + QString::number(s.dlVol) + ';' +
         QString::number(s.ulVol);
}

inline void writeFile(const QString& path, const QStringList& lines) {
  QFile f(path);
  f.open(QIODevice::WriteOnly | QIODevice::Truncate);
  for (const QString& l : lines) f.write(l.toLocal8Bit() + "\r\n");
}

inline QDateTime at(int y, int m, int d, int h = 0, int min = 0) { return QDateTime(QDate(y, m, d), QTime(h, min)); }

inline PeriodRow row(const QString& label, std::int64_t duration, int dlMax, int ulMax, std::int64_t dlVol,
                     std::int64_t ulVol, int dlAvg = 0, int ulAvg = 0) {
  PeriodRow r;
  r.label = label;
  r.duration = duration;
  r.dlMax = dlMax;
  r.ulMax = ulMax;
  r.dlVol = dlVol;
  r.ulVol = ulVol;
  r.dlAvg = dlAvg;
  r.ulAvg = ulAvg;
  return r;
}

inline PeriodSummary summaryOf(std::vector<PeriodRow> rows) {
  PeriodSummary s;
  s.rows = std::move(rows);
  s.count = static_cast<std::int32_t>(s.rows.size());
  for (const auto& r : s.rows) s.totalDuration += r.duration;
  ComputePeriodSummary(s);
  return s;
}

// The store made from sessions as the loader would make it, sorted.
inline SessionStore storeOf(const RegionalFormat& f, const std::vector<Session>& sessions) {
  SessionStore st;
  for (const auto& s : sessions) {
    auto r = parseSessionLine(sessionLine(f, s), f);
    st.totalMinutes += r->minutes;
    st.sessionTable.push_back(*r);
  }
  SortSessions(st);
  return st;
}

}  // namespace tavo::stats::testing
