#include "Stats/ui/rawdatawindow.h"

#include "Stats/ui/statswindowlayout.h"

#include <QFontMetricsF>
#include <QListWidget>

namespace tavo::stats {

using namespace layout;

frmRawData::frmRawData() {
  setObjectName(QStringLiteral("frmRawData"));
  setFixedSize(twips(10740), twips(7650));
  setFont(windowFont(false));
  // The column headings, left to right.
  const char* const headings[] = {"Label1", "Label2", "Label7", "Label4", "Label5", "Label6", "Label3", "Label8"};
  int k = 0;
  for (const char* name : headings) {
    caption(this, name, 165 + 1260 * k, 150, 1230, Qt::AlignRight | Qt::AlignVCenter);
    ++k;
  }
  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("lstData"));
  QFont mono(QStringLiteral("Courier New"));
  mono.setStyleHint(QFont::Monospace);
  mono.setPointSizeF(8.25);
  // Twelve characters make one 1260-twip column under its heading, as with
  // Courier New at this size; other fixed fonts are spaced to match.
  const double advance = QFontMetricsF(mono).horizontalAdvance(QLatin1Char('0'));
  mono.setLetterSpacing(QFont::AbsoluteSpacing, 1260.0 / 15.0 / 12.0 - advance);
  list_->setFont(mono);
  list_->setGeometry(twips(60), twips(420), twips(10620), twips(7170));
}

void frmRawData::setLines(const QStringList& lines) {
  list_->clear();
  list_->addItems(lines);
}

}  // namespace tavo::stats
