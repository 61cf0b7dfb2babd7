#pragma once
// frmBig: the detailed graph window. It shows what it is given (the drawn
// columns, the counter texts, the log file name) and reports its buttons
// as signals; the drawing procedures live in MonitorWindows.
#include "common/clickablepicture.h"
#include "monitor/core/countertexts.h"
#include "monitor/core/detailgraph.h"
#include "monitor/ui/figurelabels.h"

#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include <array>

namespace tavo::monitor {

// A transparent strip over one bar series that names the pointed column.
class GraphTipArea : public QWidget {
  Q_OBJECT
 public:
  explicit GraphTipArea(QWidget* parent);
 signals:
  void pointerMoved(int offset);

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;
};

class frmBig : public QWidget, private FigureLabels {
  Q_OBJECT
 public:
  explicit frmBig(QWidget* parent = nullptr);

  void SetFrenchTexts();
  void SetEnglishTexts();
  void applyTexts(bool french) { french ? SetFrenchTexts() : SetEnglishTexts(); }

  // Drawing a view: clear, mark its option, then put the columns.
  void clearGraph();
  void markView(bool hourView);
  void setGraph(const DetailGraphColumns& columns);
  // lblStart, lblDuring, then the eight figures in the order of the tick.
  void setCounters(const CounterTexts& texts);
  // The current log file name (already shortened) for lblLogFile.
  void setLogFileText(const QString& text);
  // The log frame, shown while the rate log is written.
  void setLogFrameShown(bool shown) { frameLog->setVisible(shown); }

  const QImage& graphImage() const { return image_; }
  const DetailGraphColumns& columns() const { return columns_; }
  bool hourViewSelected() const { return optHour->isChecked(); }

  // Handlers.
  void optHour_Click() { emit hourViewRequested(); }
  void optMin_Click() { emit minuteViewRequested(); }
  void cmdRAZ_Click() { emit resetCountersRequested(); }
  void cmdChangeLog_Click() { emit newLogFileRequested(); }
  void cmdStats_Click() { emit statsRequested(); }
  void cmdLogViewer_Click() { emit logViewerRequested(); }
  void picStats_Click() { cmdStats_Click(); }
  void picLogViewer_Click() { cmdLogViewer_Click(); }
  void Label3_MouseMove(int offset);
  void Label4_MouseMove(int offset);

 signals:
  void hourViewRequested();
  void minuteViewRequested();
  void resetCountersRequested();
  void newLogFileRequested();
  void statsRequested();
  void logViewerRequested();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  QGroupBox* Frame1;
  QRadioButton* optHour;
  QRadioButton* optMin;
  QPushButton* cmdStats;
  tavo::ClickablePicture* picStats;
  QPushButton* cmdLogViewer;
  tavo::ClickablePicture* picLogViewer;
  QGroupBox* Frame2;
  QPushButton* cmdRAZ;
  QLabel* Label10;
  QLabel* lblStart;
  QLabel* Label11;
  QLabel* lblDuring;
  QLabel* Label7;
  QLabel* Label8;
  QLabel* Label9;
  QLabel* Label6;
  QLabel* Label5;
  QLabel* Label12;
  QGroupBox* frameLog;
  QLabel* label13;
  QLabel* lblLogFile;
  QPushButton* cmdChangeLog;
  QLabel* Label1;  // "Download (kbit/s)"
  QLabel* Label2;  // "Upload (kbit/s)"
  GraphTipArea* Label3;
  GraphTipArea* Label4;
  QLabel* lblD1;
  QLabel* lblD2;
  QLabel* lblU1;
  QLabel* lblU2;
  std::array<QLabel*, 11> lblScaleX{};

  QImage image_;
  DetailGraphColumns columns_;
};

}  // namespace tavo::monitor
