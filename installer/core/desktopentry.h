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
  QString icon;      // a themed icon name or the full path of a picture
  // The menu categories; empty for an entry that only its own submenu
  // holds (the program group's), so that it is not loose in another.
  QString categories = QStringLiteral("Network;Monitor;");
  // Set for a link entry (Type=Link): the file it opens, through whatever
  // the desktop opens such files with; exec and path are then unused.
  QString linkedFile{};
};

// A directory entry (.directory) of a submenu: its name and icon.
QString directoryEntryText(const QString& name, const QString& icon);

// The merged menu file that makes a submenu named name, described by the
// directory file directoryFile, of the entries with these desktop-file ids.
QString mergedMenuText(const QString& name, const QString& directoryFile, const QStringList& entryIds);

// Replaces the file at path with text, whole or not at all.
[[nodiscard]] bool writeTextFile(const QString& path, const QString& text);

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
[[nodiscard]] bool writeDesktopEntry(const QString& path, const DesktopEntry& entry, bool executable);

}  // namespace tavo::setup
