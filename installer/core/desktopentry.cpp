#include "installer/core/desktopentry.h"

#include <QFile>
#include <QSaveFile>
#include <QUrl>
#include <QXmlStreamWriter>

namespace tavo::setup {

QString quoteExecArgument(const QString& argument) {
  QString out = QStringLiteral("\"");
  for (const QChar c : argument) {
    if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
      out += QLatin1Char('\\');
    else if (c == QLatin1Char('%')) out += QLatin1Char('%');
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
  if (!entry.linkedFile.isEmpty()) {
    QString t;
    t += QStringLiteral("[Desktop Entry]\n");
    t += QStringLiteral("Type=Link\n");
    t += QStringLiteral("Version=1.0\n");
    t += QStringLiteral("Name=") + escapeStringValue(entry.name) + QLatin1Char('\n');
    t += QStringLiteral("URL=") +
         escapeStringValue(QUrl::fromLocalFile(entry.linkedFile).toString(QUrl::FullyEncoded)) + QLatin1Char('\n');
    t += QStringLiteral("Icon=") + escapeStringValue(entry.icon) + QLatin1Char('\n');
    return t;
  }
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
  if (!entry.categories.isEmpty()) t += QStringLiteral("Categories=") + entry.categories + QLatin1Char('\n');
  return t;
}

QString directoryEntryText(const QString& name, const QString& icon) {
  return QStringLiteral("[Desktop Entry]\nType=Directory\nVersion=1.0\nName=") + escapeStringValue(name) +
         QStringLiteral("\nIcon=") + escapeStringValue(icon) + QLatin1Char('\n');
}

QString mergedMenuText(const QString& name, const QString& directoryFile, const QStringList& entryIds) {
  QString xml;
  QXmlStreamWriter w(&xml);
  w.setAutoFormatting(true);
  w.writeStartDocument();
  w.writeDTD(
      QStringLiteral("<!DOCTYPE Menu PUBLIC \"-//freedesktop//DTD Menu 1.0//EN\"\n"
                     " \"http://www.freedesktop.org/standards/menu-spec/1.0/menu.dtd\">"));
  w.writeStartElement(QStringLiteral("Menu"));
  w.writeTextElement(QStringLiteral("Name"), QStringLiteral("Applications"));
  w.writeStartElement(QStringLiteral("Menu"));
  w.writeTextElement(QStringLiteral("Name"), name);
  w.writeTextElement(QStringLiteral("Directory"), directoryFile);
  w.writeStartElement(QStringLiteral("Include"));
  for (const QString& id : entryIds) w.writeTextElement(QStringLiteral("Filename"), id);
  w.writeEndElement();
  w.writeEndElement();
  w.writeEndElement();
  w.writeEndDocument();
  return xml;
}

bool writeTextFile(const QString& path, const QString& text) {
  QSaveFile f(path);
  if (!f.open(QIODevice::WriteOnly)) return false;
  const QByteArray bytes = text.toUtf8();
  if (f.write(bytes) != bytes.size()) {
    f.cancelWriting();
    return false;
  }
  return f.commit();
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
