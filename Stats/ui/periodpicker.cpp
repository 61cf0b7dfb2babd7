#include "Stats/ui/periodpicker.h"

#include "Stats/ui/statswindowlayout.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

namespace tavo::stats {

using namespace layout;

frmSelect::frmSelect(PeriodKind kind) : kind_(kind) {
  const bool day = kind == PeriodKind::Day;
  setObjectName(day ? QStringLiteral("frmJourSelect") : QStringLiteral("frmMoisSelect"));
  setWindowFlags(Qt::Dialog);
  setWindowModality(Qt::ApplicationModal);
  setFixedSize(twips(6300), twips(2250));
  setFont(windowFont(false));
  caption(this, QStringLiteral("Label1"), 120, 120);
  scr_ = new QScrollBar(Qt::Horizontal, this);
  scr_->setObjectName(QStringLiteral("scrSelect"));
  scr_->setSingleStep(1);
  scr_->setPageStep(1);
  scr_->setGeometry(twips(120), twips(480), twips(6060), twips(255));
  caption(this, QStringLiteral("Label3"), 1500, 960);
  period_ = value(this, QStringLiteral("lblPeriod"), 2700, 960, 2100, Figure::General, QString());
  ok_ = button(this, QStringLiteral("cmdOK"), 3300, 1500, 1500, 450);
  close_ = button(this, QStringLiteral("cmdClose"), 1500, 1500, 1500, 450);
  // Change and Scroll do the same: valueChanged follows the thumb too.
  connect(scr_, &QScrollBar::valueChanged, this, &frmSelect::scrSelect_Change);
  connect(ok_, &QPushButton::clicked, this, [this] {
    hide();
    emit cmdOK_Click();
  });
  connect(close_, &QPushButton::clicked, this, &QWidget::hide);
}

void frmSelect::setOffsets(int lastOffset) {
  // Setting the range must not run the scroll handler with stale values.
  const QSignalBlocker block(scr_);
  scr_->setMinimum(0);
  scr_->setMaximum(lastOffset);
  scr_->setValue(0);
}

void frmSelect::setPeriodText(const QString& text) { period_->setText(text); }

}  // namespace tavo::stats
