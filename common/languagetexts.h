#pragma once
// The texts of a window in one language, as data: which control gets which
// text, as caption, tooltip, menu entry or tab. The logic makes the table
// (no widgets needed); one function puts it on a window. A name that no
// control of the window carries is a fault of the table, never something
// to pass over: the names come back to the caller, are warned about, and
// stop a debug build.
#include <QString>
#include <QStringList>

#include <initializer_list>
#include <span>
#include <vector>

class QWidget;

namespace tavo {

enum class TextProperty {
  Caption,  // a label's or button's text, a frame's title; the window's title for the window itself
  Tooltip,
  MenuCaption,  // the text of a menu entry (an action of the window)
  TabCaption,   // the text of tab number index of a tab widget or tab bar
};

struct ControlText {
  QString control;  // object name of the control; empty or the window's own name for the window itself
  TextProperty property = TextProperty::Caption;
  QString text;
  int index = 0;  // the tab for TabCaption
};

using WindowTexts = std::vector<ControlText>;

// One text for several controls, in the order of the names.
void appendTexts(WindowTexts& out, std::initializer_list<const char*> controls, TextProperty property,
                 const QString& text);

// One text in both languages, for one control or several: a row of a
// window's texts as the programs write them, French beside English.
struct BilingualText {
  std::initializer_list<const char*> controls;  // {} for the window itself
  TextProperty property;
  const char* french;  // UTF-8
  const char* english;
};

// Appends the rows' texts in the language asked, in row order.
void appendTexts(WindowTexts& out, bool isFrench, std::initializer_list<BilingualText> rows);

// Puts every text on window, in table order (in tavo_common_gui, which
// links the widgets; everything above needs QtCore only). Returns, each once, the control
// names that the window does not hold or whose control cannot take that
// text (a tab index it has not, a caption on a plain widget), after a
// qWarning and a failed Q_ASSERT; the other texts are applied all the same.
QStringList applyWindowTexts(QWidget* window, std::span<const ControlText> texts);

}  // namespace tavo
