// Putting a window's language texts on it from a table.
#include "common/languagetexts.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QWidget>

using namespace tavo;

namespace {

// A window with one control of each kind that takes a text.
struct Window {
  Window() {
    w.setObjectName("frmTest");
    label->setObjectName("Label1");
    button->setObjectName("cmdOK");
    frame->setObjectName("Frame1");
    tabs->setObjectName("tabOptions");
    tabs->addTab(new QWidget, "a");
    tabs->addTab(new QWidget, "b");
    action->setObjectName("mnuQuit");
    plain->setObjectName("picGr");
  }
  QWidget w;
  QLabel* label = new QLabel("Étiquette", &w);
  QPushButton* button = new QPushButton("Valider", &w);
  QGroupBox* frame = new QGroupBox("Cadre", &w);
  QTabWidget* tabs = new QTabWidget(&w);
  QAction* action = new QAction("Quitter", &w);
  QWidget* plain = new QWidget(frame);
};

}  // namespace

TEST(ApplyWindowTexts, EachKindOfControlGetsItsText) {
  const struct {
    ControlText text;
    QString (*read)(const Window&);
  } cases[] = {
      {{"", TextProperty::Caption, "Title"}, [](const Window& x) { return x.w.windowTitle(); }},
      {{"frmTest", TextProperty::Caption, "Own name"}, [](const Window& x) { return x.w.windowTitle(); }},
      {{"Label1", TextProperty::Caption, "Label"}, [](const Window& x) { return x.label->text(); }},
      {{"cmdOK", TextProperty::Caption, "Validate"}, [](const Window& x) { return x.button->text(); }},
      {{"cmdOK", TextProperty::Tooltip, " Validate selection "}, [](const Window& x) { return x.button->toolTip(); }},
      {{"Frame1", TextProperty::Caption, "Frame"}, [](const Window& x) { return x.frame->title(); }},
      {{"picGr", TextProperty::Tooltip, " Chart "}, [](const Window& x) { return x.plain->toolTip(); }},
      {{"mnuQuit", TextProperty::MenuCaption, "Quit"}, [](const Window& x) { return x.action->text(); }},
      {{"tabOptions", TextProperty::TabCaption, "Second", 1}, [](const Window& x) { return x.tabs->tabText(1); }},
  };
  for (const auto& c : cases) {
    Window x;
    EXPECT_TRUE(applyWindowTexts(&x.w, std::span(&c.text, 1)).isEmpty()) << c.text.control.toStdString();
    EXPECT_EQ(c.read(x), c.text.text) << c.text.control.toStdString();
  }
}

TEST(ApplyWindowTexts, NamesTheWindowDoesNotHoldComeBackOnceAndTheRestIsApplied) {
  Window x;
  WindowTexts texts = {{"Label9", TextProperty::Caption, "lost"},
                       {"Label1", TextProperty::Caption, "Label"},
                       {"Label9", TextProperty::Tooltip, "lost too"},
                       {"tabOptions", TextProperty::TabCaption, "Third", 2},
                       {"picGr", TextProperty::Caption, "no caption on a plain widget"},
                       {"Label1", TextProperty::MenuCaption, "not an action"}};
  const QStringList unknown = applyWindowTexts(&x.w, texts);
  EXPECT_EQ(unknown, QStringList({"Label9", "tabOptions", "picGr", "Label1"}));
  EXPECT_EQ(x.label->text(), "Label");
  EXPECT_EQ(x.tabs->tabText(1), "b");
}

TEST(AppendTexts, OneTextForSeveralControlsInTheirOrder) {
  WindowTexts texts;
  appendTexts(texts, {"Label31", "Label32"}, TextProperty::Caption, "the");
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].control, "Label31");
  EXPECT_EQ(texts[1].control, "Label32");
  EXPECT_EQ(texts[1].text, "the");
}

TEST(AppendTexts, BilingualRowsGiveTheLanguageAskedInRowOrder) {
  const struct {
    bool isFrench;
    const char* title;
    const char* shared;
  } cases[] = {{true, "Fenêtre", "Télécharger"}, {false, "Window", "Download"}};
  for (const auto& c : cases) {
    WindowTexts texts{{"Label0", TextProperty::Caption, "kept"}};
    appendTexts(texts, c.isFrench,
                {{{}, TextProperty::Caption, "Fenêtre", "Window"},
                 {{"Label1", "Label2"}, TextProperty::Tooltip, "Télécharger", "Download"}});
    ASSERT_EQ(texts.size(), 4u) << c.isFrench;
    EXPECT_EQ(texts[0].text, "kept");
    // No name: the window's own caption.
    EXPECT_EQ(texts[1].control, QString());
    EXPECT_EQ(texts[1].text, QString::fromUtf8(c.title));
    for (int i : {2, 3}) {
      EXPECT_EQ(texts[i].control, QStringLiteral("Label%1").arg(i - 1));
      EXPECT_EQ(texts[i].property, TextProperty::Tooltip);
      EXPECT_EQ(texts[i].text, QString::fromUtf8(c.shared));
    }
  }
}
