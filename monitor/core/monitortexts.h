#pragma once
// The texts of the monitor's own windows in French and in English, as data:
// one table of {control, property, French, English} per window, which
// tavo::applyWindowTexts (common/languagetexts.h) puts on the controls named
// here. The other programs of the suite put their texts on their windows
// the same way.
#include "common/languagetexts.h"

#include <QString>

namespace tavo::monitor {

using tavo::ControlText;
using tavo::TextProperty;

struct MonitorTexts {
  WindowTexts settings;  // frmSettings, in the order they are set
  WindowTexts trayMenu;  // mnuInTray
  QString QuitPrompt;
  QString QuitTitle;
};

MonitorTexts monitorTexts(bool isFrench);

// The texts of the detailed graph (frmBig), the bubble (frmBulle) and the
// interface chooser (frmInterfaces).
WindowTexts bigGraphTexts(bool isFrench);
WindowTexts bubbleTexts(bool isFrench);
WindowTexts interfaceChooserTexts(bool isFrench);

// The tab captions that the settings dialog gets when it is created; the
// French texts leave them as they are.
QString designTabCaption(int index);

// The settings dialog's caption before the language is applied.
QString designSettingsCaption();

// The version text of the tray tip, the dialog caption and the updater.
QString versionText();

// The tray tip: the product word and the version between blanks.
QString trayTip();

// The text of the box (titled errorBoxTitle) shown when a program of the
// suite cannot be started.
QString launchErrorText(bool isFrench, const QString& program);

}  // namespace tavo::monitor
