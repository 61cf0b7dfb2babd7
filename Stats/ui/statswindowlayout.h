#pragma once
// What the analyser's windows are built from: their layouts in twips, the
// font they were designed for, the fixed captions, the value labels and
// the tables of figures, and the fitting of the captions to their texts.
#include "Stats/core/analysis.h"
#include "common/languagetexts.h"

#include <QFont>
#include <QLabel>
#include <QString>
#include <QStringList>

#include <vector>

class QPushButton;
class QWidget;

namespace tavo::stats {

// Twips of the window layouts to pixels.
constexpr int twips(int t) { return (t + 7) / 15; }

// Sets the caption or text of a label, button, group box or window.
void setCaption(QWidget* w, const QString& text);
// The caption or text of one of those.
QString captionOf(const QWidget* w);

// Lays the window's fixed captions out anew for their texts: each is as
// wide as its text, in its design place when it fits there, otherwise
// moved or widened towards the free room, never over the labels beside it
// on its line. Captions that fit keep their design geometry.
void fitCaptions(QWidget* window);

// Puts a language table on one of the analyser's windows and fits its
// captions to the texts; the names of the table that the window does not
// hold.
QStringList applyTexts(QWidget* window, const WindowTexts& texts);

namespace layout {

enum class Figure { General, Download, Upload };

QFont windowFont(bool bold);

// A fixed caption at its design place (x, y in twips), its text to come
// from the window's language table; a width of 0 makes it as wide as its
// text when the captions are fitted.
QLabel* caption(QWidget* parent, const QString& name, int x, int y, int width = 0,
                Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter);
QLabel* heading(QWidget* parent, const QString& name, int x, int y);
// A figure on the light yellow: green for downloads, dark red for uploads.
QLabel* value(QWidget* parent, const QString& name, int x, int y, int width, Figure figure,
              const QString& design = QStringLiteral("0"));
// A command button, its caption and tooltip from the language table.
QPushButton* button(QWidget* parent, const QString& name, int x, int y, int w, int h);

// One line of a figure table: the caption in the middle, the download
// value left of it and the upload value right of it, and for the lines
// that name a day (month) the period further out behind its word ("le :",
// "en :").
struct FigureLine {
  QString captionName;
  QString dl;
  QString ul;
  QLabel** dlLabel;
  QLabel** ulLabel;
  QString dlDate = {};  // empty: the line names no period
  QString ulDate = {};
  QLabel** dlDateLabel = nullptr;
  QLabel** ulDateLabel = nullptr;
  QString leftWord = {};
  QString rightWord = {};
};

struct TableColumns {
  int leftWord = 330, leftDate = 705, dl = 1755, caption = 2700, ul = 5370, rightWord = 6390, rightDate = 6765;
  int valueWidth = 960, captionWidth = 2610, dateWidth = 1020;
};

void figureTable(QWidget* parent, const TableColumns& c, int firstY, int step, const std::vector<FigureLine>& lines);

template <class Figures, class Texts>
void showFigures(Figures& labels, const Texts& texts) {
  forEachField(labels, texts, [](QLabel* l, const QString& text) { l->setText(text); });
}

}  // namespace layout

}  // namespace tavo::stats
