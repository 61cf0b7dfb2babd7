#pragma once
// Text files of the suite: lines end with CR LF when written; a reader
// accepts CR LF, a lone CR or a lone LF. The encoding is the locale's.
#include <QString>
#include <QStringList>

namespace tavo {

inline constexpr char kLineEnd[] = "\r\n";

struct TextReadResult {
  bool ok = false;       // the file existed and could be read
  QStringList lines;     // without their line ends; a last line without an end counts
  bool endsWithLineEnd = true;  // false when the last byte is not CR or LF (a cut-short write)
};

// Reads a whole file. Files larger than maxBytes are refused (ok false),
// so a stray huge file cannot exhaust memory.
TextReadResult readTextLines(const QString& path, qint64 maxBytes = qint64(1) << 31);

// Splits text into lines at CR LF, lone CR and lone LF.
QStringList splitLines(const QString& text, bool* endsWithLineEnd = nullptr);

QByteArray encodeText(const QString& text);
QString decodeText(const QByteArray& bytes);

// Replaces the file with these lines, each ended by CR LF, atomically:
// a crash leaves either the old file or the new one, never a cut one.
bool writeLinesAtomically(const QString& path, const QStringList& lines);

// Appends one line (with CR LF) in a single write and pushes it to the
// disk before returning. When the file ends without a line end (an earlier
// write was cut short), a line end is written first so the new line stands
// whole on its own.
bool appendLineDurably(const QString& path, const QString& line);

}  // namespace tavo
