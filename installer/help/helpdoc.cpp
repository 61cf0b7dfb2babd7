#include "installer/help/helpdoc.h"

#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

namespace tavo::help {

bool renderHelpPdf(const QString& markdown, const QString& title, const QString& pdfPath) {
  QSaveFile file(pdfPath);
  if (!file.open(QIODevice::WriteOnly)) return false;
  {
    QPdfWriter writer(&file);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Tavo"));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter);
    writer.setResolution(300);

    QTextDocument doc;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(10);
    doc.setDefaultFont(font);
    doc.setDefaultStyleSheet(QStringLiteral("table { border-collapse: collapse; } td, th { padding: 3px; }"));
    doc.setMarkdown(markdown);
    doc.print(&writer);
  }
  // The writer has finished the file when it goes; an empty file means it
  // could not lay out a page.
  if (file.error() != QFileDevice::NoError || file.size() == 0) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

}  // namespace tavo::help
