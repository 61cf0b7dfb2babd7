#pragma once
// The help files: the suite's user guide, written as Markdown in the
// source, laid out by QTextDocument and written by QPdfWriter, so the build
// needs no other tool. Needs a QGuiApplication (fonts).
#include <QString>

namespace tavo::help {

// Renders the Markdown text into an A4 PDF at pdfPath, whole or not at all
// (an earlier file stays when the new one cannot be written). The title
// goes into the PDF's properties.
bool renderHelpPdf(const QString& markdown, const QString& title, const QString& pdfPath);

}  // namespace tavo::help
