// The yardstick of the desktop benchmark: about the least a Qt program can
// do that shows a figure changing once a second.
#include <QApplication>
#include <QLabel>
#include <QTimer>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QLabel label(QStringLiteral("0 kB/s"));
  label.setWindowTitle(QStringLiteral("bare label"));
  label.resize(136, 40);
  label.show();
  int seconds = 0;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, &label,
                   [&] { label.setText(QString::number(++seconds * 37 % 1000) + QStringLiteral(" kB/s")); });
  timer.start(1000);
  return QApplication::exec();
}
