#include "installer/core/desktopentry.h"

#include <QFile>
#include <QSaveFile>

namespace tavo::setup {

QString quoteExecArgument(const QString& argument) {
  QString out = QStringLiteral("\"");
  for (const QChar c : argument) {
    if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
      out += QLatin1Char('\\');
    else if (c == QLatin1Char('%'))
      out += QLatin1Char('%');
    out += c;
  }
  out += QLatin1Char('"');
  return out;
}

QString escapeStringValue(const QString& value) {
  QString out;
  out.reserve(value.size());
  for (qsizetype i = 0; i < value.size(); ++i) {
    const QChar c = value.at(i);
    if (c == QLatin1Char('\\')) out += QStringLiteral("\\\\");
    else if (c == QLatin1Char('\n')) out += QStringLiteral("\\n");
    else if (c == QLatin1Char('\r')) out += QStringLiteral("\\r");
    else if (c == QLatin1Char('\t')) out += QStringLiteral("\\t");
    else if (c == QLatin1Char(' ') && i == 0) out += QStringLiteral("\\s");
    else out += c;
  }
  return out;
}

QString desktopEntryText(const DesktopEntry& entry) {
  QStringList quoted;
  // GLib looks for the program under its name before it turns "%%" into
  // "%", so a program whose path holds a percent sign is started through
  // env, whose arguments are expanded as they should be.
  if (!entry.exec.isEmpty() && entry.exec.first().contains(QLatin1Char('%'))) quoted << QStringLiteral("env");
  for (const QString& a : entry.exec) quoted << quoteExecArgument(a);
  QString t;
  t += QStringLiteral("[Desktop Entry]\n");
  t += QStringLiteral("Type=Application\n");
  t += QStringLiteral("Version=1.0\n");
  t += QStringLiteral("Name=") + escapeStringValue(entry.name) + QLatin1Char('\n');
  t += QStringLiteral("Exec=") + escapeStringValue(quoted.join(QLatin1Char(' '))) + QLatin1Char('\n');
  t += QStringLiteral("Path=") + escapeStringValue(entry.path) + QLatin1Char('\n');
  t += QStringLiteral("Icon=") + escapeStringValue(entry.icon) + QLatin1Char('\n');
  t += QStringLiteral("Terminal=false\n");
  t += QStringLiteral("Categories=Network;Monitor;\n");
  return t;
}

bool writeDesktopEntry(const QString& path, const DesktopEntry& entry, bool executable) {
  QSaveFile f(path);
  if (!f.open(QIODevice::WriteOnly)) return false;
  const QByteArray bytes = desktopEntryText(entry).toUtf8();
  if (f.write(bytes) != bytes.size()) {
    f.cancelWriting();
    return false;
  }
  if (!f.commit()) return false;
  QFile::Permissions perms = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
  if (executable) perms |= QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
  return QFile::setPermissions(path, perms);
}

}  // namespace tavo::setup
