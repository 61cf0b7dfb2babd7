#include "UnInstaller_FR/ui/dummy.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

namespace tavo::uninstall {

Dummy::Dummy() {
  setObjectName(QStringLiteral("Dummy"));
  Text1 = new QPlainTextEdit(this);
  Text1->setObjectName(QStringLiteral("Text1"));
  Text1->setReadOnly(true);
  Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
  Text1->setFocusPolicy(Qt::ClickFocus);
  cmdDone = new QPushButton(this);
  cmdDone->setObjectName(QStringLiteral("cmdDone"));
  cmdDone->setDefault(true);
  connect(cmdDone, &QPushButton::clicked, this, &Dummy::cmdDoneClicked);
  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(2000);
  connect(Timer1, &QTimer::timeout, this, &Dummy::Dummy_Timer1_Timer);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Text1);
  layout->addWidget(cmdDone, 0, Qt::AlignRight);
  resize(560, 360);
  cmdDone->setFocus();
}

void Dummy::appendLine(const QString& line) {
  lines_ << line;
  // The box holds the lines each with its line end, as the log is kept.
  Text1->setPlainText(lines_.join(QLatin1Char('\n')) + QLatin1Char('\n'));
  Text1->verticalScrollBar()->setValue(Text1->verticalScrollBar()->maximum());
}

QStringList Dummy::lines() const { return lines_; }

void Dummy::setPauseMs(int ms) { Timer1->setInterval(ms); }
void Dummy::startPause() { Timer1->start(); }
bool Dummy::pauseRunning() const { return Timer1->isActive(); }

void Dummy::Dummy_Timer1_Timer() { Timer1->stop(); }

void Dummy::closeEvent(QCloseEvent* event) {
  event->accept();
  emit queryUnload();
}

}  // namespace tavo::uninstall
