#include "monitor/core/skinlayout.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstring>

using namespace tavo::monitor;

namespace {

// A small bitmap from rows of text: '.' is the key colour (black), any
// other character a shape pixel. Pixel (0, 0) must be '.'.
QImage bitmapFromRows(const std::vector<const char*>& rows) {
  const int h = int(rows.size());
  const int w = int(std::strlen(rows[0]));
  QImage img(w, h, QImage::Format_RGB888);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) img.setPixelColor(x, y, rows[y][x] == '.' ? QColor(Qt::black) : QColor(200, 180, 140));
  return img;
}

void writeFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

}  // namespace

TEST(SkinRuns, RunsFollowEachRowAndNeverSpanTwo) {
  struct Case {
    const char* name;
    std::vector<const char*> rows;
    std::vector<QRect> runs;
  };
  const std::vector<Case> cases = {
      {"one-pixel column at x = 5",
       {".....#....", ".....#....", ".....#...."},
       {QRect(5, 0, 1, 1), QRect(5, 1, 1, 1), QRect(5, 2, 1, 1)}},
      {"shape touching the right edge",
       {".......###", "......####", "##########"},
       {QRect(7, 0, 3, 1), QRect(6, 1, 4, 1), QRect(0, 2, 10, 1)}},
      {"two runs in a row, one from the row's start",
       {"..##..##..", "#........#"},
       {QRect(2, 0, 2, 1), QRect(6, 0, 2, 1), QRect(0, 1, 1, 1), QRect(9, 1, 1, 1)}},
      {"no shape pixel", {"....", "...."}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const QImage img = bitmapFromRows(c.rows);
    EXPECT_EQ(shapeRuns(img), c.runs);
    const auto region = RegionFromBitmap(img);
    ASSERT_EQ(region.has_value(), !c.runs.empty());
    if (!region) continue;
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x)
        EXPECT_EQ(region->contains(QPoint(x, y)), c.rows[y][x] != '.') << x << "," << y;
  }
}

TEST(SkinRuns, KeyColourIsTheTopLeftPixelWhateverItIs) {
  QImage img(4, 2, QImage::Format_RGB888);
  img.fill(QColor(255, 0, 255));
  img.setPixelColor(1, 1, Qt::black);  // black is a shape pixel here
  EXPECT_EQ(shapeRuns(img), (std::vector<QRect>{QRect(1, 1, 1, 1)}));
}

TEST(BuiltinSkin, RoundDiscOnBlack) {
  const QImage img = makeBuiltinSkinImage();
  EXPECT_EQ(img.size(), QSize(136, 131));
  EXPECT_EQ(img.depth(), 24);
  EXPECT_EQ(img.pixelColor(0, 0), QColor(Qt::black));
  const auto region = RegionFromBitmap(img);
  ASSERT_TRUE(region);
  // Corners cut away, the centre and the four rim points kept.
  for (QPoint p : {QPoint(0, 0), QPoint(135, 0), QPoint(0, 130), QPoint(135, 130), QPoint(8, 8)})
    EXPECT_FALSE(region->contains(p)) << p.x() << "," << p.y();
  for (QPoint p : {QPoint(68, 65), QPoint(68, 1), QPoint(68, 129), QPoint(2, 65), QPoint(133, 65)})
    EXPECT_TRUE(region->contains(p)) << p.x() << "," << p.y();
  // About 134 pixels across at the middle row.
  int widest = 0;
  for (const QRect& r : shapeRuns(img)) widest = std::max(widest, r.width());
  EXPECT_GE(widest, 130);
  EXPECT_LE(widest, 136);
}

TEST(SkinDescriptor, KeysParsedLikeTheSettingsFile) {
  SkinLayout l = builtinSkinLayout();
  const int known = applyDescriptorPairs(l, {{"GraphX", "12.5"},
                                             {"GraphY", "13.5"},
                                             {" ColorR", "9"},  // blank: not a key
                                             {"colorg", "9"},   // case counts
                                             {"ColorB", "200abc"},
                                             {"DLLabelFont", "Courier New "},
                                             {"ULLabelX", "5"},
                                             {"ULLabelX", "7"},
                                             {"SkinBitmapFile", "a=b.bmp"},
                                             {"Other", "1"}});
  EXPECT_EQ(known, 7);
  EXPECT_EQ(l.GraphX, 12);
  EXPECT_EQ(l.GraphY, 14);
  EXPECT_EQ(l.ColorR, 60);
  EXPECT_EQ(l.ColorG, 0);
  EXPECT_EQ(l.ColorB, 200);
  EXPECT_EQ(l.DLLabelFont, "Courier New ");
  EXPECT_EQ(l.ULLabelX, 7);
  EXPECT_EQ(l.SkinBitmapFile, "a=b.bmp");
  EXPECT_EQ(l.ULLabelY, 80);  // a key the file lacks keeps its value
}

TEST(SkinDescriptor, UnusableFilesGiveNothing) {
  QTemporaryDir dir;
  const QString d = dir.path();
  writeFile(d + "/empty.xsd", "");
  writeFile(d + "/unknown.xsd", "Foo=1\r\nBar=2\r\n");
  writeFile(d + "/huge.xsd", QByteArray(kMaxDescriptorBytes + 10, 'x'));
  writeFile(d + "/good.xsd", "GraphX=3\r\n");
  for (const char* name : {"/missing.xsd", "/empty.xsd", "/unknown.xsd", "/huge.xsd"}) {
    QString why;
    EXPECT_FALSE(readSkinDescriptor(d + name, &why)) << name;
    EXPECT_FALSE(why.isEmpty()) << name;
  }
  EXPECT_FALSE(readSkinDescriptor(d));  // a folder
  const auto good = readSkinDescriptor(d + "/good.xsd");
  ASSERT_TRUE(good);
  EXPECT_EQ(good->size(), 1u);
}

TEST(SkinBitmap, BadFilesGiveNothing) {
  QTemporaryDir dir;
  const QString d = dir.path();
  writeFile(d + "/empty.bmp", "");
  writeFile(d + "/garbage.bmp", QByteArray("BM this is not a bitmap at all, only text"));
  QImage(kMaxSkinSide + 1, 2, QImage::Format_RGB888).save(d + "/huge.bmp");
  QImage small(7, 5, QImage::Format_RGB888);
  small.fill(Qt::red);
  small.save(d + "/small.bmp");
  for (const char* name : {"/missing.bmp", "/empty.bmp", "/garbage.bmp", "/huge.bmp"})
    EXPECT_FALSE(loadSkinBitmap(d + name)) << name;
  const auto image = loadSkinBitmap(d + "/small.bmp");
  ASSERT_TRUE(image);
  EXPECT_EQ(image->size(), QSize(7, 5));
}

TEST(SkinFont, UnknownFamiliesAndSizesFallBack) {
  const QString fallback = QApplication::font().family();
  QFont current;
  current.setUnderline(true);
  const QFont unknown = skinFont(current, "No Such Font Family 42", 11, fallback);
  EXPECT_EQ(unknown.family(), fallback);
  EXPECT_EQ(unknown.pointSize(), 11);
  EXPECT_TRUE(unknown.underline());
  for (std::int16_t size : {std::int16_t(0), std::int16_t(-3)})
    EXPECT_EQ(skinFont(current, fallback, size, fallback).pointSize(), kBuiltinFontSize);
  EXPECT_EQ(skinFont(current, "", 9, fallback).family(), fallback);
}
