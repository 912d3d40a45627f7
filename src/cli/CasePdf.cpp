#include "cli/CasePdf.h"

#include "cli/CaseDocumentFile.h"
#include "cli/JsonLine.h"
#include "widgets/QtText.h"

#include <QApplication>
#include <cstdio>
#include <memory>

namespace zarn {
namespace {

constexpr std::string_view kNoApplication = "o relat\xF3rio precisa de uma aplica\xE7\xE3o gr\xE1"
                                            "fica, e outra j\xE1 est\xE1 em uso";

// Qt's notes on the machine (no runtime folder, a font it substitutes) are not the command's
// output; its critical messages still are.
void OnlyCriticalMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        const QByteArray text = message.toLocal8Bit();
        std::fprintf(stderr, "zarn-calc: %s\n", text.constData());
    }
}

// The application the report's fonts and timeline need, for as long as the report is made:
// one of its own on the offscreen platform, unless the process has one already.
class ReportApplication {
public:
    ReportApplication() {
        if (QCoreApplication::instance()) {
            return;
        }
        m_previousHandler = qInstallMessageHandler(OnlyCriticalMessages);
        qputenv("QT_QPA_PLATFORM", "offscreen");
        m_application = std::make_unique<QApplication>(m_argc, m_argv);
    }
    ~ReportApplication() {
        if (m_application) {
            m_application.reset();
            qInstallMessageHandler(m_previousHandler);
        }
    }
    ReportApplication(const ReportApplication&) = delete;
    ReportApplication& operator=(const ReportApplication&) = delete;

    static bool Usable() { return qobject_cast<QApplication*>(QCoreApplication::instance()); }

private:
    int m_argc = 1;
    char m_name[10] = "zarn-calc";
    char* m_argv[2] = {m_name, nullptr};
    std::unique_ptr<QApplication> m_application;
    QtMessageHandler m_previousHandler = nullptr;
};

CommandResult OutputFailure(const QString& message) {
    CommandResult result;
    result.Err.push_back("zarn-calc: " + ToCp1252(message));
    result.ExitCode = kExitOutputFailure;
    return result;
}

} // namespace

const std::string_view kPdfFlagHelp =
    "            --pdf ARQUIVO   grava o relat\xF3rio em PDF, o mesmo que a janela exporta\n"
    "                            (cabe\xE7"
    "alho, texto, linha do tempo, p\xE1ginas A4\n"
    "                            numeradas), em vez de escrever o texto\n";

std::string ReportName(const CaseDocument& document, std::string_view caseFile) {
    return ReportCaseName(document, caseFile == "-" ? QString() : ToQString(caseFile));
}

CommandResult WriteCasePdf(std::string_view pdfFile, std::string_view caseFile,
                           const std::function<CaseReportOutcome()>& report) {
    const ReportApplication application;
    if (!ReportApplication::Usable()) {
        return CaseFileFault(caseFile, kNoApplication);
    }
    // Made and dropped while the application lives: the timeline is a widget.
    const CaseReportOutcome outcome = report();
    if (!outcome.Ok()) {
        return CaseFileFault(caseFile, outcome.Error);
    }
    const FileOutcome written = AnalysisReport(*outcome.Contents).WritePdf(ToQString(pdfFile));
    if (!written.Ok()) {
        return OutputFailure(written.Message);
    }
    return {};
}

std::optional<CommandResult>
WritePdfIfAsked(const CaseArguments& read, const CaseDocument& document,
                const std::function<CaseReportOutcome(const std::string& name)>& report) {
    const std::optional<std::string> pdf = read.Value(kPdfFlag);
    if (!pdf) {
        return std::nullopt;
    }
    CommandResult written =
        WriteCasePdf(*pdf, read.File, [&] { return report(ReportName(document, read.File)); });
    if (written.ExitCode != kExitResult || !read.Has(kJsonFlag)) {
        return written;
    }
    return std::nullopt;
}

} // namespace zarn
