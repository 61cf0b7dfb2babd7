#include "common/printgraph.h"

#include <gtest/gtest.h>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QPrinter>
#include <QTemporaryDir>

TEST(PrintGraphWindow, PrintsOneLandscapePageAndLeavesTheClipboard) {
  QTemporaryDir dir;
  const QString pdf = dir.filePath("out.pdf");
  QLabel target("graph");
  target.resize(780, 560);
  target.setStyleSheet("background: rgb(255,254,234)");
  target.show();
  QGuiApplication::clipboard()->setText("kept");

  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(pdf);
  EXPECT_EQ(tavo::PrintGraphWindow(&target, true, &printer), tavo::PrintOutcome::Printed);

  QFile f(pdf);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QByteArray bytes = f.readAll();
  EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 1);
  EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "kept");
}

TEST(PrintGraphWindow, NoTargetFails) {
  QPrinter printer;
  printer.setOutputFormat(QPrinter::PdfFormat);
  EXPECT_EQ(tavo::printWindowImage(nullptr, printer), tavo::PrintOutcome::Failed);
}
