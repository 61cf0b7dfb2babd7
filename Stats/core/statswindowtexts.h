#pragma once
// The texts of the analyser's windows in French and in English, as data:
// the program puts the table of its language on each window once, before
// any window is shown. The windows are built without texts.
#include "common/languagetexts.h"

#include <QString>

namespace tavo::stats {

struct StatsWindowTexts {
  QString VolumeUnit;  // the unit word after volumes on the chart scales
  // One table per window.
  WindowTexts frmJourGraphe, frmJourSelect, frmMain, frmMoisGraphe, frmMoisSelect, frmRawData;
};

StatsWindowTexts statsWindowTexts(bool isFrench);

}  // namespace tavo::stats
