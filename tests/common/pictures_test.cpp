#include "common/pictures.h"

#include <gtest/gtest.h>
#include <QImage>

using tavo::iconPicture;
using tavo::PictureKind;

namespace {

constexpr PictureKind kAllKinds[] = {PictureKind::ZoomIn, PictureKind::ZoomOut, PictureKind::Printer,
                                     PictureKind::Help,   PictureKind::Quit,    PictureKind::Details,
                                     PictureKind::Save,   PictureKind::Reload};
constexpr PictureKind kDrawnKinds[] = {PictureKind::ZoomIn, PictureKind::ZoomOut, PictureKind::Printer,
                                       PictureKind::Help, PictureKind::Quit};

const QColor kInk(200, 0, 0);
const QColor kTransparent(0, 0, 0, 0);

QColor at(const QPixmap& pm, QPoint p) { return pm.toImage().convertToFormat(QImage::Format_ARGB32).pixelColor(p); }

TEST(IconPicture, EveryKindIsSquareAtTheSideAskedAndNothingBelowOnePixel) {
  for (PictureKind kind : kAllKinds) {
    for (int side : {16, 24, 40}) {
      const QPixmap pm = iconPicture(kind, side, kInk);
      EXPECT_EQ(pm.size(), QSize(side, side)) << int(kind) << " at " << side;
    }
    for (int side : {0, -5}) EXPECT_TRUE(iconPicture(kind, side).isNull()) << int(kind) << " at " << side;
  }
}

TEST(IconPicture, DrawnKindsLeaveTheirCornersTransparent) {
  for (PictureKind kind : kDrawnKinds)
    for (int side : {16, 24, 48})
      for (QPoint corner : {QPoint(0, 0), QPoint(side - 1, 0), QPoint(0, side - 1), QPoint(side - 1, side - 1)})
        EXPECT_EQ(at(iconPicture(kind, side, kInk), corner).alpha(), 0) << int(kind) << " at " << side;
}

// Points of the 24-pixel design, scaled with the side.
TEST(IconPicture, MagnifierAndPrinterKeepTheirShapeInTheInkAskedAtAnySide) {
  const QColor grey(160, 160, 160);
  struct Case {
    const char* what;
    PictureKind kind;
    QPoint design;
    QColor expected;
  };
  const Case cases[] = {
      {"the plus's upright", PictureKind::ZoomIn, {9, 7}, kInk},
      {"no upright without the plus", PictureKind::ZoomOut, {9, 7}, kTransparent},
      {"the bar of the plus", PictureKind::ZoomIn, {7, 9}, kInk},
      {"the bar of the minus", PictureKind::ZoomOut, {7, 9}, kInk},
      {"the handle", PictureKind::ZoomOut, {19, 19}, kInk},
      {"inside the lens, off the sign", PictureKind::ZoomIn, {6, 12}, kTransparent},
      {"the sheet going in", PictureKind::Printer, {12, 5}, Qt::white},
      {"the body", PictureKind::Printer, {4, 12}, grey},
      {"the printed sheet", PictureKind::Printer, {12, 19}, Qt::white},
      {"beside the sheet", PictureKind::Printer, {4, 4}, kTransparent},
  };
  for (int scale : {1, 2}) {
    for (const Case& c : cases) {
      const QColor got = at(iconPicture(c.kind, 24 * scale, kInk), c.design * scale);
      if (c.expected.alpha() == 0) EXPECT_EQ(got.alpha(), 0) << c.what << " x" << scale;
      else EXPECT_EQ(got, c.expected) << c.what << " x" << scale;
    }
  }
  EXPECT_EQ(at(iconPicture(PictureKind::Printer, 24, kInk), {7, 2}), kInk);         // the outline
  EXPECT_EQ(at(iconPicture(PictureKind::Printer, 24), {7, 2}), QColor(Qt::black));  // ink by default
}

TEST(IconPicture, DisksAreInTheColourAskedWithAWhiteMark) {
  const QColor fill(40, 90, 170);
  for (PictureKind kind : {PictureKind::Help, PictureKind::Quit}) {
    for (int side : {20, 32}) {
      const QPixmap pm = iconPicture(kind, side, fill);
      EXPECT_EQ(at(pm, {3, side / 2}), fill) << int(kind) << " at " << side;
      EXPECT_EQ(at(pm, {side - 4, side / 2}), fill) << int(kind) << " at " << side;
      const QImage img = pm.toImage().convertToFormat(QImage::Format_ARGB32);
      bool white = false;
      for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) white = white || img.pixelColor(x, y) == QColor(Qt::white);
      EXPECT_TRUE(white) << int(kind) << " at " << side;
    }
  }
  // The cross meets in the middle.
  EXPECT_EQ(at(iconPicture(PictureKind::Quit, 24, fill), {11, 11}), QColor(Qt::white));
}

}  // namespace
