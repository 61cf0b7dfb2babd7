#include "monitor/ui/frmnet.h"
#include "tests/support/controls.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace tavo::monitor;

namespace {

QRect geometryOf(QWidget* w) { return w->geometry(); }

void writeText(const QString& path, const QByteArray& text) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(text);
}

// A skins folder with a square bitmap whose corners are cut (key magenta).
struct SkinsFolder {
  QTemporaryDir dir;
  QString path() const { return dir.path(); }
  SkinsFolder() {
    QImage img(90, 80, QImage::Format_RGB888);
    img.fill(QColor(255, 0, 255));
    for (int y = 1; y < 79; ++y)
      for (int x = 1; x < 89; ++x) img.setPixelColor(x, y, QColor(100, 120, 140));
    img.save(dir.path() + "/plate.bmp");
  }
  QString descriptor(const QString& name, const QByteArray& body) const {
    const QString p = dir.path() + "/" + name;
    writeText(p, body);
    return p;
  }
};

const QByteArray kPlate =
    "DLLabelX=85\r\nDLLabelY=60\r\nDLLabelFont=Arial\r\nDLLabelFontsize=9\r\n"
    "ULLabelX=85\r\nULLabelY=45\r\nULLabelFont=Arial\r\nULLabelFontsize=9\r\n"
    "SetLabelX=45\r\nSetLabelY=66\r\nSetLabelFont=Arial\r\nSetLabelFontsize=7\r\n"
    "GraphX=10\r\nGraphY=5\r\nColorR=10\r\nColorG=20\r\nColorB=30\r\nSkinBitmapFile=plate.bmp\r\n";

class FrmNetTest : public ::testing::Test {
 protected:
  frmNet net;
  void builtin() {
    net.LoadDefaultSkin("default");
    net.LoadSkinDescriptor("default", QString());
    net.ApplySkin();
  }
};

}  // namespace

TEST_F(FrmNetTest, BuiltinSkinPlacesEverything) {
  builtin();
  EXPECT_TRUE(net.isVisible());
  EXPECT_EQ(net.size(), QSize(136, 131));
  ASSERT_TRUE(net.shapeRegion());
  EXPECT_EQ(net.mask(), *net.shapeRegion());
  EXPECT_FALSE(net.mask().contains(QPoint(0, 0)));
  EXPECT_TRUE(net.mask().contains(QPoint(68, 65)));

  EXPECT_EQ(geometryOf(tavo::test::child<QLabel>(net, "lblUL")).right() + 1, 100);
  EXPECT_EQ(tavo::test::child<QLabel>(net, "lblUL")->y(), 80);
  EXPECT_EQ(geometryOf(tavo::test::child<QLabel>(net, "lblDL")).right() + 1, 100);
  EXPECT_EQ(tavo::test::child<QLabel>(net, "lblDL")->y(), 93);
  EXPECT_EQ(tavo::test::child<QLabel>(net, "lblMore")->text(), "set");
  EXPECT_EQ(tavo::test::child<QLabel>(net, "lblMore")->x() + tavo::test::child<QLabel>(net, "lblMore")->width() / 2,
            70);
  EXPECT_EQ(tavo::test::child<QLabel>(net, "lblMore")->y(), 106);
  EXPECT_EQ(net.shape1Rect(), QRect(37, 22, 62, 52));
  EXPECT_EQ(geometryOf(tavo::test::child<QLabel>(net, "lblGraphe")), QRect(37, 22, 62, 52));
  EXPECT_EQ(net.bar(59).x, 38);
  EXPECT_EQ(net.bar(0).x, 97);
  for (int i = 0; i < frmNet::kBars; ++i) {
    EXPECT_EQ(net.bar(i).y1, 73);
    EXPECT_EQ(net.bar(i).height(), 0);
  }
  const QColor colour(60, 0, 150);
  EXPECT_EQ(net.skinColor(), colour);
  EXPECT_EQ(tavo::test::child<QLabel>(net, "lblUL")->palette().color(QPalette::WindowText), colour);
  EXPECT_EQ(tavo::test::child<QLabel>(net, "lblMore")->palette().color(QPalette::WindowText), colour);
}

TEST_F(FrmNetTest, BarsAndFrameAreDrawnWhereTheyStand) {
  builtin();
  net.setBarHeight(0, 25);   // half of the 50-pixel graph
  net.setBarHeight(59, 50);  // full height
  const QImage img = net.grab().toImage();
  const QColor colour(60, 0, 150);
  EXPECT_EQ(img.pixelColor(37, 22), colour);  // frame corners
  EXPECT_EQ(img.pixelColor(98, 73), colour);
  EXPECT_EQ(img.pixelColor(97, 72), colour);  // newest bar from its base...
  EXPECT_EQ(img.pixelColor(97, 48), colour);  // ...25 rows up
  EXPECT_NE(img.pixelColor(97, 47), colour);
  EXPECT_EQ(img.pixelColor(38, 23), colour);  // oldest bar fills the frame
  EXPECT_NE(img.pixelColor(60, 60), colour);  // an empty bar
}

// Each change repaints only the rectangles it touches: after every step
// the window on screen must be what a full painting gives, and a bar out of
// all measure still reaches above the frame over the skin.
TEST_F(FrmNetTest, PartialRepaintsLeaveTheWindowAsAFullPainting) {
  builtin();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&net));
  const std::function<void()> steps[] = {
      [&] { tavo::test::child<QLabel>(net, "lblUL")->setText("1234 kB/s UL"); },
      [&] { tavo::test::child<QLabel>(net, "lblDL")->setText("56 kB/s DL"); },
      [&] {
        for (int i = 0; i < frmNet::kBars; ++i) net.setBarHeight(i, (i * 7) % 51);
      },
      [&] {
        for (int i = 0; i < frmNet::kBars; ++i) net.setBarHeight(i, (i * 7 + 3) % 51 + 0.4);
      },
      [&] { net.setBarHeight(10, 120); },  // taller than the graph
      [&] { net.setBarHeight(10, 2); },
      [&] { tavo::test::child<QLabel>(net, "lblDL")->setText("56 kB/s DL"); },  // unchanged text
      [&] { net.clearBars(); },
  };
  for (std::size_t k = 0; k < std::size(steps); ++k) {
    SCOPED_TRACE(k);
    steps[k]();
    QCoreApplication::processEvents();
    const QImage shown = net.screen()->grabWindow(net.winId()).toImage().convertToFormat(QImage::Format_RGB32);
    const QImage full = net.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), full.size());
    // Outside the window's shape nothing is seen, nor painted.
    int differing = 0;
    for (int y = 0; y < full.height(); ++y)
      for (int x = 0; x < full.width(); ++x)
        if (net.mask().contains(QPoint(x, y)) && shown.pixel(x, y) != full.pixel(x, y)) ++differing;
    EXPECT_EQ(differing, 0);
  }
  net.setBarHeight(10, 120);
  const QImage img = net.grab().toImage();
  EXPECT_EQ(img.pixelColor(net.bar(10).x, net.shape1Rect().top() - 5), net.skinColor());
}

TEST_F(FrmNetTest, DescriptorsDifferingInOneColourChangeOnlyTheColour) {
  SkinsFolder skins;
  QByteArray other = kPlate;
  other.replace("ColorR=10", "ColorR=200");
  const QString a = skins.descriptor("a.xsd", kPlate);
  const QString b = skins.descriptor("b.xsd", other);
  ASSERT_TRUE(net.LoadSkinDescriptor(a, skins.path()));
  net.ApplySkin();
  EXPECT_EQ(net.size(), QSize(90, 80));
  const QRect ul = tavo::test::child<QLabel>(net, "lblUL")->geometry(),
              dl = tavo::test::child<QLabel>(net, "lblDL")->geometry(),
              more = tavo::test::child<QLabel>(net, "lblMore")->geometry();
  const QFont ulFont = tavo::test::child<QLabel>(net, "lblUL")->font();
  const QRegion mask = net.mask();
  const QImage picture = net.picSkin();

  ASSERT_TRUE(net.LoadSkinDescriptor(b, skins.path()));
  net.ApplySkin();
  EXPECT_EQ(net.skinColor(), QColor(200, 20, 30));
  EXPECT_EQ(tavo::test::child<QLabel>(net, "lblDL")->palette().color(QPalette::WindowText), QColor(200, 20, 30));
  EXPECT_EQ(tavo::test::child<QLabel>(net, "lblUL")->geometry(), ul);
  EXPECT_EQ(tavo::test::child<QLabel>(net, "lblDL")->geometry(), dl);
  EXPECT_EQ(tavo::test::child<QLabel>(net, "lblMore")->geometry(), more);
  EXPECT_EQ(tavo::test::child<QLabel>(net, "lblUL")->font(), ulFont);
  EXPECT_EQ(net.mask(), mask);
  EXPECT_EQ(net.picSkin(), picture);
  EXPECT_EQ(net.shape1Rect(), QRect(9, 4, 62, 52));
}

TEST_F(FrmNetTest, MissingBitmapKeepsPictureAndShapeButTakesLayout) {
  SkinsFolder skins;
  ASSERT_TRUE(net.LoadSkinDescriptor(skins.descriptor("a.xsd", kPlate), skins.path()));
  net.ApplySkin();
  const QRegion mask = net.mask();
  ASSERT_TRUE(
      net.LoadSkinDescriptor(skins.descriptor("c.xsd", "GraphX=20\r\nSkinBitmapFile=gone.bmp\r\n"), skins.path()));
  net.ApplySkin();
  EXPECT_EQ(net.size(), QSize(90, 80));
  EXPECT_EQ(net.mask(), mask);
  EXPECT_EQ(net.shape1Rect().left(), 19);
}

TEST_F(FrmNetTest, UnusableSkinFilesKeepThePreviousSkin) {
  SkinsFolder skins;
  QFile::copy(skins.path() + "/plate.bmp", skins.path() + "/plate2.bmp");
  writeText(skins.path() + "/broken.bmp", "not a bitmap");
  // At start-up, with nothing loaded yet: the built-in skin.
  EXPECT_FALSE(net.LoadSkinDescriptor(skins.path() + "/missing.xsd", skins.path()));
  net.ApplySkin();
  EXPECT_EQ(net.size(), QSize(136, 131));
  EXPECT_EQ(net.skinLayout(), builtinSkinLayout());

  ASSERT_TRUE(net.LoadSkinDescriptor(skins.descriptor("a.xsd", kPlate), skins.path()));
  net.ApplySkin();
  const SkinLayout before = net.skinLayout();
  for (const QByteArray& body : {QByteArray(), QByteArray("nothing useful\r\n"), QByteArray(70000, 'z')}) {
    EXPECT_FALSE(net.LoadSkinDescriptor(skins.descriptor("bad.xsd", body), skins.path()));
    net.ApplySkin();
    EXPECT_EQ(net.skinLayout(), before);
    EXPECT_EQ(net.size(), QSize(90, 80));
  }
  // A bitmap that is not an image keeps the picture.
  ASSERT_TRUE(net.LoadSkinDescriptor(skins.descriptor("d.xsd", "SkinBitmapFile=broken.bmp\r\n"), skins.path()));
  net.ApplySkin();
  EXPECT_EQ(net.size(), QSize(90, 80));
}

TEST_F(FrmNetTest, DescriptorWithoutBitmapAtStartUsesTheBuiltinPicture) {
  SkinsFolder skins;
  ASSERT_TRUE(net.LoadSkinDescriptor(skins.descriptor("e.xsd", "ColorR=255\r\n"), skins.path()));
  net.ApplySkin();
  EXPECT_EQ(net.size(), QSize(136, 131));
  EXPECT_EQ(net.skinColor(), QColor(255, 0, 150));
  EXPECT_EQ(tavo::test::child<QLabel>(net, "lblUL")->y(), 80);
}

TEST_F(FrmNetTest, UnknownFontsAndBadSizesFallBack) {
  SkinsFolder skins;
  ASSERT_TRUE(net.LoadSkinDescriptor(
      skins.descriptor("f.xsd", "DLLabelFont=Nope Sans 77\r\nDLLabelFontsize=0\r\nULLabelFontsize=-4\r\n"),
      skins.path()));
  net.ApplySkin();
  EXPECT_EQ(tavo::test::child<QLabel>(net, "lblDL")->font().family(), QApplication::font().family());
  EXPECT_EQ(tavo::test::child<QLabel>(net, "lblDL")->font().pointSize(), kBuiltinFontSize);
  EXPECT_EQ(tavo::test::child<QLabel>(net, "lblUL")->font().pointSize(), kBuiltinFontSize);
}

TEST_F(FrmNetTest, BarsKeepTheirHeightsAcrossASkinChange) {
  builtin();
  net.setBarHeight(0, 12.5);
  net.setBarHeight(30, 40);
  SkinsFolder skins;
  ASSERT_TRUE(net.LoadSkinDescriptor(skins.descriptor("a.xsd", kPlate), skins.path()));
  net.ApplySkin();
  EXPECT_DOUBLE_EQ(net.bar(0).height(), 12.5);
  EXPECT_DOUBLE_EQ(net.bar(30).height(), 40);
  EXPECT_EQ(net.bar(0).x, 10 + 59);
  EXPECT_EQ(net.bar(30).x, 10 + 29);
  EXPECT_EQ(net.bar(30).y1, 55);
  net.clearBars();
  EXPECT_EQ(net.bar(30).height(), 0);
}

TEST_F(FrmNetTest, TranslucencyFollowsTheOpacity) {
  builtin();
  SetWindowAlpha(&net, 0);
  EXPECT_DOUBLE_EQ(net.windowOpacity(), 0.0);
  SetWindowAlpha(&net, 255);
  EXPECT_DOUBLE_EQ(net.windowOpacity(), 1.0);
  SetWindowAlpha(&net, 51);
  EXPECT_NEAR(net.windowOpacity(), 0.2, 0.01);
}

// What the mouse does on the window reaches the outside as signals only:
// the right press goes out whatever the option (the window itself neither
// hides nor minimises), and no left press hides it.
TEST_F(FrmNetTest, MouseActionsAreSignalled) {
  builtin();
  QSignalSpy right(&net, &frmNet::skinRightPressed);
  QSignalSpy settings(&net, &frmNet::settingsRequested);
  QSignalSpy hours(&net, &frmNet::hoursGraphRequested);
  QSignalSpy hovered(&net, &frmNet::graphHovered);
  QSignalSpy left(&net, &frmNet::pointerLeftGraph);
  net.show();
  QTest::mouseClick(tavo::test::child<QLabel>(net, "lblDL"), Qt::RightButton);
  EXPECT_EQ(right.count(), 1);
  EXPECT_TRUE(net.isVisible());
  QTest::mouseDClick(tavo::test::child<QLabel>(net, "lblGraphe"), Qt::LeftButton);
  EXPECT_EQ(hours.count(), 1);
  QTest::mouseClick(tavo::test::child<QLabel>(net, "lblMore"), Qt::LeftButton);
  EXPECT_EQ(settings.count(), 1);

  QTest::mouseMove(tavo::test::child<QLabel>(net, "lblGraphe"), QPoint(5, 5));
  EXPECT_EQ(hovered.count(), 1);
  QTest::mouseMove(tavo::test::child<QLabel>(net, "lblUL"), QPoint(3, 3));
  EXPECT_EQ(left.count(), 1);
  QTest::mouseMove(tavo::test::child<QLabel>(net, "lblMore"), QPoint(3, 3));
  EXPECT_EQ(left.count(), 2);
  EXPECT_EQ(right.count(), 1);
}

TEST_F(FrmNetTest, LeftPressOnAFigureDragsTheWindow) {
  builtin();
  net.move(100, 100);
  const QPoint start = net.pos();
  QTest::mousePress(tavo::test::child<QLabel>(net, "lblUL"), Qt::LeftButton, {}, QPoint(10, 5));
  QTest::mouseMove(tavo::test::child<QLabel>(net, "lblUL"), QPoint(30, 15));
  QTest::mouseRelease(tavo::test::child<QLabel>(net, "lblUL"), Qt::LeftButton, {}, QPoint(30, 15));
  EXPECT_EQ(net.pos(), start + QPoint(20, 10));
}

// The middle button drags as the left one does; the window follows the
// pointer from the press point, the first step included.
TEST_F(FrmNetTest, MiddlePressDragsTooFromThePressPoint) {
  builtin();
  for (const Qt::MouseButton button : {Qt::LeftButton, Qt::MiddleButton}) {
    SCOPED_TRACE(int(button));
    net.move(100, 100);
    // The window moves under the pointer: the global points are those of the
    // pointer, taken from where the window was at the press.
    const QPoint origin = tavo::test::child<QLabel>(net, "imgSkin")->mapToGlobal(QPoint(0, 0));
    QTest::mousePress(tavo::test::child<QLabel>(net, "imgSkin"), button, {}, QPoint(20, 60));
    for (const QPoint step : {QPoint(25, 64), QPoint(60, 90), QPoint(300, 200)}) {
      QMouseEvent move(QEvent::MouseMove, QPointF(step), QPointF(origin + step), Qt::NoButton, button, Qt::NoModifier);
      QApplication::sendEvent(tavo::test::child<QLabel>(net, "imgSkin"), &move);
    }
    QTest::mouseRelease(tavo::test::child<QLabel>(net, "imgSkin"), button, {}, QPoint(300, 200));
    EXPECT_EQ(net.pos(), QPoint(100, 100) + QPoint(280, 140));
  }
}

// Our own skins, as the build puts them beside the program: each loads,
// gives its bitmap's size and shape, and keeps the figures, "set" and the
// mini graph on the window's shape.
TEST(ShippedSkins, EachLoadsWithEverythingOnItsShape) {
  const QString source = qEnvironmentVariable("TAVO_SOURCE_DIR") + "/monitor/skins";
  const QString skins = qEnvironmentVariable("TAVO_SUITE_DIR") + "/skins";
  const QStringList setup = QDir(source).entryList({"*.xs0"}, QDir::Files);
  ASSERT_GE(setup.size(), 2);
  for (const QString& name : setup) {
    SCOPED_TRACE(name.toStdString());
    const QString base = name.chopped(4);
    ASSERT_TRUE(QFile::exists(skins + "/" + base + ".xsd"));
    ASSERT_TRUE(QFile::exists(skins + "/" + base + ".bmp"));
    frmNet net;
    ASSERT_TRUE(net.LoadSkinDescriptor(skins + "/" + base + ".xsd", skins));
    net.ApplySkin();
    EXPECT_EQ(net.skinLayout().SkinBitmapFile, base + ".bmp");
    const QImage bitmap(skins + "/" + base + ".bmp");
    EXPECT_EQ(net.size(), bitmap.size());
    QFile file(skins + "/" + base + ".bmp");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray header = file.read(30);
    EXPECT_TRUE(header.startsWith("BM"));
    EXPECT_EQ(int(header.at(28)), 24);  // bits per pixel
    ASSERT_TRUE(net.shapeRegion());
    const QRegion shape = *net.shapeRegion();
    const QRect frame = net.shape1Rect();
    for (QPoint corner : {frame.topLeft(), frame.topRight(), frame.bottomLeft(), frame.bottomRight()})
      EXPECT_TRUE(shape.contains(corner)) << corner.x() << "," << corner.y();
    for (QLabel* label : {tavo::test::child<QLabel>(net, "lblUL"), tavo::test::child<QLabel>(net, "lblDL"),
                          tavo::test::child<QLabel>(net, "lblMore")}) {
      EXPECT_TRUE(net.rect().contains(label->geometry())) << label->objectName().toStdString();
      EXPECT_TRUE(shape.contains(label->geometry().center())) << label->objectName().toStdString();
    }
  }
}
