#pragma once
// Files that tests lay down by hand: a whole text replaced at once.
#include <gtest/gtest.h>
#include <QByteArray>
#include <QFile>
#include <QString>

namespace tavo::testing {

inline void writeText(const QString& path, const QByteArray& text) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write(text);
}

}  // namespace tavo::testing
