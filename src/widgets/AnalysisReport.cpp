#include "widgets/AnalysisReport.h"

#include "law/LegalText.h"
#include "widgets/CaseFileWriter.h"
#include "widgets/QtText.h"
#include "widgets/ReportPictureObject.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QDir>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <string_view>

namespace zarn {
namespace {

constexpr std::string_view kCaseLine = "Caso: %1";
constexpr std::string_view kProcessLine = "Processo: %1";
constexpr std::string_view kProcessesLine = "Processos: %1";
constexpr std::string_view kProcessSeparator = "; ";
constexpr std::string_view kDateLine = "Data do c\xE1lculo: %1";
constexpr std::string_view kProgramLine = "Zarn %1";
constexpr std::string_view kPageNumber = "P\xE1gina %1 de %2";
constexpr std::string_view kPdfFailed = "N\xE3o foi poss\xEDvel compor o PDF do relat\xF3rio.";
constexpr std::string_view kPrintFailed = "N\xE3o foi poss\xEDvel imprimir em %1.";
constexpr std::string_view kTitleSeparator = " \x96 ";

constexpr qreal kBodyPoints = 10;
constexpr qreal kTitlePoints = 14;
constexpr qreal kPageMarginMillimetres = 20;
// The text layout takes the margins of blocks in pixels of a 96 dots-per-inch screen and
// scales them to the device.
constexpr qreal kLayoutDpi = 96;

QFont BodyFont() {
    QFont font = QGuiApplication::font();
    font.setPointSizeF(kBodyPoints);
    return font;
}

QString ProgramVersion() {
    return ToQString(kProgramLine).arg(QStringLiteral(ZARN_VERSION));
}

// The answer as it goes on the page: the closing line every output ends with, added
// where the text lacks it, never twice.
std::string AnswerWithClosingLine(std::string answer) {
    if (answer.find(kClosingLine) == std::string::npos) {
        if (!answer.empty() && answer.back() != '\n') {
            answer += '\n';
        }
        answer += kClosingLine;
    }
    return answer;
}

QString ProcessesText(const std::vector<std::string>& numbers) {
    QStringList texts;
    for (const std::string& number : numbers) {
        if (!number.empty()) {
            texts.append(ToQString(number));
        }
    }
    if (texts.isEmpty()) {
        return {};
    }
    const std::string_view line = texts.size() == 1 ? kProcessLine : kProcessesLine;
    return ToQString(line).arg(texts.join(ToQString(kProcessSeparator)));
}

void InsertTitle(QTextCursor& cursor, const QString& title) {
    QTextCharFormat format;
    format.setFontPointSize(kTitlePoints);
    format.setFontWeight(QFont::Bold);
    cursor.setCharFormat(format);
    cursor.insertText(title);
}

void InsertLine(QTextCursor& cursor, const QString& text) {
    if (text.isEmpty()) {
        return;
    }
    cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
    cursor.insertText(text);
}

// The last header line, ruled off from the body below it.
void InsertRuledLine(QTextCursor& cursor, const QString& text, qreal spaceAfter) {
    QTextBlockFormat format;
    format.setProperty(QTextFormat::BlockTrailingHorizontalRulerWidth,
                       QTextLength(QTextLength::PercentageLength, 100));
    format.setBottomMargin(spaceAfter);
    cursor.insertBlock(format, QTextCharFormat());
    cursor.insertText(text);
}

void DrawFooter(QPainter& painter, const QRectF& area, const QString& text) {
    painter.setFont(BodyFont());
    painter.setPen(Qt::black);
    painter.drawText(area, Qt::AlignHCenter | Qt::AlignBottom, text);
}

} // namespace

AnalysisReport::AnalysisReport(ReportContents contents)
    : m_contents(std::move(contents)) {}

QString AnalysisReport::PageNumber(int page, int pages) {
    return ToQString(kPageNumber).arg(page).arg(pages);
}

std::unique_ptr<QTextDocument> AnalysisReport::Compose(QPagedPaintDevice& device,
                                                       const QSizeF& page) const {
    auto document = std::make_unique<QTextDocument>();
    // Laid out with the device's own resolution, so that what is measured is what is drawn.
    document->documentLayout()->setPaintDevice(&device);
    document->setDefaultFont(BodyFont());
    document->setDocumentMargin(0);
    document->setPageSize(page);

    // A line of the body font: the space under the header and under the picture.
    const qreal line =
        QFontMetricsF(BodyFont(), &device).lineSpacing() * kLayoutDpi / device.logicalDpiY();
    QTextCursor cursor(document.get());
    InsertTitle(cursor, ToQString(m_contents.Title));
    if (!m_contents.CaseName.empty()) {
        InsertLine(cursor, ToQString(kCaseLine).arg(ToQString(m_contents.CaseName)));
    }
    InsertLine(cursor, ProcessesText(m_contents.ProcessNumbers));
    InsertLine(cursor,
               ToQString(kDateLine).arg(ToQString(WriteCivilDate(m_contents.CalculationDate))));
    InsertRuledLine(cursor, ProgramVersion(), line);

    if (!m_contents.Timeline.Empty()) {
        QTextBlockFormat format;
        format.setBottomMargin(line);
        cursor.insertBlock(format, QTextCharFormat());
        const auto* picture = new ReportPictureObject(m_contents.Timeline, *document);
        picture->InsertAt(cursor);
    }
    cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
    cursor.insertText(ToQString(AnswerWithClosingLine(m_contents.Answer)));
    return document;
}

bool AnalysisReport::Render(QPagedPaintDevice& device, int firstPage, int lastPage) const {
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    const qreal footer = 2 * QFontMetricsF(BodyFont(), &device).lineSpacing();
    const QSizeF page(device.width(), device.height() - footer);
    const std::unique_ptr<QTextDocument> document = Compose(device, page);
    const int pages = document->pageCount();
    const int first = std::clamp(firstPage, 1, pages);
    const int last = lastPage < 1 ? pages : std::clamp(lastPage, first, pages);
    for (int number = first; number <= last; ++number) {
        if (number > first && !device.newPage()) {
            return false;
        }
        const QRectF area(QPointF(0, (number - 1) * page.height()), page);
        painter.save();
        painter.translate(0, -area.top());
        document->drawContents(&painter, area);
        painter.restore();
        DrawFooter(painter, QRectF(0, page.height(), page.width(), footer),
                   PageNumber(number, pages));
    }
    return painter.end();
}

QByteArray AnalysisReport::Pdf() const {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(kPageMarginMillimetres, kPageMarginMillimetres,
                                        kPageMarginMillimetres, kPageMarginMillimetres),
                              QPageLayout::Millimeter);
        QString title = ToQString(m_contents.Title);
        if (!m_contents.CaseName.empty()) {
            title += ToQString(kTitleSeparator) + ToQString(m_contents.CaseName);
        }
        writer.setTitle(title);
        writer.setCreator(ProgramVersion());
        if (!Render(writer, 1, 0)) {
            return {};
        }
    }
    return buffer.data();
}

FileOutcome AnalysisReport::WritePdf(const QString& path) const {
    const QByteArray pdf = Pdf();
    if (pdf.isEmpty()) {
        return {ToQString(kPdfFailed)};
    }
    return CaseFileWriter().Write(path, pdf);
}

FileOutcome AnalysisReport::Print(QPrinter& printer) const {
    // The paper is the user's choice; the margins are at least the PDF's, which printers'
    // own (a few millimetres) would leave the text crowding the edge.
    const QMarginsF given = printer.pageLayout().margins(QPageLayout::Millimeter);
    printer.setPageMargins(QMarginsF(std::max(given.left(), kPageMarginMillimetres),
                                     std::max(given.top(), kPageMarginMillimetres),
                                     std::max(given.right(), kPageMarginMillimetres),
                                     std::max(given.bottom(), kPageMarginMillimetres)),
                           QPageLayout::Millimeter);
    if (!Render(printer, printer.fromPage(), printer.toPage())) {
        const QString name = printer.outputFileName().isEmpty()
                                 ? printer.printerName()
                                 : QDir::toNativeSeparators(printer.outputFileName());
        return {ToQString(kPrintFailed).arg(name)};
    }
    return {};
}

} // namespace zarn
