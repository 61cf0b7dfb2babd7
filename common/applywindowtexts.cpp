#include "common/languagetexts.h"

// Putting a table of texts on a window: the one piece of the texts that
// needs widgets, so it lives in tavo_common_gui.

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <QWidget>
#include <QtGlobal>

namespace tavo {

namespace {

bool setCaptionOf(QWidget* window, QWidget* w, const QString& text) {
  if (w == window) w->setWindowTitle(text);
  else if (auto* label = qobject_cast<QLabel*>(w)) label->setText(text);
  else if (auto* button = qobject_cast<QAbstractButton*>(w)) button->setText(text);
  else if (auto* frame = qobject_cast<QGroupBox*>(w)) frame->setTitle(text);
  else return false;
  return true;
}

bool applyOne(QWidget* window, const ControlText& t) {
  if (t.property == TextProperty::MenuCaption) {
    auto* action = window->findChild<QAction*>(t.control);
    if (action) action->setText(t.text);
    return action != nullptr;
  }
  QWidget* w =
      t.control.isEmpty() || t.control == window->objectName() ? window : window->findChild<QWidget*>(t.control);
  if (!w) return false;
  switch (t.property) {
    case TextProperty::Tooltip: w->setToolTip(t.text); return true;
    case TextProperty::TabCaption: {
      if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
        if (t.index < 0 || t.index >= tabs->count()) return false;
        tabs->setTabText(t.index, t.text);
        return true;
      }
      auto* bar = qobject_cast<QTabBar*>(w);
      if (!bar || t.index < 0 || t.index >= bar->count()) return false;
      bar->setTabText(t.index, t.text);
      return true;
    }
    case TextProperty::Caption:
    case TextProperty::MenuCaption: break;
  }
  return setCaptionOf(window, w, t.text);
}

}  // namespace

QStringList applyWindowTexts(QWidget* window, std::span<const ControlText> texts) {
  QStringList unknown;
  for (const ControlText& t : texts) {
    if (applyOne(window, t) || unknown.contains(t.control)) continue;
    unknown << t.control;
  }
  if (!unknown.isEmpty()) {
    qWarning("Texts for controls that window %s does not hold: %s", qPrintable(window->objectName()),
             qPrintable(unknown.join(QStringLiteral(", "))));
    Q_ASSERT_X(false, "applyWindowTexts", "a language text names a control the window does not hold");
  }
  return unknown;
}

}  // namespace tavo
