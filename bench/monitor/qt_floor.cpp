// Two lower yardsticks of the desktop benchmark, to tell what the monitor
// itself costs from what any Qt program pays on the same machine:
//   bench_qt_floor timer   reads /proc/net/dev once a second and shows no
//                          window: the cost of a Qt program that only wakes;
//   bench_qt_floor window  does the same and draws one text a second straight
//                          into its window's backing store, which it flushes
//                          at once: no widgets, no paint event, no update
//                          request, the least a Qt program pays to show a
//                          figure changing once a second.
#include <QBackingStore>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QTimer>
#include <QWindow>

#include <cstdio>

int main(int argc, char** argv) {
  // As the monitor does: a window this small gains nothing from shared
  // memory, whose every flush waits for the X server's completion event.
  if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) qputenv("QT_XCB_NO_MITSHM", "1");
  QGuiApplication app(argc, argv);
  const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
  if (mode != u"timer" && mode != u"window") {
    std::fprintf(stderr, "usage: bench_qt_floor timer|window\n");
    return 2;
  }
  QFile counters(QStringLiteral("/proc/net/dev"));
  if (!counters.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) return 1;

  const QSize size(136, 40);
  QWindow window;
  QBackingStore store(&window);
  if (mode == u"window") {
    window.setTitle(QStringLiteral("Qt floor"));
    window.resize(size);
    store.resize(size);
    window.show();
  }
  int seconds = 0;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, &window, [&] {
    counters.seek(0);
    const QByteArray text = counters.readAll();
    if (mode != u"window" || !window.isExposed()) return;
    const int figure = (++seconds * 37 + int(text.size())) % 1000;
    const QRect area(QPoint(0, 0), size);
    store.beginPaint(area);
    {
      QPainter p(store.paintDevice());
      p.fillRect(area, Qt::white);
      p.drawText(area, Qt::AlignRight | Qt::AlignTop, QString::number(figure) + QStringLiteral(" kB/s"));
    }
    store.endPaint();
    store.flush(area);
  });
  timer.start(1000);
  return QGuiApplication::exec();
}
