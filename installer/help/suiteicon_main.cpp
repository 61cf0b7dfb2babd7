// tavo_suiteicon PNG: draws the suite's icon for the build, the picture
// that the menu, the desktop and the autostart entries show: a rate
// graph of download and upload bars, as on the installer's pages.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const QStringList args = QCoreApplication::arguments();
  if (args.size() != 2) {
    std::fprintf(stderr, "usage: tavo_suiteicon PNG\n");
    return 2;
  }
  constexpr int kSide = 128;
  QImage icon(kSide, kSide, QImage::Format_ARGB32);
  icon.fill(Qt::transparent);
  {
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath card;
    card.addRoundedRect(QRectF(4, 4, kSide - 8, kSide - 8), 16, 16);
    p.fillPath(card, QColor(16, 48, 112));
    const int heights[] = {30, 55, 42, 80, 66, 92};
    for (int i = 0; i < 6; ++i) {
      const int x = 18 + i * 16;
      p.fillRect(x, 110 - heights[i], 8, heights[i], QColor(80, 200, 80));
      p.fillRect(x + 8, 110 - heights[i] / 3, 5, heights[i] / 3, QColor(230, 70, 60));
    }
  }
  if (!icon.save(args.at(1), "PNG")) {
    std::fprintf(stderr, "tavo_suiteicon: cannot write %s\n", qPrintable(args.at(1)));
    return 1;
  }
  return 0;
}
