#include "common/languagetexts.h"

// The tables are data and need QtCore only; putting them on widgets is
// common/applywindowtexts.cpp, in the library that links the widgets.
namespace tavo {

void appendTexts(WindowTexts& out, std::initializer_list<const char*> controls, TextProperty property,
                 const QString& text) {
  for (const char* c : controls) out.push_back({QString::fromLatin1(c), property, text});
}

void appendTexts(WindowTexts& out, bool isFrench, std::initializer_list<BilingualText> rows) {
  for (const BilingualText& r : rows) {
    const QString text = QString::fromUtf8(isFrench ? r.french : r.english);
    if (r.controls.size() == 0) out.push_back({QString(), r.property, text});
    else appendTexts(out, r.controls, r.property, text);
  }
}

}  // namespace tavo
