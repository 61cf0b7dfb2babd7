#include "common/messagebox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QSpacerItem>

namespace tavo {

QString standardButtonText(QMessageBox::StandardButton button, bool isFrench) {
  struct Words {
    QMessageBox::StandardButton button;
    const char* french;
    const char* english;
  };
  static const Words words[] = {
      {QMessageBox::Ok, "OK", "OK"},
      {QMessageBox::Yes, "Oui", "Yes"},
      {QMessageBox::No, "Non", "No"},
      {QMessageBox::Cancel, "Annuler", "Cancel"},
      {QMessageBox::Close, "Fermer", "Close"},
      {QMessageBox::Retry, "Réessayer", "Retry"},
      {QMessageBox::Ignore, "Ignorer", "Ignore"},
      {QMessageBox::Abort, "Abandonner", "Abort"},
      {QMessageBox::Save, "Enregistrer", "Save"},
      {QMessageBox::Open, "Ouvrir", "Open"},
  };
  for (const Words& w : words)
    if (w.button == button) return QString::fromUtf8(isFrench ? w.french : w.english);
  return {};
}

int titleBarWidth(const QString& title) {
  // Window managers draw titles in a bold face, often larger than the
  // text's: a margin of a fifth, plus the icon and three frame buttons.
  QFont font = QApplication::font();
  font.setBold(true);
  const int text = QFontMetrics(font).horizontalAdvance(title);
  constexpr int kFrameButtons = 4 * 28;
  return text + text / 5 + kFrameButtons;
}

std::unique_ptr<QMessageBox> makeMessageBox(QMessageBox::Icon icon, const QString& title, const QString& text,
                                            QMessageBox::StandardButtons buttons, bool isFrench, QWidget* parent) {
  auto box = std::make_unique<QMessageBox>(icon, title, text, buttons, parent);
  for (QAbstractButton* b : box->buttons()) {
    const QString word = standardButtonText(box->standardButton(b), isFrench);
    if (!word.isEmpty()) b->setText(word);
  }
  // The box sizes itself from its layout; a spacer across it keeps it at
  // least as wide as its title needs.
  if (auto* grid = qobject_cast<QGridLayout*>(box->layout())) {
    grid->addItem(new QSpacerItem(titleBarWidth(title), 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
  }
  return box;
}

QMessageBox::StandardButton askMessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                          const QString& text, QMessageBox::StandardButtons buttons, bool isFrench) {
  auto box = makeMessageBox(icon, title, text, buttons, isFrench, parent);
  return QMessageBox::StandardButton(box->exec());
}

QMessageBox* showNoticeBox(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text,
                           bool isFrench) {
  QMessageBox* box = makeMessageBox(icon, title, text, QMessageBox::Ok, isFrench, parent).release();
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setModal(false);
  box->show();
  return box;
}

}  // namespace tavo
