#include "Chooser/ui/frmchooser.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavo::chooser {

namespace {

QLabel* label(const QString& name, const QString& text, QWidget* parent, bool bold = false) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(name);
  l->setAlignment(Qt::AlignCenter);
  if (bold) {
    QFont f = l->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 4);
    l->setFont(f);
  }
  return l;
}

// A small coloured tile, with a word on it or not: the decoration.
QLabel* tile(const QString& name, const QColor& colour, const QString& word, QWidget* parent) {
  QPixmap pixmap(48, 32);
  pixmap.fill(colour);
  QPainter p(&pixmap);
  p.setPen(Qt::white);
  QFont f = p.font();
  f.setBold(true);
  f.setPixelSize(16);
  p.setFont(f);
  p.drawText(pixmap.rect(), Qt::AlignCenter, word);
  p.end();
  auto* l = new QLabel(parent);
  l->setObjectName(name);
  l->setPixmap(pixmap);
  return l;
}

QGroupBox* choice(QGroupBox* frame, QLabel* picture, std::initializer_list<QLabel*> sentence, QPushButton* button) {
  auto* layout = new QVBoxLayout(frame);
  layout->addWidget(picture, 0, Qt::AlignHCenter);
  for (QLabel* l : sentence) layout->addWidget(l);
  layout->addStretch();
  layout->addWidget(button);
  return frame;
}

}  // namespace

frmChooser::frmChooser() {
  setObjectName(QStringLiteral("frmChooser"));
  setWindowTitle(QStringLiteral("Tavo - Install"));

  Frame1 = new QGroupBox(QStringLiteral("English"), this);
  Frame1->setObjectName(QStringLiteral("Frame1"));
  Label4 = label(QStringLiteral("Label4"), QStringLiteral("This assistant will install"), Frame1);
  Label2 = label(QStringLiteral("Label2"), QStringLiteral("Tavo"), Frame1, true);
  Label5 = label(QStringLiteral("Label5"), QStringLiteral("on your PC."), Frame1);
  cmdEN = new QPushButton(QStringLiteral("Install process : English"), Frame1);
  cmdEN->setObjectName(QStringLiteral("cmdEN"));
  Picture1 = tile(QStringLiteral("Picture1"), QColor(16, 48, 112), QStringLiteral("EN"), Frame1);
  choice(Frame1, Picture1, {Label4, Label2, Label5}, cmdEN);

  Frame2 = new QGroupBox(QStringLiteral("French"), this);
  Frame2->setObjectName(QStringLiteral("Frame2"));
  Label1 = label(QStringLiteral("Label1"), QStringLiteral("Cet assistant va installer"), Frame2);
  Label6 = label(QStringLiteral("Label6"), QStringLiteral("Tavo"), Frame2, true);
  Label3 = label(QStringLiteral("Label3"), QStringLiteral("sur votre PC."), Frame2);
  cmdFR = new QPushButton(QStringLiteral("Installation en français"), Frame2);
  cmdFR->setObjectName(QStringLiteral("cmdFR"));
  Picture2 = tile(QStringLiteral("Picture2"), QColor(16, 48, 112), QStringLiteral("FR"), Frame2);
  choice(Frame2, Picture2, {Label1, Label6, Label3}, cmdFR);

  cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
  cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
  Picture3 = tile(QStringLiteral("Picture3"), QColor(0, 128, 0), QString(), this);
  Picture4 = tile(QStringLiteral("Picture4"), QColor(192, 0, 0), QString(), this);
  Shape1 = new QFrame(this);
  Shape1->setObjectName(QStringLiteral("Shape1"));
  Shape1->setFrameShape(QFrame::HLine);
  Shape1->setFrameShadow(QFrame::Sunken);

  auto* choices = new QHBoxLayout;
  choices->addWidget(Frame1);
  choices->addWidget(Frame2);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(Picture3);
  bottom->addWidget(Picture4);
  bottom->addStretch();
  bottom->addWidget(cmdCancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(choices);
  layout->addWidget(Shape1);
  layout->addLayout(bottom);

  connect(cmdEN, &QPushButton::clicked, this, &frmChooser::cmdENClicked);
  connect(cmdFR, &QPushButton::clicked, this, &frmChooser::cmdFRClicked);
  connect(cmdCancel, &QPushButton::clicked, this, &frmChooser::cmdCancelClicked);
}

void frmChooser::closeEvent(QCloseEvent* event) {
  event->accept();
  emit queryUnload();
}

}  // namespace tavo::chooser
