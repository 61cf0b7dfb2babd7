// The fixed texts of the bubble, the detailed graph, the interface chooser
// and the settings dialog, in both languages, with each sans font a
// desktop may give at the same point size: each text is measured with its
// widget's font against the room its widget gives it, inside its frame.
#include "monitor/core/monitortexts.h"
#include "monitor/ui/frmbig.h"
#include "monitor/ui/frmbulle.h"
#include "monitor/ui/frminterfaces.h"
#include "monitor/ui/frmsettings.h"
#include "tests/monitor/ui/views_fixture.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTest>

#include <gtest/gtest.h>

using namespace tavo::monitor;
using tavo::monitor::testing::ViewsTest;

namespace {

constexpr double kPointSize = 10;

// What is cut: "name: text needs N, has M" for each text that does not fit.
QStringList cutTexts(QWidget* window) {
  QStringList cut;
  const QStyle* style = window->style();
  for (QWidget* w : window->findChildren<QWidget*>()) {
    if (w->objectName().startsWith("lbl") || w->isWindow()) continue;  // the figures change as they run
    const QFontMetrics fm(w->font());
    QString text;
    int need = 0, room = 0, needHeight = 0, roomHeight = w->height();
    if (auto* l = qobject_cast<QLabel*>(w); l && !l->wordWrap() && !l->text().isEmpty()) {
      text = l->text();
      need = fm.horizontalAdvance(text);
      room = l->contentsRect().width();
      needHeight = fm.ascent() + fm.descent();
      roomHeight = l->contentsRect().height();
    } else if (auto* r = qobject_cast<QRadioButton*>(w); r && !r->text().isEmpty()) {
      text = r->text();
      need = fm.horizontalAdvance(text) + style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
             style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
      room = r->width();
      needHeight = fm.ascent() + fm.descent();
    } else if (auto* c = qobject_cast<QCheckBox*>(w); c && !c->text().isEmpty()) {
      text = c->text();
      need = fm.horizontalAdvance(text) + style->pixelMetric(QStyle::PM_IndicatorWidth) +
             style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
      room = c->width();
      needHeight = fm.ascent() + fm.descent();
    } else if (auto* b = qobject_cast<QPushButton*>(w); b && !b->text().isEmpty()) {
      text = b->text();
      // A picture on the left of a button: the centred text keeps clear of it.
      int picture = 0;
      for (QWidget* p : b->findChildren<QWidget*>()) picture = std::max(picture, p->geometry().right() + 1);
      need = fm.horizontalAdvance(text) + 2 * picture + 8;
      room = b->width();
      needHeight = fm.ascent() + fm.descent() + 4;
    } else if (auto* g = qobject_cast<QGroupBox*>(w); g && !g->title().isEmpty()) {
      text = g->title();
      need = fm.horizontalAdvance(text) + 16;
      room = g->width();
    } else {
      continue;
    }
    if (need > room || needHeight > roomHeight)
      cut << QString("%1 \"%2\": needs %3x%4, has %5x%6")
                 .arg(w->objectName(), text)
                 .arg(need)
                 .arg(needHeight)
                 .arg(room)
                 .arg(roomHeight);
    // Nor may the frame or window around it cut it.
    if (QWidget* parent = w->parentWidget(); parent && !w->isHidden() && !parent->rect().contains(w->geometry()))
      cut << QString("%1 \"%2\": outside %3").arg(w->objectName(), text, parent->objectName());
  }
  return cut;
}

class TextsFitAnyFont : public ViewsTest {
 protected:
  void SetUp() override {
    ViewsTest::SetUp();
    start();
    before = QApplication::font();
  }
  void TearDown() override {
    QApplication::setFont(before);
    ViewsTest::TearDown();
  }
  // The families of the table that are installed; a missing one is said.
  static QStringList installedFamilies() {
    QStringList found;
    for (const char* family : {"DejaVu Sans", "Cantarell", "Noto Sans", "Liberation Sans"}) {
      if (QFontDatabase::hasFamily(family)) found << family;
      else std::printf("[  SKIPPED ] font %s is not installed (./build.sh installs it)\n", family);
    }
    return found;
  }
  QFont before;
};

}  // namespace

TEST_F(TextsFitAnyFont, InTheBubbleTheDetailedGraphTheChooserAndTheSettings) {
  const QStringList families = installedFamilies();
  if (families.isEmpty()) GTEST_SKIP() << "none of the fonts is installed";
  for (const QString& family : families) {
    QApplication::setFont(QFont(family, kPointSize));
    ASSERT_EQ(QFontInfo(QApplication::font()).family(), family);
    for (const bool french : {true, false}) {
      SCOPED_TRACE((family + (french ? " FR" : " EN")).toStdString());
      frmBulle bubble;
      bubble.applyTexts(french);
      EXPECT_EQ(cutTexts(&bubble), QStringList());
      frmBig big;
      big.applyTexts(french);
      EXPECT_EQ(cutTexts(&big), QStringList());
      frmInterfaces chooser;
      chooser.applyTexts(french);
      EXPECT_EQ(cutTexts(&chooser), QStringList());
      frmSettings settings;
      settings.applyTexts(monitorTexts(french), french);
      settings.resize(settings.sizeHint());
      settings.show();
      ASSERT_TRUE(QTest::qWaitForWindowExposed(&settings));
      for (int page : {0, 1}) {
        settings.tabOptions_Click(page);
        QApplication::processEvents();
        EXPECT_EQ(cutTexts(&settings), QStringList()) << "page " << page;
      }
    }
  }
}
