// The updater's rules without its window: the command line, the product
// table, the version comparison and the maker's host.
#include <gtest/gtest.h>

#include "Update/core/updater.h"

using namespace tavo::update;

namespace {

struct ArgumentsCase {
  const char* name;
  QStringList arguments;  // after the program name
  const char* token;
  const char* version;
  const char* language;
};
void PrintTo(const ArgumentsCase& c, std::ostream* os) { *os << c.name; }

class UpdaterArgumentsTest : public ::testing::TestWithParam<ArgumentsCase> {};

TEST_P(UpdaterArgumentsTest, SplitsTheTextAtEveryBlank) {
  const ArgumentsCase& c = GetParam();
  const auto read = ReadUpdaterArguments(QStringList{"Update"} + c.arguments);
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(read->ProductToken, QString::fromUtf8(c.token));
  EXPECT_EQ(read->InstalledVersion, QString::fromUtf8(c.version));
  EXPECT_EQ(read->LanguageCode, QString::fromUtf8(c.language));
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, UpdaterArgumentsTest,
    ::testing::Values(ArgumentsCase{"AsTheMonitorStartsIt", {"Tavo", "3.05", "EN"}, "Tavo", "3.05", "EN"},
                      ArgumentsCase{"OneTextOfThreeWords", {"Tavo 3.05 FR"}, "Tavo", "3.05", "FR"},
                      ArgumentsCase{"TwoBlanksGiveAnEmptyToken", {"Tavo  3.05 FR"}, "Tavo", "", "3.05"},
                      ArgumentsCase{"AnEmptyArgumentIsAnEmptyToken", {"Tavo", "", "3.05", "FR"}, "Tavo", "", "3.05"},
                      ArgumentsCase{
                          "TokensAfterTheThirdAreIgnored", {"Tavo", "3.05", "EN", "extra"}, "Tavo", "3.05", "EN"},
                      ArgumentsCase{"OneTokenLeavesTheOthersEmpty", {"Tavo"}, "Tavo", "", ""},
                      ArgumentsCase{"TwoTokens", {"Zenfo", "1.20"}, "Zenfo", "1.20", ""},
                      ArgumentsCase{"ABlankAlone", {" "}, "", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(UpdaterArguments, NoArgumentOrAnEmptyOneEndsTheProgram) {
  EXPECT_FALSE(ReadUpdaterArguments({"Update"}).has_value());
  EXPECT_FALSE(ReadUpdaterArguments({"Update", ""}).has_value());
  EXPECT_FALSE(ReadUpdaterArguments({}).has_value());
}

TEST(UpdaterLanguage, OnlyENInCapitalsIsEnglish) {
  EXPECT_TRUE(isEnglish("EN"));
  for (const char* code : {"en", "En", "eN", "FR", "Fr", "", "EN "}) EXPECT_FALSE(isEnglish(code)) << code;
}

TEST(UpdateProductTable, FourProductsMatchedWithTheirCase) {
  const struct {
    const char* token;
    const char* versionFile;
    const char* page;
  } rows[] = {{"Tavo", "/tavo.txt", "/tavo.php"},
              {"Quorbel", "/quorbel.txt", "/quorb.php"},
              {"Zenfo", "/zenfo.txt", "/zenf.php"},
              {"Pilmar", "/pilmar.txt", "/pilmar.php"}};
  for (const auto& row : rows) {
    const auto product = findUpdateProduct(row.token);
    ASSERT_TRUE(product.has_value()) << row.token;
    EXPECT_EQ(product->versionFile, QString::fromUtf8(row.versionFile));
    EXPECT_EQ(product->productPage, QString::fromUtf8(row.page));
  }
  for (const char* token : {"tavo", "TAVO", "Tavo ", "", "Quorb", "Other"})
    EXPECT_FALSE(findUpdateProduct(token).has_value()) << token;
}

TEST(PublishedVersion, FourCharactersThatSortAfterTheInstalledOne) {
  const struct {
    const char* body;
    const char* installed;
    bool newer;
  } cases[] = {
      {"3.06", "3.05", true},  {"3.10", "3.05", true},   {"10.0", "3.05", false},  // text, not numbers
      {"3.05", "3.05", false}, {"3.04", "3.05", false},  {"3.06\r\n", "3.05", false}, {"3.6", "3.05", false},
      {"", "3.05", false},     {"3.060", "3.05", false}, {"a.00", "A.00", true},      {"1.00", "", true},
      {"<b>9", "3.05", true},  {"3.05", "3.05 ", false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(isNewerPublishedVersion(QString::fromUtf8(c.body), QString::fromUtf8(c.installed)), c.newer)
        << c.body << " vs " << c.installed;
}

TEST(WebHost, TheEnvironmentReplacesTheBuildSetting) {
  qunsetenv("TAVO_WEB_HOST");
  const QString built = webHost();
  EXPECT_TRUE(built.startsWith("http")) << built;
  EXPECT_FALSE(built.endsWith('/'));

  qputenv("TAVO_WEB_HOST", "https://mirror.example.org/");
  EXPECT_EQ(webHost(), "https://mirror.example.org");
  EXPECT_EQ(hostUrl(webHost(), "/tavo.txt"), QUrl("https://mirror.example.org/tavo.txt"));
  qputenv("TAVO_WEB_HOST", "127.0.0.1:8080");
  EXPECT_EQ(webHost(), "http://127.0.0.1:8080");
  qputenv("TAVO_WEB_HOST", "");
  EXPECT_EQ(webHost(), built);
  qunsetenv("TAVO_WEB_HOST");
  EXPECT_EQ(webHost(), built);
}

}  // namespace
