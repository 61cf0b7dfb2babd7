#pragma once
// Text files of the suite: lines end with CR LF when written; a reader
// accepts CR LF, a lone CR or a lone LF. The encoding is the locale's.
#include <QString>
#include <QStringList>

namespace tavo {

inline constexpr char kLineEnd[] = "\r\n";

struct TextReadResult {
  bool ok = false;              // the file existed and could be read
  QStringList lines;            // without their line ends; a last line without an end counts
  bool endsWithLineEnd = true;  // false when the last byte is not CR or LF (a cut-short write)
  QString error;                // when not ok: the system's reason
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
// On false, *error (when given) holds the system's reason.
bool writeLinesAtomically(const QString& path, const QStringList& lines, QString* error = nullptr);

// Appends one line (with CR LF) and pushes it to the disk before
// returning. The file ends either exactly as it was or one whole line
// longer: when the write or the flush fails (a full disk, a file-size
// limit), the file is cut back to its size before the append, and a file
// that the append created is removed again. When the file ends without a
// line end (a fragment left by an older program), a line end is written
// first so the new line stands whole on its own.
// On false, *error (when given) holds the system's reason.
bool appendLineDurably(const QString& path, const QString& line, QString* error = nullptr);

// The same for several lines in one all-or-nothing append.
bool appendLinesDurably(const QString& path, const QStringList& lines, QString* error = nullptr);

// True when the file's last lines are exactly these lines, each ended by
// CR LF (and the file holds nothing else or a line end before them).
bool endsWithLines(const QString& path, const QStringList& lines);

// True when a new file can be created and written in this folder, tried
// with a file that never gets a name there (or, where the file system
// cannot do that, one that is removed at once). On false, *error (when
// given) holds the system's reason.
bool canWriteIn(const QString& folder, QString* error = nullptr);

}  // namespace tavo
