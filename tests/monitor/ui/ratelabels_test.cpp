// The two figures of the main window at the widest texts a 10 Gbit/s line
// and a long count of megabytes give, on every skin, in both languages; the
// same binary runs at device pixel ratio 1 and 2.
#include "monitor/ui/frmnet.h"
#include "tests/support/controls.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QScreen>

#include <functional>

using namespace tavo::monitor;

namespace {

// Columns that hold ink of the text (any pixel not fully transparent).
std::pair<int, int> inkColumns(const QImage& img) {
  int first = -1;
  int last = -1;
  for (int x = 0; x < img.width(); ++x)
    for (int y = 0; y < img.height(); ++y)
      if (qAlpha(img.pixel(x, y)) > 0) {
        if (first < 0) first = x;
        last = x;
        break;
      }
  return {first, last};
}

// The label as it shows its text: its text alone, on transparency.
QImage labelInk(QLabel* label) {
  const qreal dpr = label->devicePixelRatioF();
  QImage img((QSizeF(label->size()) * dpr).toSize(), QImage::Format_ARGB32);
  img.setDevicePixelRatio(dpr);
  img.fill(Qt::transparent);
  label->render(&img, QPoint(), QRegion(), QWidget::RenderFlags());  // no background
  return img;
}

// The same text drawn with the label's font and no edge near it.
QImage unclippedInk(QLabel* label) {
  const qreal dpr = label->devicePixelRatioF();
  const QSize logical(600, label->height());
  QImage img((QSizeF(logical) * dpr).toSize(), QImage::Format_ARGB32);
  img.setDevicePixelRatio(dpr);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setFont(label->font());
  p.setPen(label->palette().color(QPalette::WindowText));
  p.drawText(QRect(QPoint(0, 0), logical), int(Qt::AlignRight | Qt::AlignTop), label->text());
  return img;
}

struct Skin {
  std::string name;
  std::function<void(frmNet&)> load;
};

std::vector<Skin> allSkins() {
  std::vector<Skin> skins{{"builtin", [](frmNet& net) {
                             net.LoadDefaultSkin("default");
                             net.LoadSkinDescriptor("default", QString());
                             net.ApplySkin();
                           }}};
  const QString folder = qEnvironmentVariable("TAVO_SUITE_DIR") + "/skins";
  for (const QString& name : QDir(folder).entryList({"*.xsd"}, QDir::Files)) {
    skins.push_back({name.toStdString(), [folder, name](frmNet& net) {
                       ASSERT_TRUE(net.LoadSkinDescriptor(folder + "/" + name, folder));
                       net.ApplySkin();
                     }});
  }
  return skins;
}

// The widest text of each display mode at 10 Gbit/s (1,250,000,000 bytes
// a second) and at 9,999,999.9 MB, in the two languages' unit words.
struct Widest {
  const char* ul;
  const char* dl;
};
const Widest kWidest[] = {
    {"10000000 kb/s UL", "10000000 kb/s DL"},                                          // kbit/s and the mean
    {"1220703 kO/s UL", "1220703 kO/s DL"},                                            // kB/s, French
    {"1220703 kB/s UL", "1220703 kB/s DL"},   {"9999999,9 MO UL", "9999999,9 MO DL"},  // megabytes, French
    {"9999999.9 MB UL", "9999999.9 MB DL"},   {"8888888,8 MO UL", "8888888,8 MO DL"},
};

// What a label took beyond its skin place: the columns left of it.
QRect grownPart(const QRect& g, int skinRight) {
  const int baseLeft = skinRight - frmNet::kRateLabelWidth;
  return g.left() < baseLeft ? QRect(g.left(), g.top(), baseLeft - g.left(), g.height()) : QRect();
}
bool overlaps(const QRect& a, const QRect& b) { return !a.isEmpty() && a.intersects(b); }

}  // namespace

TEST(RateLabels, RunAtTheRatioAsked) {
  const qreal asked =
      qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble() : 1.0;
  frmNet net;
  net.show();
  EXPECT_DOUBLE_EQ(net.devicePixelRatioF(), asked);
}

TEST(RateLabels, WidestFiguresAreDrawnWholeOnEverySkin) {
  const std::vector<Skin> skins = allSkins();
  ASSERT_GE(skins.size(), 3u) << "the built-in skin and the shipped ones";
  for (const Skin& skin : skins) {
    SCOPED_TRACE(skin.name);
    frmNet net;
    skin.load(net);
    net.show();
    const QRect graph = net.shape1Rect();
    for (const Widest& w : kWidest) {
      SCOPED_TRACE(w.dl);
      net.setRateTexts(QString::fromUtf8(w.ul), QString::fromUtf8(w.dl));
      for (QLabel* label : {tavo::test::child<QLabel>(net, "lblUL"), tavo::test::child<QLabel>(net, "lblDL")}) {
        SCOPED_TRACE(label->objectName().toStdString());
        const QRect g = label->geometry();
        EXPECT_TRUE(net.rect().contains(g));
        if (net.shapeRegion()) {
          for (QPoint corner : {g.topLeft(), g.topRight(), g.bottomLeft(), g.bottomRight()})
            EXPECT_TRUE(net.shapeRegion()->contains(corner)) << corner.x() << "," << corner.y();
        }
        // The skin's own places may touch (the built-in one's share a row);
        // what a long text adds never reaches another label or the graph.
        const int skinRight =
            label == tavo::test::child<QLabel>(net, "lblUL") ? net.skinLayout().ULLabelX : net.skinLayout().DLLabelX;
        const QRect grown = grownPart(g, skinRight);
        QLabel* other = label == tavo::test::child<QLabel>(net, "lblUL") ? tavo::test::child<QLabel>(net, "lblDL")
                                                                         : tavo::test::child<QLabel>(net, "lblUL");
        EXPECT_FALSE(overlaps(grown, tavo::test::child<QLabel>(net, "lblMore")->geometry()));
        EXPECT_FALSE(overlaps(grown, graph));
        EXPECT_FALSE(overlaps(grown, other->geometry()));
        const auto shown = inkColumns(labelInk(label));
        const auto whole = inkColumns(unclippedInk(label));
        ASSERT_GE(shown.first, 0) << "no text drawn";
        EXPECT_EQ(shown.second - shown.first, whole.second - whole.first) << "ink width differs from the whole text";
      }
    }
  }
}

// Figures that fit keep the skin's place and font, pixel for pixel, and
// the label goes back to them when a long figure has passed.
TEST(RateLabels, FiguresThatFitKeepTheSkinsPlaceAndFont) {
  for (const Skin& skin : allSkins()) {
    SCOPED_TRACE(skin.name);
    frmNet net;
    skin.load(net);
    net.show();
    net.setRateTexts("15684 kb/s UL", "15684 kb/s DL");
    const QRect ul = tavo::test::child<QLabel>(net, "lblUL")->geometry();
    const QRect dl = tavo::test::child<QLabel>(net, "lblDL")->geometry();
    const QFont font = tavo::test::child<QLabel>(net, "lblDL")->font();
    EXPECT_EQ(ul.width(), frmNet::kRateLabelWidth);
    EXPECT_EQ(dl.width(), frmNet::kRateLabelWidth);
    EXPECT_EQ(ul.right() + 1, net.skinLayout().ULLabelX);
    EXPECT_EQ(dl.right() + 1, net.skinLayout().DLLabelX);
    const QImage before = net.grab().toImage();
    net.setRateTexts("10000000 kb/s UL", "10000000 kb/s DL");
    EXPECT_NE(tavo::test::child<QLabel>(net, "lblDL")->geometry(), dl);
    net.setRateTexts("15684 kb/s UL", "15684 kb/s DL");
    EXPECT_EQ(tavo::test::child<QLabel>(net, "lblUL")->geometry(), ul);
    EXPECT_EQ(tavo::test::child<QLabel>(net, "lblDL")->geometry(), dl);
    EXPECT_EQ(tavo::test::child<QLabel>(net, "lblDL")->font(), font);
    EXPECT_EQ(net.grab().toImage(), before);
  }
}

TEST(RateLabels, UnderlineSurvivesAShrunkFont) {
  frmNet net;
  allSkins().front().load(net);
  net.show();
  net.underlineDirection(true);
  net.setRateTexts("10000000 kb/s UL", "10000000 kb/s DL");
  EXPECT_TRUE(tavo::test::child<QLabel>(net, "lblDL")->font().underline());
  EXPECT_FALSE(tavo::test::child<QLabel>(net, "lblUL")->font().underline());
  net.underlineDirection(false);
  EXPECT_FALSE(tavo::test::child<QLabel>(net, "lblDL")->font().underline());
  EXPECT_TRUE(tavo::test::child<QLabel>(net, "lblUL")->font().underline());
  EXPECT_EQ(tavo::test::child<QLabel>(net, "lblDL")->text(), "10000000 kb/s DL");
}
