#pragma once
// The settings that the settings dialog's controls hold. Windows show
// them and change them through the setters; each change is announced by a
// signal, so a change made by the loader has the same effect as the user's
// (the engine reacts to chkLogging, the main window to scrTransp, optDL/
// optUL and the window position, the dialog to all of them).
#include <QObject>
#include <QPointF>
#include <QString>
#include <cstdint>

namespace tavo::monitor {

// The option buttons, in three groups: {Inbits, InBytes, Cumul, Mean},
// {DL, UL}, {MinAll, MinTavo}. Switching one on switches the others of its
// group off; switching one off switches no other on.
// The skin drawn by the monitor itself, named so in Tavo.ini in place of a
// descriptor's path.
inline QString builtInSkinName() { return QStringLiteral("default"); }

enum class Option { Inbits, InBytes, Cumul, Mean, DL, UL, MinAll, MinTavo };
inline constexpr int kOptionCount = 8;

class MonitorSettings : public QObject {
  Q_OBJECT
 public:
  explicit MonitorSettings(QObject* parent = nullptr);

  bool option(Option o) const { return options_[int(o)]; }
  void setOption(Option o, bool on);
  bool optInbits() const { return option(Option::Inbits); }
  bool optInBytes() const { return option(Option::InBytes); }
  bool optCumul() const { return option(Option::Cumul); }
  bool optMean() const { return option(Option::Mean); }
  bool optDL() const { return option(Option::DL); }
  bool optUL() const { return option(Option::UL); }
  bool optMinAll() const { return option(Option::MinAll); }
  bool optMinTavo() const { return option(Option::MinTavo); }

  // Check boxes: 0 unchecked, 1 checked, 2 greyed. Only 1 means "on".
  int chkLogging() const { return chkLogging_; }
  void setChkLogging(int value);  // emits chkLoggingClicked on every change
  int chkUpdate() const { return chkUpdate_; }
  void setChkUpdate(int value);

  int scrTransp() const { return scrTransp_; }  // 0 invisible .. 255 opaque
  void setScrTransp(int value);                 // clamped to 0..255

  // Mini graph: full scale in kbit/s and time base (0 per second, 1 per minute).
  std::int16_t DLLimit() const { return dlLimit_; }
  void setDLLimit(std::int16_t v);
  std::int16_t GraphRefresh() const { return graphRefresh_; }
  void setGraphRefresh(std::int16_t v);

  QString SkinDescriptorFile() const { return skinDescriptorFile_; }  // full path or builtInSkinName()
  void setSkinDescriptorFile(const QString& path);

  // The main window's top-left corner in pixels.
  QPointF windowPosition() const { return windowPosition_; }
  void setWindowPosition(const QPointF& p);

 signals:
  void optionChanged(tavo::monitor::Option option, bool on);
  void chkLoggingClicked(int value);
  void chkUpdateChanged(int value);
  void scrTranspChanged(int value);
  void dlLimitChanged(int value);
  void graphRefreshChanged(int value);
  void skinDescriptorFileChanged(const QString& path);
  void windowPositionChanged(const QPointF& p);

 private:
  void setOne(Option o, bool on);

  bool options_[kOptionCount] = {};
  int chkLogging_ = 0;
  int chkUpdate_ = 0;
  int scrTransp_ = 255;
  std::int16_t dlLimit_ = 1024;
  std::int16_t graphRefresh_ = 0;
  QString skinDescriptorFile_ = builtInSkinName();
  QPointF windowPosition_;
};

}  // namespace tavo::monitor
