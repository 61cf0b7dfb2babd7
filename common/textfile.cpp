#include "textfile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <unistd.h>

namespace tavo {

QByteArray encodeText(const QString& text) {
  QStringEncoder enc(QStringConverter::System);
  return enc.encode(text);
}

QString decodeText(const QByteArray& bytes) {
  QStringDecoder dec(QStringConverter::System);
  return dec.decode(bytes);
}

QStringList splitLines(const QString& text, bool* endsWithLineEnd) {
  QStringList lines;
  qsizetype start = 0;
  const qsizetype n = text.size();
  for (qsizetype i = 0; i < n; ++i) {
    const QChar c = text.at(i);
    if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
      lines.append(text.mid(start, i - start));
      if (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n')) ++i;
      start = i + 1;
    }
  }
  const bool ended = start == n;
  if (!ended) lines.append(text.mid(start));
  if (endsWithLineEnd) *endsWithLineEnd = ended;
  return lines;
}

TextReadResult readTextLines(const QString& path, qint64 maxBytes) {
  TextReadResult r;
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return r;
  if (f.size() > maxBytes) return r;
  const QByteArray bytes = f.readAll();
  if (f.error() != QFileDevice::NoError) return r;
  r.ok = true;
  r.lines = splitLines(decodeText(bytes), &r.endsWithLineEnd);
  return r;
}

bool writeLinesAtomically(const QString& path, const QStringList& lines) {
  QSaveFile f(path);
  if (!f.open(QIODevice::WriteOnly)) return false;
  QString text;
  for (const QString& line : lines) {
    text += line;
    text += QLatin1String(kLineEnd);
  }
  const QByteArray bytes = encodeText(text);
  if (f.write(bytes) != bytes.size()) {
    f.cancelWriting();
    return false;
  }
  return f.commit();
}

bool appendLineDurably(const QString& path, const QString& line) {
  QFile f(path);
  if (!f.open(QIODevice::ReadWrite | QIODevice::Append)) return false;
  QByteArray bytes;
  const qint64 size = f.size();
  if (size > 0) {
    // Look at the last byte: a file cut in the middle of a line gets its
    // line ended first, so the new record is not glued to the fragment.
    QFile probe(path);
    if (probe.open(QIODevice::ReadOnly) && probe.seek(size - 1)) {
      char last = 0;
      if (probe.getChar(&last) && last != '\n' && last != '\r') bytes += kLineEnd;
    }
  }
  bytes += encodeText(line);
  bytes += kLineEnd;
  if (f.write(bytes) != bytes.size()) return false;
  if (!f.flush()) return false;
  return ::fsync(f.handle()) == 0;
}

}  // namespace tavo
