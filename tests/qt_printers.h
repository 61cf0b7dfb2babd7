#pragma once
// Lets GoogleTest print Qt values in failure messages; included in every test.
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QStringList& l, std::ostream* os) { *os << '[' << l.join("|").toStdString() << ']'; }
inline void PrintTo(const QDateTime& d, std::ostream* os) { *os << d.toString(Qt::ISODate).toStdString(); }
inline void PrintTo(const QDate& d, std::ostream* os) { *os << d.toString(Qt::ISODate).toStdString(); }
inline std::ostream& operator<<(std::ostream& os, const QString& s) { return os << s.toStdString(); }
