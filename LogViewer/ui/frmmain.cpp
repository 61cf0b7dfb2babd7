#include "LogViewer/ui/frmmain.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "LogViewer/ui/listdecoration.h"

namespace tavo::logv {

frmMain::frmMain() {
  setObjectName(QStringLiteral("frmMain"));

  auto* frameSkins = new QGroupBox(this);
  frameSkins->setObjectName(QStringLiteral("frameSkins"));
  flLog_ = new QListWidget(frameSkins);
  flLog_->setObjectName(QStringLiteral("flLog"));
  flLog_->setSelectionMode(QAbstractItemView::SingleSelection);
  flLog_->setMinimumSize(220, 240);
  auto* listLayout = new QVBoxLayout(frameSkins);
  listLayout->addWidget(flLog_);

  auto* cmdSelect = new QPushButton(this);
  cmdSelect->setObjectName(QStringLiteral("cmdSelect"));
  auto* Picture3 = new QLabel(this);
  Picture3->setObjectName(QStringLiteral("Picture3"));
  Picture3->setPixmap(listDecoration());

  auto* side = new QVBoxLayout;
  side->addWidget(Picture3, 0, Qt::AlignHCenter);
  side->addStretch();
  side->addWidget(cmdSelect);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(frameSkins, 1);
  layout->addLayout(side);

  connect(cmdSelect, &QPushButton::clicked, this, &frmMain::cmdSelectClicked);
}

void frmMain::setLogNames(const QStringList& names) {
  flLog_->clear();
  flLog_->addItems(names);
}

QString frmMain::selectedLogName() const {
  const auto selected = flLog_->selectedItems();
  return selected.isEmpty() ? QString() : selected.first()->text();
}

void frmMain::closeEvent(QCloseEvent* event) {
  event->accept();
  emit queryUnload();
}

}  // namespace tavo::logv
