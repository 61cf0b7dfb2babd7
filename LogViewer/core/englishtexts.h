#pragma once
// The English texts of the log viewer's two windows. The windows carry the
// French texts as their design texts; these replace them once, before the
// list is shown, when the viewer runs in English.
#include "common/languagetexts.h"

#include <QString>

namespace tavo::logv {

// The hour word of the zoom label is the model's (ApplyEnglishUnitWord).
struct EnglishLogTexts {
  WindowTexts frmMain, frmGraphe;
};

EnglishLogTexts englishLogTexts();

}  // namespace tavo::logv
