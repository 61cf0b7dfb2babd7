#pragma once
// The texts of the updater's window Form1 in French and in English, as
// data: the program puts the table of its language on the window before
// it is shown. The window is built without texts.
#include "common/languagetexts.h"

#include <QString>

namespace tavo::update {

// The caption names the product asked about, in either language.
WindowTexts updaterWindowTexts(bool isFrench, const QString& productToken);

}  // namespace tavo::update
