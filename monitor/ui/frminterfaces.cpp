#include "monitor/ui/frminterfaces.h"

#include "common/languagetexts.h"
#include "common/platform/desktop/desktop.h"
#include "monitor/core/fixedpalette.h"
#include "monitor/core/interfacechoice.h"
#include "monitor/core/monitortexts.h"
#include "monitor/core/trafficcounters.h"
#include "monitor/ui/textfit.h"

#include <QTimer>

namespace tavo::monitor {

frmInterfaces::frmInterfaces(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
  setObjectName(QStringLiteral("frmInterfaces"));
  setWindowTitle(QStringLiteral("Tavo - Interfaces"));
  setModal(true);
  setFixedSize(430, 170);

  Label1 = new QLabel(this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setGeometry(12, 10, 406, 36);
  Label1->setWordWrap(true);
  {
    QPalette pal = Label1->palette();
    // The warning's red, kept readable on the theme's ground, dark or light.
    pal.setColor(QPalette::WindowText, readableOn(pal.color(QPalette::Window), QColor(192, 0, 0)));
    Label1->setPalette(pal);
  }
  Label2 = new QLabel(this);
  Label2->setObjectName(QStringLiteral("Label2"));
  Label2->setGeometry(12, 56, 406, 18);
  cmdInterfaces = new QComboBox(this);
  cmdInterfaces->setObjectName(QStringLiteral("cmdInterfaces"));
  cmdInterfaces->setGeometry(12, 78, 406, 26);
  cmdChange = new QPushButton(this);
  cmdChange->setObjectName(QStringLiteral("cmdChange"));
  cmdChange->setGeometry(80, 124, 120, 30);
  cmdChange->setDefault(true);
  cmdCancel = new QPushButton(this);
  cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
  cmdCancel->setGeometry(230, 124, 120, 30);

  connect(cmdChange, &QPushButton::clicked, this, &frmInterfaces::cmdChange_Click);
  connect(cmdCancel, &QPushButton::clicked, this, &frmInterfaces::cmdCancel_Click);
  SetFrenchTexts();
}

void frmInterfaces::SetFrenchTexts() {
  tavo::applyWindowTexts(this, interfaceChooserTexts(true));
  fitFixedTexts(this);
}

void frmInterfaces::SetEnglishTexts() {
  tavo::applyWindowTexts(this, interfaceChooserTexts(false));
  fitFixedTexts(this);
}

void frmInterfaces::fillList(const tavo::monitor::InterfaceTable& table) {
  QStringList descriptions;
  for (const auto& e : table.entries) descriptions << e.description;
  watched_ = table.SelectedInterface;
  cmdInterfaces->clear();
  cmdInterfaces->addItems(chooserItems(descriptions, table.InterfaceCount));
  // An entry beyond the list (a table that shrank) selects nothing.
  cmdInterfaces->setCurrentIndex(table.SelectedInterface < cmdInterfaces->count() ? table.SelectedInterface : -1);
}

int frmInterfaces::openChooser(const tavo::monitor::InterfaceTable& table) {
  fillList(table);
  // Normal and in front once shown, even where it was minimised before.
  setWindowState(windowState() & ~Qt::WindowMinimized);
  QTimer::singleShot(0, this, [this] {
    if (isVisible()) tavo::desktop::showInFront(this);
  });
  return exec();
}

void frmInterfaces::cmdChange_Click() {
  if (const auto k = interfaceToWatch(cmdInterfaces->currentIndex(), watched_)) emit interfaceChosen(*k);
  accept();
}

void frmInterfaces::cmdCancel_Click() { reject(); }

}  // namespace tavo::monitor
