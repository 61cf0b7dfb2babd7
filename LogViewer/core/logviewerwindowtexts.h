#pragma once
// The texts of the log viewer's two windows in French and in English, as
// data: the program puts the table of its language on each window once,
// before the list is shown. The windows are built without texts.
#include "common/languagetexts.h"

namespace tavo::logv {

// The hour word of the zoom label is the model's (ApplyEnglishUnitWord).
struct LogViewerWindowTexts {
  WindowTexts frmMain, frmGraphe;
};

LogViewerWindowTexts logViewerWindowTexts(bool isFrench);

}  // namespace tavo::logv
