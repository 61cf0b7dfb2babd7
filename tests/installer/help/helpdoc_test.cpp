// The help files: rendered into a PDF whole or not at all, and the two
// guides kept in step.
#include <gtest/gtest.h>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "installer/core/setuptexts.h"
#include "installer/help/helpdoc.h"
#include "tests/installer/setup_fixture.h"

namespace tavo::help {
namespace {

using setup::testing::readAll;

int pageCount(const QByteArray& pdf) {
  return int(QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

QString shippedGuide(const char* name) {
  return QString::fromUtf8(readAll(qEnvironmentVariable("TAVO_SOURCE_DIR") + "/installer/help/" + name));
}

TEST(HelpPdf, LaysOutEveryPage) {
  QTemporaryDir dir;
  QString markdown = "# Guide\n\n| a | b |\n|---|---|\n| é | ü |\n\n";
  for (int i = 0; i < 200; ++i) markdown += "A paragraph of the guide, long enough to fill lines. ";
  markdown += "\n\n## Next\n\n" + markdown;
  ASSERT_TRUE(renderHelpPdf(markdown, "Tavo - Help", dir.filePath("help.pdf")));
  const QByteArray pdf = readAll(dir.filePath("help.pdf"));
  EXPECT_TRUE(pdf.startsWith("%PDF-"));
  EXPECT_TRUE(pdf.trimmed().endsWith("%%EOF"));
  EXPECT_GE(pageCount(pdf), 2);
}

TEST(HelpPdf, AFolderThatIsNotThereIsReported) {
  QTemporaryDir dir;
  EXPECT_FALSE(renderHelpPdf("# x", "x", dir.filePath("no such folder/help.pdf")));
  EXPECT_FALSE(QFile::exists(dir.filePath("no such folder")));
}

TEST(HelpGuides, BothLanguagesHaveTheSameSections) {
  const QString french = shippedGuide("Tavo_FR.md");
  const QString english = shippedGuide("Tavo_EN.md");
  ASSERT_FALSE(french.isEmpty());
  ASSERT_FALSE(english.isEmpty());
  const QRegularExpression heading(QStringLiteral("^(#+) "), QRegularExpression::MultilineOption);
  const auto levels = [&](const QString& text) {
    QStringList out;
    for (auto it = heading.globalMatch(text); it.hasNext();) out << it.next().captured(1);
    return out;
  };
  EXPECT_EQ(levels(french), levels(english));
  for (const char* program : {"`Tavo`", "`TavoStat`", "`TavoLogV`", "`Update`", "`Uninstall`", "./Install"}) {
    EXPECT_TRUE(french.contains(program)) << program;
    EXPECT_TRUE(english.contains(program)) << program;
  }
}

// The setup's instructions agree with themselves and name the buttons by
// the texts the programs show.
TEST(HelpGuides, NameTheSetupButtonsAsTheProgramsShowThem) {
  const struct {
    const char* file;
    const setup::InstallerTexts& texts;
  } guides[] = {{"Tavo_FR.md", setup::frenchInstallerTexts()}, {"Tavo_EN.md", setup::englishInstallerTexts()}};
  for (const auto& g : guides) {
    SCOPED_TRACE(g.file);
    const QString guide = shippedGuide(g.file);
    ASSERT_FALSE(guide.isEmpty());
    // "Open a terminal in it" and then "cd setup" contradict each other.
    EXPECT_FALSE(guide.contains("cd setup"));
    const auto caption = [&g](const char* control) {
      for (const ControlText& t : g.texts.frmInstallTexts)
        if (t.control == QLatin1String(control)) return t.text;
      return QString();
    };
    for (const QString& button :
         {g.texts.next, caption("cmdCancel"), g.texts.close, g.texts.finished, g.texts.incomplete})
      EXPECT_TRUE(guide.contains("**" + button + "**")) << button.toStdString();
    const QString yes = g.texts.isFrench ? "**Oui**" : "**Yes**";
    const QString no = g.texts.isFrench ? "**Non**" : "**No**";
    EXPECT_TRUE(guide.contains(yes) && guide.contains(no));
    // The uninstaller is French in both guides: its buttons too.
    EXPECT_TRUE(guide.contains("**Oui** ") && guide.contains("**Non** ") && guide.contains("**Fermer**"));
    EXPECT_FALSE(guide.contains("*No* ") || guide.contains("*Non* "));
  }
}

}  // namespace
}  // namespace tavo::help
