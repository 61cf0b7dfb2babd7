#include "common/webhost.h"

#include <QtGlobal>

namespace tavo {

QString normalisedHost(QString host) {
  host = host.trimmed();
  while (host.endsWith(QLatin1Char('/'))) host.chop(1);
  if (!host.isEmpty() && !host.contains(QLatin1String("://"))) host.prepend(QLatin1String("http://"));
  return host;
}

QString webHost() {
  if (!qEnvironmentVariableIsEmpty("TAVO_WEB_HOST")) return normalisedHost(qEnvironmentVariable("TAVO_WEB_HOST"));
  return normalisedHost(QStringLiteral(TAVO_WEB_HOST));
}

}  // namespace tavo
