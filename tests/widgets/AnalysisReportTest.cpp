// The report as poppler's own tools read it (pdfinfo, pdftotext, pdffonts, pdfimages;
// skipped with a message where they are missing): A4 pages, the header on the first page
// only, the answer over several pages ending in the closing line once, "Página N de M" on
// every page, every font embedded, the timeline drawn by the PDF engine itself (no image in
// the file); the printer's page range; a PDF that cannot be saved says why.

#include "widgets/AnalysisReport.h"

#include "CaseFilesTests.h"
#include "law/LegalText.h"

#include <QDir>
#include <QPaintEngine>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace zarn {
namespace {

const QString kClosingLineUtf8 =
    QStringLiteral("Conferir com o caso concreto: o cálculo não substitui o exame dos requisitos "
                   "subjetivos.");
const QString kPictureWords = QStringLiteral("Linha do tempo de teste");
constexpr int kParagraphs = 90;

// A long answer, as the analyses join theirs: paragraphs, the convention, the closing line.
std::string LongAnswer() {
    std::vector<std::string> paragraphs;
    for (int i = 1; i <= kParagraphs; ++i) {
        paragraphs.push_back("Par\xE1grafo " + std::to_string(i) +
                             ": progress\xE3o para o regime semiaberto a partir de 20/04/2022.");
    }
    return JoinAnalysis(paragraphs, CountingConvention::Base360);
}

// What the timeline's painter was given.
struct PictureCall {
    QRectF Area;
    QPaintEngine::Type Engine = QPaintEngine::User;
    qreal AskedHeight = 0;
};

ReportContents Sample(std::string answer, PictureCall& call) {
    ReportContents contents;
    contents.Title = "Execu\xE7\xE3o penal";
    contents.CaseName = "Fulano de Tal";
    contents.ProcessNumbers = {"0001111-11.2021.8.26.0050", "0002222-22.2021.8.26.0050"};
    contents.CalculationDate = CivilDate{2026, 12, 8};
    contents.Answer = std::move(answer);
    contents.Timeline.Height = [&call](const QFontMetricsF& metrics, qreal) {
        call.AskedHeight = 4 * metrics.height();
        return call.AskedHeight;
    };
    contents.Timeline.Paint = [&call](QPainter& painter, const QRectF& area) {
        call.Area = area;
        call.Engine = painter.paintEngine()->type();
        painter.drawRect(area.adjusted(0, 0, -1, -1));
        painter.drawText(area, Qt::AlignCenter, kPictureWords);
    };
    return contents;
}

// The standard output of one of poppler's tools; skips the test where it is missing.
QString Run(const QString& tool, const QStringList& arguments) {
    if (QStandardPaths::findExecutable(tool).isEmpty()) {
        return {};
    }
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished() || process.exitCode() != 0) {
        qWarning("%s failed: %s", qPrintable(tool), process.readAllStandardError().constData());
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

#define POPPLER(result, tool, ...)                                                                 \
    const QString result = Run(QStringLiteral(tool), __VA_ARGS__);                                 \
    if (QStandardPaths::findExecutable(QStringLiteral(tool)).isEmpty()) {                          \
        QSKIP(tool " (poppler-utils) is not installed");                                           \
    }                                                                                              \
    QVERIFY2(!result.isEmpty(), tool " read nothing")

int PageCount(const QString& info) {
    return QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info).captured(1).toInt();
}

// The text on one line, so that a sentence broken where the page's width ends is found.
QString OneLine(const QString& text) {
    return text.simplified();
}

} // namespace

class AnalysisReportTest : public QObject {
    Q_OBJECT
private slots:
    void ThePdfReadsAsTheReport_data();
    void ThePdfReadsAsTheReport();
    void TheFontsAreEmbeddedAndTheTimelineStaysVector();
    void ThePrinterGetsThePagesItAsksFor();

private:
    QTemporaryDir m_dir;
};

void AnalysisReportTest::ThePdfReadsAsTheReport_data() {
    QTest::addColumn<bool>("closingLineInAnswer");
    QTest::newRow("the answer ends with the closing line") << true;
    QTest::newRow("an answer without it gets it") << false;
}

void AnalysisReportTest::ThePdfReadsAsTheReport() {
    QFETCH(bool, closingLineInAnswer);
    std::string answer = LongAnswer();
    if (!closingLineInAnswer) {
        answer.erase(answer.find(kClosingLine));
    }
    PictureCall call;
    const QString path = m_dir.filePath(QStringLiteral("relatorio.pdf"));
    const FileOutcome outcome = AnalysisReport(Sample(answer, call)).WritePdf(path);
    QVERIFY2(outcome.Ok(), qPrintable(outcome.Message));

    POPPLER(info, "pdfinfo", {path});
    const int pages = PageCount(info);
    QVERIFY2(pages >= 2, qPrintable(info));
    const QRegularExpressionMatch size =
        QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts")).match(info);
    QCOMPARE(qRound(size.captured(1).toDouble()), 595);
    QCOMPARE(qRound(size.captured(2).toDouble()), 842);

    POPPLER(text, "pdftotext", {path, QStringLiteral("-")});
    const QString all = OneLine(text);
    for (const QString& expected :
         {QStringLiteral("Execução penal"), QStringLiteral("Caso: Fulano de Tal"),
          QStringLiteral("Processos: 0001111-11.2021.8.26.0050; 0002222-22.2021.8.26.0050"),
          QStringLiteral("Data do cálculo: 08/12/2026"), QStringLiteral("Zarn " EXPECTED_VERSION),
          QStringLiteral(
              "Parágrafo 1: progressão para o regime semiaberto a partir de 20/04/2022."),
          QStringLiteral("Parágrafo %1:").arg(kParagraphs), QStringLiteral("base 360/30"),
          kPictureWords}) {
        QVERIFY2(all.contains(expected), qPrintable(expected));
    }
    QCOMPARE(all.count(kClosingLineUtf8), 1);
    QVERIFY(all.indexOf(QStringLiteral("Parágrafo %1:").arg(kParagraphs)) <
            all.indexOf(kClosingLineUtf8));
    for (int page = 1; page <= pages; ++page) {
        POPPLER(pageText, "pdftotext",
                {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                 QString::number(page), path, QStringLiteral("-")});
        QVERIFY2(OneLine(pageText).contains(AnalysisReport::PageNumber(page, pages)),
                 qPrintable(QStringLiteral("page %1").arg(page)));
        QCOMPARE(OneLine(pageText).contains(QStringLiteral("Data do cálculo")), page == 1);
    }
    QCOMPARE(AnalysisReport::PageNumber(2, pages), QStringLiteral("Página 2 de %1").arg(pages));
}

void AnalysisReportTest::TheFontsAreEmbeddedAndTheTimelineStaysVector() {
    PictureCall call;
    const QString path = m_dir.filePath(QStringLiteral("fontes.pdf"));
    QVERIFY(AnalysisReport(Sample(LongAnswer(), call)).WritePdf(path).Ok());
    QCOMPARE(call.Engine, QPaintEngine::Pdf);
    QCOMPARE(call.Area.height(), call.AskedHeight);
    const qreal line = call.AskedHeight / 4;
    QVERIFY(call.Area.width() > 10 * line); // across the text, not a stamp
    QVERIFY(call.Area.top() < 10 * line);   // under the header's six lines and a space

    // name, type (one word or two), encoding, then emb, sub, uni, object and ID.
    POPPLER(fonts, "pdffonts", {path});
    const QStringList rows = fonts.split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(2);
    QVERIFY2(!rows.isEmpty(), qPrintable(fonts));
    for (const QString& row : rows) {
        const QStringList columns = row.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        QVERIFY2(columns.size() >= 7 && columns[columns.size() - 5] == QStringLiteral("yes"),
                 qPrintable(row));
    }
    POPPLER(images, "pdfimages", {QStringLiteral("-list"), path});
    QCOMPARE(images.split(QLatin1Char('\n'), Qt::SkipEmptyParts).size(), 2); // the header only
}

void AnalysisReportTest::ThePrinterGetsThePagesItAsksFor() {
    PictureCall call;
    const AnalysisReport report(Sample(LongAnswer(), call));
    // A printer of its own page size and margins: it counts its own pages.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(m_dir.filePath(QStringLiteral("impresso.pdf")));
    QVERIFY(report.Print(printer).Ok());
    POPPLER(wholeInfo, "pdfinfo", {printer.outputFileName()});
    const int pages = PageCount(wholeInfo);
    QVERIFY(pages >= 2);

    printer.setFromTo(2, 2);
    const FileOutcome outcome = report.Print(printer);
    QVERIFY2(outcome.Ok(), qPrintable(outcome.Message));
    POPPLER(info, "pdfinfo", {printer.outputFileName()});
    QCOMPARE(PageCount(info), 1);
    POPPLER(text, "pdftotext", {printer.outputFileName(), QStringLiteral("-")});
    QVERIFY(OneLine(text).contains(AnalysisReport::PageNumber(2, pages)));
    QVERIFY(!OneLine(text).contains(QStringLiteral("Data do cálculo")));
}

std::unique_ptr<QObject> MakeAnalysisReportTest() {
    return std::make_unique<AnalysisReportTest>();
}

} // namespace zarn

#include "AnalysisReportTest.moc"
