#pragma once
// Printing a graph window as a picture of itself: the window's image is
// grabbed directly (the clipboard is left alone) and printed landscape,
// 1200 twips from the left and top of the page, at its on-screen size.
#include <QString>

class QWidget;
class QPrinter;

namespace tavo {

enum class PrintOutcome { Printed, NoPrinter, Failed };

// Prints target on printer. The busy cursor shows during the capture.
PrintOutcome printWindowImage(QWidget* target, QPrinter& printer);

// Prints on the default printer; when there is none, says so in a message
// box titled "Tavo - Erreur" or "Tavo - Error" and does nothing else.
// A printer given here (a PDF file in tests) is used instead.
PrintOutcome PrintGraphWindow(QWidget* target, bool isFrench, QPrinter* printer = nullptr);

// The message shown when no default printer exists.
QString noPrinterText(bool isFrench);

}  // namespace tavo
