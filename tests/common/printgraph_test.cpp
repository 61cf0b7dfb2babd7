#include "common/printgraph.h"

#include <gtest/gtest.h>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>

#include "tests/support/fakedesktop.h"

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
  tavo::test::FakeDesktop desktop;
  desktop.printerToUse = &printer;
  EXPECT_EQ(tavo::PrintGraphWindow(&target, true, desktop), tavo::PrintOutcome::Printed);
  EXPECT_TRUE(desktop.boxes.isEmpty());

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

TEST(PrintGraphWindow, WithoutAPrinterTheDesktopIsAskedForTheBoxInTheLanguage) {
  if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "this machine has a default printer";
  const struct {
    bool isFrench;
    const char* title;
    const char* text;
  } cases[] = {{true, "Tavo - Erreur", "     Aucune imprimante par défaut n'est installée.     "},
               {false, "Tavo - Error", "     No default printer is installed.     "}};
  for (const auto& c : cases) {
    QLabel target("graph");
    tavo::test::FakeDesktop desktop;
    EXPECT_EQ(tavo::PrintGraphWindow(&target, c.isFrench, desktop), tavo::PrintOutcome::NoPrinter);
    ASSERT_EQ(desktop.boxes.size(), 1) << c.isFrench;
    const tavo::test::FakeDesktop::Box& box = desktop.boxes.first();
    EXPECT_TRUE(box.blocking);
    EXPECT_EQ(box.parent, &target);
    EXPECT_EQ(box.icon, QMessageBox::Information);
    EXPECT_EQ(box.title, QString::fromUtf8(c.title));
    EXPECT_EQ(box.text, QString::fromUtf8(c.text));
    EXPECT_EQ(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
  }
}
