#include "monitor/ui/textfit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <QVariant>
#include <QWidget>

#include <algorithm>

namespace tavo::monitor {

namespace {

constexpr char kDesignPlace[] = "tavoDesignPlace";

bool changingText(const QWidget* w) { return w->objectName().startsWith(u"lbl"); }

// The widest child picture of a button, laid over its left side: the text
// keeps clear of it on both sides, as it is centred.
int pictureRoom(const QWidget* button) {
  int room = 0;
  for (const QObject* child : button->children())
    if (const auto* w = qobject_cast<const QWidget*>(child); w && !w->isWindow())
      room = std::max(room, w->geometry().right() + 1);
  return room;
}

}  // namespace

QSize textRoomNeeded(const QWidget* widget) {
  if (!widget || changingText(widget)) return {};
  const QFontMetrics fm(widget->font());
  const QStyle* style = widget->style();
  if (const auto* label = qobject_cast<const QLabel*>(widget)) {
    if (label->text().isEmpty() || label->wordWrap() || label->textFormat() == Qt::RichText) return {};
    const int frame = label->frameWidth() * 2 + std::max(0, label->margin()) * 2;
    return {fm.horizontalAdvance(label->text()) + frame + 1, fm.height() + frame};
  }
  if (qobject_cast<const QRadioButton*>(widget) || qobject_cast<const QCheckBox*>(widget)) {
    const auto* b = static_cast<const QAbstractButton*>(widget);
    if (b->text().isEmpty()) return {};
    return b->sizeHint();
  }
  if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
    if (button->text().isEmpty()) return {};
    QStyleOptionButton opt;
    opt.initFrom(button);
    const int margin = style->pixelMetric(QStyle::PM_ButtonMargin, &opt, button);
    const int frame = style->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, button);
    const int text = QFontMetrics(button->font()).horizontalAdvance(button->text());
    return {text + 2 * (margin + frame + pictureRoom(button)), fm.height() + 2 * frame + 2};
  }
  if (const auto* box = qobject_cast<const QGroupBox*>(widget)) {
    if (box->title().isEmpty()) return {};
    // The caption sits on the frame between two short stretches of it.
    return {fm.horizontalAdvance(box->title()) + 24, 0};
  }
  return {};
}

namespace {

void fitTexts(QWidget* w) {
  for (QObject* child : w->children())
    if (auto* c = qobject_cast<QWidget*>(child); c && !c->isWindow()) fitTexts(c);
  if (w->isWindow()) return;
  // Every fit starts from the design's place, so that texts of another
  // language or a narrower font give the design back.
  QVariant design = w->property(kDesignPlace);
  if (!design.isValid()) {
    design = w->geometry();
    w->setProperty(kDesignPlace, design);
  }
  QRect place = design.toRect();
  const QSize need = textRoomNeeded(w);
  if (need.isValid()) {
    if (need.width() > place.width()) {
      const int grow = need.width() - place.width();
      const auto* label = qobject_cast<const QLabel*>(w);
      const Qt::Alignment align = label ? label->alignment() : Qt::Alignment(Qt::AlignLeft);
      if (align & Qt::AlignRight) place.setLeft(place.left() - grow);
      else if (align & Qt::AlignHCenter) place.adjust(-grow / 2, 0, grow - grow / 2, 0);
      else place.setWidth(need.width());
      if (place.left() < 0) place.moveLeft(0);
    }
    if (need.height() > place.height()) {
      const int grow = need.height() - place.height();
      place.adjust(0, -grow / 2, 0, grow - grow / 2);
      if (place.top() < 0) place.moveTop(0);
    }
  }
  w->setGeometry(place);
}

// The frames and the window take in what their children now cover.
void holdChildren(QWidget* w) {
  QRect covered;
  for (QObject* child : w->children())
    if (auto* c = qobject_cast<QWidget*>(child); c && !c->isWindow()) {
      holdChildren(c);
      if (!c->isHidden() || c->property(kDesignPlace).isValid()) covered |= c->geometry();
    }
  if (covered.isNull() || w->layout()) return;
  const int pad = qobject_cast<QGroupBox*>(w) ? 4 : 0;
  const QSize need(std::max(w->width(), covered.right() + 1 + pad), std::max(w->height(), covered.bottom() + 1 + pad));
  if (need == w->size()) return;
  if (w->isWindow()) {
    if (w->minimumSize() == w->maximumSize()) w->setFixedSize(need);
    else w->resize(need);
  } else {
    w->resize(need);
  }
}

}  // namespace

void fitFixedTexts(QWidget* window) {
  if (!window) return;
  // The window's own design size comes back first, as the children's do.
  QVariant design = window->property(kDesignPlace);
  if (!design.isValid()) {
    design = window->size();
    window->setProperty(kDesignPlace, design);
  }
  const QSize size = design.toSize();
  if (window->minimumSize() == window->maximumSize()) window->setFixedSize(size);
  fitTexts(window);
  // Frames back at their design size before they take in their children.
  holdChildren(window);
}

}  // namespace tavo::monitor
