#pragma once
// Message boxes in the program's language: the standard buttons carry our
// own words ("Oui", "Non", "Annuler" ...) rather than Qt's, whose
// translations a desktop may lack, and the box is wide enough for its title
// so the window manager need not cut it.
#include <QMessageBox>
#include <QString>

#include <memory>

class QWidget;

namespace tavo {

// The word of a standard button; an empty text for a button we have no
// word for (Qt's own stays then).
QString standardButtonText(QMessageBox::StandardButton button, bool isFrench);

// The width a box needs to show its whole title in a title bar drawn with
// the application's font, with room for the window manager's buttons.
int titleBarWidth(const QString& title);

// A box with the buttons in the language and room for its title; the
// caller shows it (exec, or show for a box that must not block).
std::unique_ptr<QMessageBox> makeMessageBox(QMessageBox::Icon icon, const QString& title, const QString& text,
                                            QMessageBox::StandardButtons buttons, bool isFrench,
                                            QWidget* parent = nullptr);

// Asks and waits for the answer.
QMessageBox::StandardButton askMessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                          const QString& text, QMessageBox::StandardButtons buttons, bool isFrench);

// Shows a box with one OK button without blocking; it deletes itself when
// closed. Returns it so the caller may follow it.
QMessageBox* showNoticeBox(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text,
                           bool isFrench);

}  // namespace tavo
