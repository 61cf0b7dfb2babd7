// tavo_helpdoc MARKDOWN PDF TITLE: renders one help file for the build.
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

#include "installer/help/helpdoc.h"

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const QStringList args = QCoreApplication::arguments();
  if (args.size() != 4) {
    std::fprintf(stderr, "usage: tavo_helpdoc MARKDOWN PDF TITLE\n");
    return 2;
  }
  QFile source(args.at(1));
  if (!source.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "tavo_helpdoc: cannot read %s\n", qPrintable(args.at(1)));
    return 1;
  }
  if (!tavo::help::renderHelpPdf(QString::fromUtf8(source.readAll()), args.at(3), args.at(2))) {
    std::fprintf(stderr, "tavo_helpdoc: cannot write %s\n", qPrintable(args.at(2)));
    return 1;
  }
  return 0;
}
