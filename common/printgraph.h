#pragma once
// Printing a graph window as a picture of itself: the window's image is
// grabbed directly (the clipboard is left alone) and printed landscape,
// 1200 twips from the left and top of the page, at its on-screen size.
#include <QString>

class QWidget;
class QPrinter;

namespace tavo {

class DesktopSeam;

enum class PrintOutcome { Printed, NoPrinter, Failed };

// Prints target on printer. The busy cursor shows during the capture.
PrintOutcome printWindowImage(QWidget* target, QPrinter& printer);

// Prints on the desktop's printer, the default one unless it gives another
// (a PDF file in tests); when there is none, says so in a message box
// titled "Tavo - Erreur" or "Tavo - Error", asked of the desktop, and does
// nothing else.
PrintOutcome PrintGraphWindow(QWidget* target, bool isFrench, DesktopSeam& desktop);

// The message shown when no default printer exists.
QString noPrinterText(bool isFrench);

}  // namespace tavo
