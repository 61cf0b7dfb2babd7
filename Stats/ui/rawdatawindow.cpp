#include "Stats/ui/rawdatawindow.h"

#include "Stats/ui/statswindowlayout.h"

#include <QFontMetricsF>
#include <QListWidget>

namespace tavo::stats {

using namespace layout;

frmRawData::frmRawData() {
  setObjectName(QStringLiteral("frmRawData"));
  setWindowTitle(QStringLiteral("Tavo - Statistiques - Données brutes"));
  setFixedSize(twips(10740), twips(7650));
  setFont(windowFont(false));
  const struct { const char* name; const char* text; } headings[] = {
      {"Label1", "Date"},        {"Label2", "Durée"},   {"Label7", "Déb. max DL"}, {"Label4", "Déb. max UL"},
      {"Label5", "Vol. DL"},     {"Label6", "Vol. UL"}, {"Label3", "Déb. moy DL"}, {"Label8", "Déb. moy UL"},
  };
  int k = 0;
  for (const auto& h : headings) {
    caption(this, h.name, QString::fromUtf8(h.text), 165 + 1260 * k, 150, 1230, Qt::AlignRight | Qt::AlignVCenter);
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
  fitCaptions(this);
}

void frmRawData::setLines(const QStringList& lines) {
  list_->clear();
  list_->addItems(lines);
}

}  // namespace tavo::stats
