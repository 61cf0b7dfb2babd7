#pragma once
// The English texts of the analyser's windows. The windows carry the French
// texts as their design texts; these replace them once, before any window
// is shown, when the program runs in English.
#include "common/languagetexts.h"

#include <QString>

namespace tavo::stats {

struct EnglishTexts {
  QString VolumeUnit;  // the unit word after volumes on the chart scales
  // One table per window, in the order the windows get their texts.
  WindowTexts frmJourGraphe, frmJourSelect, frmMain, frmMoisGraphe, frmMoisSelect, frmRawData;
};

EnglishTexts englishTexts();

}  // namespace tavo::stats
