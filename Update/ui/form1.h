#pragma once
// The updater's only window: the installed and the published version, a
// link to the product page and the close button.
#include <QWidget>

#include <span>

#include "common/languagetexts.h"

class QLabel;
class QPushButton;

namespace tavo::update {

class Form1 : public QWidget {
  Q_OBJECT
 public:
  Form1();

  // The texts of its language (updaterWindowTexts); the window fits them.
  void applyTexts(std::span<const ControlText> texts);
  // The address shown on the link label.
  void setHomeAddress(const QString& address);
  // The installed version (lblCurrent) and the published one (lblDispo),
  // shown as they are.
  void setCurrentVersion(const QString& version);
  void setPublishedVersion(const QString& version);

 signals:
  void Label4Clicked();
  void cmdCloseClicked();
  // The window is being closed from its close box.
  void queryUnload();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  QLabel* Picture1;
  QLabel* Label1;
  QLabel* lblCurrent;
  QLabel* Label2;
  QLabel* lblDispo;
  QLabel* Label3;
  QLabel* Label4;
  QPushButton* cmdClose;
};

}  // namespace tavo::update
