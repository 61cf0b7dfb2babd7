#include "common/language.h"

#include <gtest/gtest.h>

TEST(LanguageArgument, ChoosesByWholeText) {
  struct Case {
    QStringList args;
    std::optional<bool> french;
  };
  const Case cases[] = {
      {{"prog", "FR"}, true},       {{"prog", "EN"}, false}, {{"prog", "fr"}, false},  {{"prog", "en"}, false},
      {{"prog", "FR", "x"}, false}, {{"prog", "DE"}, false}, {{"prog"}, std::nullopt}, {{"prog", ""}, std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(tavo::ReadLanguageArgument(c.args), c.french) << c.args.join(' ').toStdString();
}
