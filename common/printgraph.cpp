#include "common/printgraph.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

#include "common/desktopseam.h"

namespace tavo {

namespace {
constexpr double kTwipsPerInch = 1440.0;
constexpr double kMarginTwips = 1200.0;
constexpr double kScreenDpi = 96.0;  // 15 twips a pixel
}  // namespace

QString noPrinterText(bool isFrench) {
  return isFrench ? QStringLiteral("     Aucune imprimante par défaut n'est installée.     ")
                  : QStringLiteral("     No default printer is installed.     ");
}

PrintOutcome printWindowImage(QWidget* target, QPrinter& printer) {
  if (!target) return PrintOutcome::Failed;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  QApplication::processEvents();
  const QPixmap image = target->grab();
  QApplication::restoreOverrideCursor();
  if (image.isNull()) return PrintOutcome::Failed;

  printer.setPageOrientation(QPageLayout::Landscape);
  printer.setFullPage(true);
  QPainter painter;
  if (!painter.begin(&printer)) return PrintOutcome::Failed;
  const double res = printer.resolution();
  const double margin = kMarginTwips / kTwipsPerInch * res;
  const double scale = res / kScreenDpi;
  const QSizeF logical = QSizeF(image.size()) / image.devicePixelRatio();
  painter.drawPixmap(QRectF(QPointF(margin, margin), logical * scale), image, QRectF(image.rect()));
  return painter.end() ? PrintOutcome::Printed : PrintOutcome::Failed;
}

PrintOutcome PrintGraphWindow(QWidget* target, bool isFrench, DesktopSeam& desktop) {
  if (QPrinter* printer = desktop.printer()) return printWindowImage(target, *printer);
  if (QPrinterInfo::defaultPrinter().isNull()) {
    // Only OK can be pressed: the answer says nothing.
    static_cast<void>(desktop.ask({target, QMessageBox::Information,
                                   isFrench ? QStringLiteral("Tavo - Erreur") : QStringLiteral("Tavo - Error"),
                                   noPrinterText(isFrench), QMessageBox::Ok}));
    return PrintOutcome::NoPrinter;
  }
  QPrinter defaultPrinter(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
  return printWindowImage(target, defaultPrinter);
}

}  // namespace tavo
