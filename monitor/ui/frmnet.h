#pragma once
// The main window: the skinned, frameless, always-on-top window with the
// two rate figures, the "set" label and the 60-bar mini graph. Everything
// is done with the mouse; what the clicks lead to outside this window it
// only signals, so the window knows nothing of the engine.
#include "monitor/core/skinlayout.h"

#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPoint>
#include <QWidget>

#include <array>
#include <optional>

namespace tavo::monitor {

// Opacity of a window, 0 invisible to 255 opaque.
void SetWindowAlpha(QWidget* window, int opacity);

class frmNet : public QWidget {
  Q_OBJECT
 public:
  // One bar of the mini graph: a vertical line at column x from its base
  // y1 up to y2 (y2 < y1); its height y1 - y2 in pixels need not be whole.
  struct Bar {
    int x = 0;
    int y1 = 0;
    double y2 = 0;
    double height() const { return y1 - y2; }
  };
  // The whole rows a bar covers on screen; a height out of all measure
  // draws no higher than four times the graph.
  static constexpr int kMaxBarRows = kGraphHeight * 4;
  static int drawnRows(const Bar& bar);

  explicit frmNet(QWidget* parent = nullptr);

  // Loaders: each acts only for its kind of SkinDescriptorFile value.
  void LoadDefaultSkin(const QString& skinDescriptorFile);
  // Returns false when the descriptor could not be used: the skin shown
  // before stays (the built-in one when none was loaded yet).
  bool LoadSkinDescriptor(const QString& skinDescriptorFile, const QString& skinsFolder);
  void ApplySkin();

  void HandleSkinMouseDown(Qt::MouseButton button, const QPoint& globalPos);

  const SkinLayout& skinLayout() const { return layout_; }
  const QImage& picSkin() const { return picSkin_; }
  const QImage& picDefaultSkin() const { return picDefaultSkin_; }
  // The window's shape; nothing when the window is a plain rectangle.
  const std::optional<QRegion>& shapeRegion() const { return region_; }

  // Mini graph: bar 0 is the newest, rightmost one.
  static constexpr int kBars = kGraphWidth;
  const Bar& bar(int i) const { return bars_[i]; }
  void setBarHeight(int i, double height);
  void clearBars();  // every bar empty: its top on its base
  QRect shape1Rect() const { return shape1_; }
  QColor skinColor() const { return color_; }

  // Which figure carries the underline: the direction the mini graph shows.
  // The choice is kept and survives every later font change (a skin's fonts).
  void underlineDirection(bool download);
  bool downloadUnderlined() const { return underlineDownload_; }

  // The mini graph's place on the window: where the pointer shows the bubble.
  const QWidget* graphArea() const { return lblGraphe; }

  // The two figures' texts: each label shows its whole text, growing left
  // from the skin's right edge and then with a smaller font when the text
  // is wider than the skin's place (figures of a gigabit line).
  void setRateTexts(const QString& ulText, const QString& dlText);

  // Label sizes of the design; the skin gives only their anchors.
  static constexpr int kRateLabelWidth = 80;
  static constexpr int kRateLabelHeight = 14;
  static constexpr int kSetLabelWidth = 30;
  static constexpr int kSetLabelHeight = 14;

 signals:
  // A right press on the skin: what it does depends on the option and on
  // the notification area, which the window does not know.
  void skinRightPressed();
  void settingsRequested();    // "set" clicked
  void hoursGraphRequested();  // double click
  void graphHovered();         // the pointer over the mini graph
  void pointerLeftGraph();     // the pointer elsewhere on the window

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  QLabel* imgSkin = nullptr;
  QLabel* lblUL = nullptr;
  QLabel* lblDL = nullptr;
  QLabel* lblMore = nullptr;
  QLabel* lblGraphe = nullptr;

  class GraphLayer;
  void showPicture(const QImage& image);
  void beginDrag(const QPoint& globalPos);
  void applyUnderline();
  // The shape in device pixels depends on the screen's scale: it is set
  // again whenever the window comes to another screen.
  void reapplyShape();
  // A rate label's place and font for its text, from the skin's.
  struct RateLabelSkin {
    QRect base;  // the skin's place: kRateLabelWidth wide, right edge at the anchor
    QFont font;  // the skin's font, with the underline of the moment
    int leftLimit = 0;
    QString text;  // the text the label was last fitted to
    bool fitted = false;
  };
  void fitRateLabel(QLabel* label, RateLabelSkin& skin, const QString& text);
  void refitRateLabels();

  SkinLayout layout_;
  QImage picSkin_;
  QPixmap skinPixmap_;  // the picture imgSkin shows, as the graph paints it too
  QImage picDefaultSkin_;
  std::optional<QRegion> region_;
  std::array<Bar, kBars> bars_{};
  QRect shape1_;
  QColor color_;
  bool underlineDownload_ = true;
  bool screenWatched_ = false;
  GraphLayer* graphLayer_ = nullptr;
  RateLabelSkin ulSkin_;
  RateLabelSkin dlSkin_;
  // A left or middle press arms a drag; once the pointer has moved a little
  // the window follows it: its place at the press plus the pointer's way
  // since the press.
  static constexpr Qt::MouseButtons kDragButtons = Qt::LeftButton | Qt::MiddleButton;
  bool dragArmed_ = false;
  bool manualDrag_ = false;
  QPoint dragStartGlobal_;
  QPoint dragStartPos_;
};

}  // namespace tavo::monitor
