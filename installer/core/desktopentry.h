#pragma once
// Writing freedesktop desktop entries: the quoting of Exec arguments and
// the escapes of string values, so that folders with blanks, quotes, "$"
// or "%" start what they name.
#include <QString>
#include <QStringList>

namespace tavo::setup {

struct DesktopEntry {
  QString name;
  QStringList exec;  // program and arguments, unquoted
  QString path;      // working folder
  QString icon;      // a themed icon name
};

// One argument of an Exec line: always in double quotes, with the quoting
// escapes and "%%" for a percent sign. The string escapes come on top when
// the entry is written.
QString quoteExecArgument(const QString& argument);

// A string value: backslash, line breaks and tabs escaped, a leading blank
// as "\s".
QString escapeStringValue(const QString& value);

// The whole entry, LF line ends, UTF-8 when written.
QString desktopEntryText(const DesktopEntry& entry);

// Replaces the file at path with the entry, whole or not at all; the
// desktop's own copy is made executable (desktops start only launchers
// marked so). False when it could not be written.
bool writeDesktopEntry(const QString& path, const DesktopEntry& entry, bool executable);

}  // namespace tavo::setup
