#include "Stats/ui/statswindowlayout.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QPushButton>

#include <algorithm>

namespace tavo::stats {

namespace {

const QColor kValueBackground(255, 254, 234);
const QColor kGreen(0, 128, 0);
const QColor kDarkRed(192, 0, 0);
constexpr int kLineHeight = 210;  // twips of one text line
// The place a caption was designed for; a width of 0 means "its text's".
constexpr char kDesignGeometry[] = "tavoDesignGeometry";
constexpr int kCaptionGap = 2;  // pixels kept free between a caption and its neighbours

}  // namespace

namespace layout {

QFont windowFont(bool bold) {
  // The layouts were made for a narrow sans serif; Arial's metrics (and
  // those of the fonts made to match them) come closest where that font is
  // missing.
  QFont f;
  f.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
                 QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"), QStringLiteral("FreeSans")});
  f.setStyleHint(QFont::SansSerif);
  f.setPointSizeF(8.25);
  f.setBold(bold);
  return f;
}

QLabel* caption(QWidget* parent, const QString& name, int x, int y, int width, Qt::Alignment align) {
  auto* l = new QLabel(parent);
  l->setObjectName(name);
  l->setFont(windowFont(false));
  l->setAlignment(align);
  // fitCaptions starts again from the design place each time.
  l->setProperty(kDesignGeometry, QRect(twips(x), twips(y), width > 0 ? twips(width) : 0, twips(kLineHeight)));
  l->setGeometry(twips(x), twips(y), twips(width), twips(kLineHeight));
  return l;
}

QLabel* heading(QWidget* parent, const QString& name, int x, int y) {
  QLabel* l = caption(parent, name, x, y);
  l->setFont(windowFont(true));
  return l;
}

QLabel* value(QWidget* parent, const QString& name, int x, int y, int width, Figure figure, const QString& design) {
  auto* l = new QLabel(design, parent);
  l->setObjectName(name);
  l->setFont(windowFont(true));
  l->setAlignment(Qt::AlignCenter);
  l->setAutoFillBackground(true);
  QPalette pal = l->palette();
  pal.setColor(QPalette::Window, kValueBackground);
  pal.setColor(QPalette::WindowText, figure == Figure::Upload ? kDarkRed : kGreen);
  l->setPalette(pal);
  l->setGeometry(twips(x), twips(y), twips(width), twips(kLineHeight));
  return l;
}

void figureTable(QWidget* parent, const TableColumns& c, int firstY, int step, const std::vector<FigureLine>& lines) {
  int y = firstY;
  for (const FigureLine& line : lines) {
    caption(parent, line.captionName, c.caption, y, c.captionWidth, Qt::AlignCenter);
    *line.dlLabel = value(parent, line.dl, c.dl, y, c.valueWidth, Figure::Download);
    *line.ulLabel = value(parent, line.ul, c.ul, y, c.valueWidth, Figure::Upload);
    if (!line.dlDate.isEmpty()) {
      caption(parent, line.leftWord, c.leftWord, y);
      *line.dlDateLabel =
          value(parent, line.dlDate, c.leftDate, y, c.dateWidth, Figure::Download, QStringLiteral("xx/xx/xx"));
      caption(parent, line.rightWord, c.rightWord, y);
      *line.ulDateLabel =
          value(parent, line.ulDate, c.rightDate, y, c.dateWidth, Figure::Upload, QStringLiteral("xx/xx/xx"));
    }
    y += step;
  }
}

QPushButton* button(QWidget* parent, const QString& name, int x, int y, int w, int h) {
  auto* b = new QPushButton(parent);
  b->setObjectName(name);
  b->setFont(windowFont(false));
  b->setGeometry(twips(x), twips(y), twips(w), twips(h));
  return b;
}

}  // namespace layout

void setCaption(QWidget* w, const QString& text) {
  if (auto* l = qobject_cast<QLabel*>(w)) l->setText(text);
  else if (auto* b = qobject_cast<QAbstractButton*>(w)) b->setText(text);
  else if (auto* g = qobject_cast<QGroupBox*>(w)) g->setTitle(text);
  else w->setWindowTitle(text);
}

QString captionOf(const QWidget* w) {
  if (auto* l = qobject_cast<const QLabel*>(w)) return l->text();
  if (auto* b = qobject_cast<const QAbstractButton*>(w)) return b->text();
  if (auto* g = qobject_cast<const QGroupBox*>(w)) return g->title();
  return w->windowTitle();
}

void fitCaptions(QWidget* window) {
  std::vector<QLabel*> captions;
  for (QLabel* l : window->findChildren<QLabel*>())
    if (l->property(kDesignGeometry).isValid()) captions.push_back(l);
  // Every caption starts again from its design place, so the result depends
  // on the texts alone, not on those shown before.
  for (QLabel* l : captions) l->setGeometry(l->property(kDesignGeometry).toRect());
  for (QLabel* l : captions) {
    const QRect design = l->property(kDesignGeometry).toRect();
    const int textWidth = l->fontMetrics().horizontalAdvance(l->text());
    QRect r = design;
    if (design.width() == 0) {
      r.setWidth(textWidth);
    } else if (textWidth > design.width()) {
      // Wider than designed: grow away from the edge the text is aligned on.
      const int grow = textWidth - design.width();
      if (l->alignment() & Qt::AlignRight) r.setLeft(r.left() - grow);
      else if (l->alignment() & Qt::AlignHCenter) r.adjust(-grow / 2, 0, grow - grow / 2, 0);
      else r.setWidth(textWidth);
    }
    // The free room on its line, between the labels left and right of its design place.
    int left = 0;
    int right = l->parentWidget()->width();
    for (QObject* o : l->parentWidget()->children()) {
      auto* other = qobject_cast<QLabel*>(o);
      if (!other || other == l || other->isWindow()) continue;
      const QRect g = other->geometry();
      if (g.bottom() < r.top() || g.top() > r.bottom()) continue;
      if (g.center().x() < design.center().x() && g.left() < design.left())
        left = std::max(left, g.right() + 1 + kCaptionGap);
      else if (g.left() >= design.left()) right = std::min(right, g.left() - kCaptionGap);
    }
    if (r.right() >= right) r.moveRight(right - 1);
    if (r.left() < left) r.moveLeft(left);
    if (r.right() >= right) r.setRight(right - 1);
    l->setGeometry(r);
  }
}

QStringList applyTexts(QWidget* window, const WindowTexts& texts) {
  const QStringList unknown = applyWindowTexts(window, texts);
  fitCaptions(window);
  return unknown;
}

}  // namespace tavo::stats
