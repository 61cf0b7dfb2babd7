#pragma once
// Runs a test under a regional setting's LC_NUMERIC, as QApplication sets
// it from LANG, and puts the process's setting back afterwards.
#include <clocale>
#include <string>

#include <gtest/gtest.h>

namespace tavo::testing {

class NumericLocale {
 public:
  explicit NumericLocale(const char* name) {
    const char* current = std::setlocale(LC_NUMERIC, nullptr);
    saved_ = current ? current : "C";
    active_ = std::setlocale(LC_NUMERIC, name) != nullptr;
  }
  ~NumericLocale() { std::setlocale(LC_NUMERIC, saved_.c_str()); }
  NumericLocale(const NumericLocale&) = delete;
  NumericLocale& operator=(const NumericLocale&) = delete;
  bool active() const { return active_; }

 private:
  std::string saved_;
  bool active_ = false;
};

// The regional settings whose decimal separator is not ".".
inline constexpr const char* kCommaLocales[] = {"fr_FR.UTF-8", "de_DE.UTF-8"};

}  // namespace tavo::testing

// Skips the test, saying why, when the system lacks the locale (build.sh
// generates both).
#define TAVO_UNDER_NUMERIC_LOCALE(guard, name) \
  ::tavo::testing::NumericLocale guard(name);  \
  if (!guard.active()) GTEST_SKIP() << "locale " << (name) << " is not installed";
