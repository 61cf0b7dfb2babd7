#include "monitor/ui/frmnet.h"

#include "common/platform/desktop/desktop.h"
#include "monitor/core/monitorsettings.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include <cmath>
#include <tuple>

namespace tavo::monitor {

void SetWindowAlpha(QWidget* window, int opacity) { tavo::desktop::setOpacity(window, opacity); }

int frmNet::drawnRows(const Bar& bar) { return int(std::lround(std::clamp(bar.height(), 0.0, double(kMaxBarRows)))); }

// Paints the mini graph: the skin picture behind it, its frame and its
// bars; the mouse goes through it to what lies below. It covers the graph
// only: a bar that moves then repaints that small rectangle, not the whole
// window with its labels, and Qt never finds a fill large enough to share
// out among its painting threads. As it paints its whole rectangle itself,
// the skin label beneath is not painted again for a bar.
class frmNet::GraphLayer : public QWidget {
 public:
  explicit GraphLayer(frmNet* owner) : QWidget(owner), owner_(owner) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);
    // Everything is placed in the window's coordinates.
    p.translate(-pos());
    p.drawPixmap(0, 0, owner_->skinPixmap_);
    p.setPen(owner_->color_);
    const QRect& r = owner_->shape1_;
    if (r.width() > 0 && r.height() > 0) p.drawRect(r.adjusted(0, 0, -1, -1));
    for (const Bar& bar : owner_->bars_) {
      const int rows = drawnRows(bar);
      if (rows <= 0) continue;
      // The bar covers the rows just above its base.
      p.drawLine(bar.x, bar.y1 - rows, bar.x, bar.y1 - 1);
    }
  }

 private:
  frmNet* owner_;
};

frmNet::frmNet(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("frmNet"));
  tavo::desktop::makeTopmostToolWindow(this);
  setWindowTitle(QStringLiteral("Tavo"));
  setMouseTracking(true);

  imgSkin = new QLabel(this);
  imgSkin->setObjectName(QStringLiteral("imgSkin"));
  graphLayer_ = new GraphLayer(this);

  auto makeLabel = [this](const char* name, Qt::Alignment align, int w, int h) {
    auto* label = new QLabel(this);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(align | Qt::AlignTop);
    label->resize(w, h);
    return label;
  };
  lblUL = makeLabel("lblUL", Qt::AlignRight, kRateLabelWidth, kRateLabelHeight);
  lblDL = makeLabel("lblDL", Qt::AlignRight, kRateLabelWidth, kRateLabelHeight);
  lblMore = makeLabel("lblMore", Qt::AlignHCenter, kSetLabelWidth, kSetLabelHeight);
  lblMore->setText(QStringLiteral("set"));
  lblMore->setCursor(Qt::PointingHandCursor);
  lblGraphe = makeLabel("lblGraphe", Qt::AlignLeft, kGraphWidth + 2, kGraphHeight + 2);

  for (QWidget* w : {static_cast<QWidget*>(imgSkin), static_cast<QWidget*>(lblUL), static_cast<QWidget*>(lblDL),
                     static_cast<QWidget*>(lblMore), static_cast<QWidget*>(lblGraphe)}) {
    w->setMouseTracking(true);
    w->installEventFilter(this);
  }

  picDefaultSkin_ = makeBuiltinSkinImage();
  clearBars();
}

void frmNet::showPicture(const QImage& image) {
  skinPixmap_ = QPixmap::fromImage(image);
  imgSkin->setPixmap(skinPixmap_);
  imgSkin->setGeometry(0, 0, image.width(), image.height());
}

void frmNet::LoadDefaultSkin(const QString& skinDescriptorFile) {
  if (skinDescriptorFile != builtInSkinName()) return;
  picSkin_ = picDefaultSkin_;
  showPicture(picSkin_);
  setBuiltinValues(layout_);
}

bool frmNet::LoadSkinDescriptor(const QString& skinDescriptorFile, const QString& skinsFolder) {
  if (skinDescriptorFile == builtInSkinName()) return true;
  if (picSkin_.isNull()) {
    // Nothing shown yet: a descriptor that cannot be used, or lacks some
    // values, leaves the built-in skin rather than an empty layout.
    picSkin_ = picDefaultSkin_;
    showPicture(picSkin_);
    setBuiltinValues(layout_);
  }
  const auto pairs = readSkinDescriptor(skinDescriptorFile);
  if (!pairs) return false;
  applyDescriptorPairs(layout_, *pairs);
  if (!layout_.SkinBitmapFile.isEmpty()) {
    if (auto image = loadSkinBitmap(skinsFolder + u'/' + layout_.SkinBitmapFile)) {
      picSkin_ = *image;
      showPicture(picSkin_);
    }
  }
  return true;
}

void frmNet::ApplySkin() {
  if (picSkin_.isNull()) {
    picSkin_ = picDefaultSkin_;
    showPicture(picSkin_);
  }
  // 1. colour of texts, bars and frame
  color_ = layout_.color();
  for (QLabel* label : {lblUL, lblDL, lblMore}) {
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, color_);
    label->setPalette(pal);
  }
  // 2.-4. size and shape. A window that is shown stays mapped: under a
  // reparenting window manager an unmap and map would give it a new place
  // and drop its topmost state, so it is reshaped where it is.
  const bool shown = isVisible();
  clearMask();
  setFixedSize(picSkin_.size());
  region_ = RegionFromBitmap(picSkin_);
  if (region_) setMask(*region_);

  const QString fallback = QApplication::font().family();
  auto place = [&](QLabel* label, int left, int top, const QString& font, std::int16_t size) {
    label->move(left, top);
    label->setFont(skinFont(label->font(), font, size, fallback));
    if (label == lblUL) ulSkin_.font = label->font();
    if (label == lblDL) dlSkin_.font = label->font();
  };
  // 5.-7. labels: right edges for the figures, centre for "set"; the width
  // used is the skin's, whatever a long text made of it.
  for (QLabel* label : {lblUL, lblDL}) label->resize(kRateLabelWidth, kRateLabelHeight);
  place(lblDL, layout_.DLLabelX - lblDL->width(), layout_.DLLabelY, layout_.DLLabelFont, layout_.DLLabelFontsize);
  place(lblUL, layout_.ULLabelX - lblUL->width(), layout_.ULLabelY, layout_.ULLabelFont, layout_.ULLabelFontsize);
  place(lblMore, layout_.SetLabelX - lblMore->width() / 2, layout_.SetLabelY, layout_.SetLabelFont,
        layout_.SetLabelFontsize);
  // 8. frame and hover area one pixel outside the bars on every side
  shape1_ = QRect(layout_.GraphX - 1, layout_.GraphY - 1, kGraphWidth + 2, kGraphHeight + 2);
  // Where the figures may grow for long texts: not into each other, the
  // "set" label or the graph, nor out of the skin's shape.
  ulSkin_.base = QRect(lblUL->pos(), QSize(kRateLabelWidth, kRateLabelHeight));
  dlSkin_.base = QRect(lblDL->pos(), QSize(kRateLabelWidth, kRateLabelHeight));
  {
    const std::vector<QRect> runs = region_ ? shapeRuns(picSkin_) : std::vector<QRect>{};
    const QRect set = lblMore->geometry();
    ulSkin_.leftLimit = rateLabelLeftLimit(ulSkin_.base, {dlSkin_.base, set, shape1_}, runs);
    dlSkin_.leftLimit = rateLabelLeftLimit(dlSkin_.base, {ulSkin_.base, set, shape1_}, runs);
  }
  lblGraphe->setGeometry(shape1_);
  // The layer reaches as high as the tallest bar it can draw.
  graphLayer_->setGeometry(shape1_.united(QRect(shape1_.left(), shape1_.bottom() - kMaxBarRows, shape1_.width(), 1)));
  // 9. bars keep their heights and move with the graph
  for (int i = 0; i < kBars; ++i) {
    const double height = bars_[i].height();
    bars_[i].x = layout_.GraphX + (kBars - 1) - i;
    bars_[i].y1 = layout_.GraphY + kGraphHeight;
    bars_[i].y2 = bars_[i].y1 - height;
  }
  imgSkin->lower();
  graphLayer_->raise();
  lblUL->raise();
  lblDL->raise();
  lblMore->raise();
  lblGraphe->raise();
  applyUnderline();
  refitRateLabels();
  graphLayer_->update();
  // 10. A window shown for the first time (or again) goes to its own
  // place, not to where the window manager would put a new window.
  if (!shown) {
    move(pos());
    show();
  }
}

void frmNet::reapplyShape() {
  // Qt keeps the window's size in device pixels when it comes to a screen
  // of another scale, which halves or doubles it in our pixels, and the
  // window manager keeps the old fixed size: both are set again for the
  // new scale (a size that differs first, as an equal one is not sent).
  const QSize skin = picSkin_.isNull() ? size() : picSkin_.size();
  if (size() != skin) {
    setFixedSize(skin + QSize(1, 1));
    setFixedSize(skin);
  }
  if (region_) {
    clearMask();
    setMask(*region_);
  }
  update();
}

bool frmNet::event(QEvent* e) {
  if (e->type() == QEvent::Show && !screenWatched_ && windowHandle()) {
    screenWatched_ = true;
    // Queued: the new screen's scale is in force once Qt has handled the move.
    connect(windowHandle(), &QWindow::screenChanged, this, &frmNet::reapplyShape, Qt::QueuedConnection);
    reapplyShape();
  }
  return QWidget::event(e);
}

void frmNet::setBarHeight(int i, double height) {
  if (i < 0 || i >= kBars) return;
  Bar& bar = bars_[i];
  const int rowsBefore = drawnRows(bar);
  bar.y2 = bar.y1 - std::max(0.0, height);
  const int rows = std::max(rowsBefore, drawnRows(bar));
  // Only the column the bar covered or covers now is repainted, and none
  // when the bar looks as it did.
  if (drawnRows(bar) != rowsBefore)
    graphLayer_->update(QRect(bar.x, bar.y1 - rows, 1, rows).translated(-graphLayer_->pos()));
}

void frmNet::clearBars() {
  for (Bar& bar : bars_) bar.y2 = bar.y1;
  if (graphLayer_) graphLayer_->update();
}

void frmNet::underlineDirection(bool download) {
  underlineDownload_ = download;
  applyUnderline();
}

void frmNet::applyUnderline() {
  QFont dl = lblDL->font();
  dl.setUnderline(underlineDownload_);
  lblDL->setFont(dl);
  QFont ul = lblUL->font();
  ul.setUnderline(!underlineDownload_);
  lblUL->setFont(ul);
  refitRateLabels();
}

void frmNet::setRateTexts(const QString& ulText, const QString& dlText) {
  fitRateLabel(lblUL, ulSkin_, ulText);
  fitRateLabel(lblDL, dlSkin_, dlText);
}

void frmNet::fitRateLabel(QLabel* label, RateLabelSkin& skin, const QString& text) {
  // The tick sets the texts every second; a text met last time costs
  // nothing, a new one one measure (two only when it is too wide).
  if (skin.fitted && text == skin.text) return;
  skin.text = text;
  skin.fitted = true;
  if (skin.base.isNull()) {  // no skin yet
    label->setText(text);
    return;
  }
  const QRect& other = &skin == &ulSkin_ ? dlSkin_.base : ulSkin_.base;
  const RateLabelFit fit = tavo::monitor::fitRateLabel(text, skin.font, skin.base, skin.leftLimit, other, label);
  if (label->geometry() != fit.geometry) label->setGeometry(fit.geometry);
  if (label->font() != fit.font) label->setFont(fit.font);
  label->setText(text);
}

void frmNet::refitRateLabels() {
  // Again from the skin's font, with the underline of the moment.
  for (auto [label, skin, underline] :
       {std::tuple{lblUL, &ulSkin_, !underlineDownload_}, std::tuple{lblDL, &dlSkin_, underlineDownload_}}) {
    if (skin->base.isNull()) continue;
    skin->fitted = false;
    const QString text = skin->text.isNull() ? label->text() : skin->text;
    skin->font.setUnderline(underline);
    fitRateLabel(label, *skin, text);
  }
}

void frmNet::HandleSkinMouseDown(Qt::MouseButton button, const QPoint& globalPos) {
  if (button & Qt::RightButton) {
    emit skinRightPressed();
    return;
  }
  if (!(kDragButtons & button)) return;
  dragArmed_ = true;
  manualDrag_ = false;
  dragStartGlobal_ = globalPos;  // the press's own point: the pointer may have moved on since
  dragStartPos_ = pos();
}

void frmNet::beginDrag(const QPoint& globalPos) {
  if (!dragArmed_ || manualDrag_) return;
  if ((globalPos - dragStartGlobal_).manhattanLength() < QApplication::startDragDistance()) return;
  // A move left to the window manager starts from where the pointer is when
  // it takes over, so the way already made would be lost: the window is
  // moved here, from the press point. Only where a program cannot place its
  // own windows (Wayland) does the compositor move it.
  if (QGuiApplication::platformName().startsWith(u"wayland")) {
    QWindow* handle = windowHandle();
    if (handle && handle->startSystemMove()) {
      dragArmed_ = false;
      return;
    }
  }
  manualDrag_ = true;
}

bool frmNet::eventFilter(QObject* watched, QEvent* event) {
  const bool skinPart = watched == imgSkin || watched == lblUL || watched == lblDL || watched == lblGraphe;
  switch (event->type()) {
    case QEvent::Paint:
      // The hover area has neither text nor frame: painting it, each time a
      // bar beneath it moves, would draw nothing.
      return watched == lblGraphe;
    case QEvent::MouseButtonPress: {
      auto* e = static_cast<QMouseEvent*>(event);
      if (watched == lblMore) return true;  // its action comes with the release
      if (!skinPart) break;
      HandleSkinMouseDown(e->button(), e->globalPosition().toPoint());
      return true;
    }
    case QEvent::MouseButtonDblClick:
      if (!skinPart) break;
      dragArmed_ = manualDrag_ = false;
      emit hoursGraphRequested();
      return true;
    case QEvent::MouseMove: {
      auto* e = static_cast<QMouseEvent*>(event);
      const QPoint global = e->globalPosition().toPoint();
      if (dragArmed_ && (e->buttons() & kDragButtons)) {
        beginDrag(global);
        if (manualDrag_) move(dragStartPos_ + (global - dragStartGlobal_));
        return true;
      }
      if (watched == lblGraphe) emit graphHovered();
      else emit pointerLeftGraph();
      return true;
    }
    case QEvent::MouseButtonRelease: {
      dragArmed_ = manualDrag_ = false;
      auto* e = static_cast<QMouseEvent*>(event);
      if (watched == lblMore && e->button() == Qt::LeftButton && lblMore->rect().contains(e->position().toPoint())) {
        emit settingsRequested();
        return true;
      }
      break;
    }
    default: break;
  }
  return QWidget::eventFilter(watched, event);
}

void frmNet::mouseMoveEvent(QMouseEvent* event) {
  emit pointerLeftGraph();
  QWidget::mouseMoveEvent(event);
}

}  // namespace tavo::monitor
