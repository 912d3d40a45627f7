#pragma once

// The printed form of an analysis: a header on the first page (the analysis, the case's
// name, its process numbers, the date of the calculation and the program's version), the
// timeline drawn in vectors, then the answer text as the analysis wrote it, with its
// convention, options and closing line (law.md 15; the line is added only to a text that
// lacks it), and "Página N de M" at the foot of every page. Written to a PDF (A4, its fonts
// embedded) or to a printer the caller has set up (after a QPrintDialog, say). It needs a
// QGuiApplication but no window, so the command line writes the same PDF offscreen.
//
// The texts are the pure libraries' own, in Windows-1252.

#include "dates/CivilDate.h"
#include "widgets/FileOutcome.h"
#include "widgets/ReportPicture.h"

#include <QByteArray>
#include <QString>
#include <memory>
#include <string>
#include <vector>

class QPagedPaintDevice;
class QPrinter;
class QSizeF;
class QTextDocument;

namespace zarn {

struct ReportContents {
    std::string Title; // the analysis: "Execu\xE7\xE3o penal"
    std::string CaseName;
    std::vector<std::string> ProcessNumbers;
    CivilDate CalculationDate;
    std::string Answer;
    ReportPicture Timeline; // none when it has no painter
};

class AnalysisReport {
public:
    explicit AnalysisReport(ReportContents contents);

    // The report as PDF bytes; empty if the PDF could not be drawn.
    QByteArray Pdf() const;
    // Saves the PDF atomically (CaseFileWriter): an old file stays whole when this fails.
    FileOutcome WritePdf(const QString& path) const;
    // Prints the pages the printer's range asks for (all when it asks for none) on the
    // printer's paper, its margins widened to the PDF's 20 mm where they are narrower.
    FileOutcome Print(QPrinter& printer) const;

    // "Página 2 de 5".
    static QString PageNumber(int page, int pages);

private:
    std::unique_ptr<QTextDocument> Compose(QPagedPaintDevice& device, const QSizeF& page) const;
    bool Render(QPagedPaintDevice& device, int firstPage, int lastPage) const;

    ReportContents m_contents;
};

} // namespace zarn
