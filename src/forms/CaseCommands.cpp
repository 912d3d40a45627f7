#include "forms/CaseCommands.h"

#include "widgets/CaseSession.h"
#include "widgets/QtText.h"
#include "widgets/RecentCases.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <string_view>

namespace zarn {
namespace {

constexpr std::string_view kOpenCaption = "Abrir caso";
constexpr std::string_view kSaveCaption = "Salvar caso";
constexpr std::string_view kSaveAsCaption = "Salvar caso como";
constexpr std::string_view kExportCaption = "Exportar PDF";
constexpr std::string_view kPrintCaption = "Imprimir";
constexpr std::string_view kQuestionCaption = "Altera\xE7\xF5"
                                              "es n\xE3o salvas";
constexpr std::string_view kQuestion = "O caso \"%1\" tem altera\xE7\xF5"
                                       "es que n\xE3o foram salvas.";
constexpr std::string_view kQuestionMore = "Salvar as altera\xE7\xF5"
                                           "es? Descartar as perde.";
constexpr std::string_view kSaveButton = "&Salvar";
constexpr std::string_view kDiscardButton = "&Descartar";
constexpr std::string_view kCancelButton = "Cancelar";
constexpr std::string_view kCaseFilter = "Casos do Zarn (*.zarn);;Todos os arquivos (*)";
constexpr std::string_view kPdfFilter = "PDF (*.pdf)";
constexpr std::string_view kNoReport = "N\xE3o h\xE1 relat\xF3rio desta an\xE1lise: %1.";
constexpr std::string_view kCaseExtension = "zarn";
constexpr std::string_view kPdfExtension = "pdf";
constexpr std::string_view kFileNameSeparator = " - ";

QString Caption(CaseDialogs::FileUse use) {
    switch (use) {
    case CaseDialogs::FileUse::OpenCase:
        return ToQString(kOpenCaption);
    case CaseDialogs::FileUse::SaveCase:
        return ToQString(kSaveAsCaption);
    case CaseDialogs::FileUse::ExportPdf:
        break;
    }
    return ToQString(kExportCaption);
}

// A name typed without an extension takes the file's.
QString WithExtension(QString path, std::string_view extension) {
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty()) {
        path += QLatin1Char('.') + ToQString(extension);
    }
    return path;
}

// Characters no file name on any desktop may hold.
QString FileNameOf(QString name) {
    static const QString forbidden = QStringLiteral("\\/:*?\"<>|");
    for (QChar& c : name) {
        if (forbidden.contains(c) || c.unicode() < 0x20) {
            c = QLatin1Char('_');
        }
    }
    return name.trimmed();
}

void Warn(QWidget* from, std::string_view caption, const QString& message) {
    QMessageBox::warning(from, ToQString(caption), message);
}

} // namespace

CaseDialogs CaseDialogs::Desktop() {
    CaseDialogs dialogs;
    dialogs.ChooseFile = [](QWidget* parent, FileUse use, const QString& suggested) {
        const QString filter = ToQString(use == FileUse::ExportPdf ? kPdfFilter : kCaseFilter);
        if (use == FileUse::OpenCase) {
            return QFileDialog::getOpenFileName(parent, Caption(use), suggested, filter);
        }
        return QFileDialog::getSaveFileName(parent, Caption(use), suggested, filter);
    };
    dialogs.SetUpPrinter = [](QWidget* parent, QPrinter& printer) {
        QPrintDialog dialog(&printer, parent);
        dialog.setWindowTitle(ToQString(kPrintCaption));
        return dialog.exec() == QDialog::Accepted;
    };
    return dialogs;
}

CaseCommands::CaseCommands(CaseSession& session, QObject* parent)
    : QObject(parent)
    , m_session(session)
    , m_dialogs(CaseDialogs::Desktop()) {}

void CaseCommands::AddWindow(QWidget* window) {
    m_windows.append(window);
}

void CaseCommands::New(QWidget* from) {
    if (m_session.Modified() && AskToSave(from) == Answer::Cancelled) {
        return;
    }
    m_session.StartNew();
}

void CaseCommands::Open(QWidget* from) {
    const QString folder = QFileInfo(m_session.FilePath()).absolutePath();
    const QString path = m_dialogs.ChooseFile(from, CaseDialogs::FileUse::OpenCase,
                                              m_session.FilePath().isEmpty() ? QString() : folder);
    if (!path.isEmpty()) {
        OpenFile(from, path);
    }
}

void CaseCommands::OpenFile(QWidget* from, const QString& path) {
    CaseOpening opening = CaseSession::Read(path);
    if (!opening.Ok()) {
        Warn(from, kOpenCaption, opening.Message);
        return;
    }
    if (m_session.Modified()) {
        const Answer answer = AskToSave(from);
        if (answer == Answer::Cancelled) {
            return;
        }
        if (answer == Answer::Saved) {
            opening = CaseSession::Read(path); // the save may have been to that very file
        }
    }
    m_session.Replace(opening);
    RecentCases().Add(path);
}

bool CaseCommands::Save(QWidget* from) {
    if (m_session.FilePath().isEmpty()) {
        return SaveAs(from);
    }
    if (const FileOutcome outcome = m_session.Save(); !outcome.Ok()) {
        Warn(from, kSaveCaption, outcome.Message);
        return false;
    }
    RecentCases().Add(m_session.FilePath());
    return true;
}

bool CaseCommands::SaveAs(QWidget* from) {
    const QString suggested = m_session.FilePath().isEmpty()
                                  ? SuggestedFile(ToQString(kCaseExtension), QString())
                                  : m_session.FilePath();
    const QString path = WithExtension(
        m_dialogs.ChooseFile(from, CaseDialogs::FileUse::SaveCase, suggested), kCaseExtension);
    if (path.isEmpty()) {
        return false;
    }
    if (const FileOutcome outcome = m_session.SaveAs(path); !outcome.Ok()) {
        Warn(from, kSaveAsCaption, outcome.Message);
        return false;
    }
    RecentCases().Add(m_session.FilePath());
    return true;
}

bool CaseCommands::HaveReport(QWidget* from, const CaseReportOutcome& report,
                              const QString& caption) {
    if (report.Ok()) {
        return true;
    }
    QString why = ToQString(report.Error).trimmed();
    if (why.endsWith(QLatin1Char('.'))) {
        why.chop(1);
    }
    QMessageBox::warning(from, caption, ToQString(kNoReport).arg(why));
    return false;
}

void CaseCommands::ExportPdf(QWidget* from, const CaseReportOutcome& report) {
    if (!HaveReport(from, report, ToQString(kExportCaption))) {
        return;
    }
    const QString suggested =
        SuggestedFile(ToQString(kPdfExtension), ToQString(report.Contents->Title));
    const QString path = WithExtension(
        m_dialogs.ChooseFile(from, CaseDialogs::FileUse::ExportPdf, suggested), kPdfExtension);
    if (path.isEmpty()) {
        return;
    }
    if (const FileOutcome outcome = AnalysisReport(*report.Contents).WritePdf(path);
        !outcome.Ok()) {
        Warn(from, kExportCaption, outcome.Message);
    }
}

void CaseCommands::Print(QWidget* from, const CaseReportOutcome& report) {
    if (!HaveReport(from, report, ToQString(kPrintCaption))) {
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(ToQString(report.Contents->Title));
    if (!m_dialogs.SetUpPrinter(from, printer)) {
        return;
    }
    if (const FileOutcome outcome = AnalysisReport(*report.Contents).Print(printer);
        !outcome.Ok()) {
        Warn(from, kPrintCaption, outcome.Message);
    }
}

bool CaseCommands::MayCloseProgram(QWidget* from) {
    if (m_session.Modified() && AskToSave(from) == Answer::Cancelled) {
        return false;
    }
    m_session.CloseCleanly();
    return true;
}

bool CaseCommands::MayCloseWindow(QWidget* window) {
    for (const QPointer<QWidget>& other : m_windows) {
        if (other && other != window && other->isVisible()) {
            return true;
        }
    }
    if (!m_session.Modified()) {
        return true;
    }
    switch (AskToSave(window)) {
    case Answer::Cancelled:
        return false;
    case Answer::Discarded:
        m_session.Revert();
        return true;
    case Answer::Saved:
        break;
    }
    return true;
}

CaseCommands::Answer CaseCommands::AskToSave(QWidget* from) {
    QMessageBox box(QMessageBox::Warning, ToQString(kQuestionCaption),
                    ToQString(kQuestion).arg(m_session.Name()),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, from);
    box.setInformativeText(ToQString(kQuestionMore));
    box.button(QMessageBox::Save)->setText(ToQString(kSaveButton));
    box.button(QMessageBox::Discard)->setText(ToQString(kDiscardButton));
    box.button(QMessageBox::Cancel)->setText(ToQString(kCancelButton));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save:
        return Save(from) ? Answer::Saved : Answer::Cancelled;
    case QMessageBox::Discard:
        return Answer::Discarded;
    default:
        return Answer::Cancelled;
    }
}

// The case's folder (the user's own for a new case) and "<case> - <analysis>.<extension>";
// a case with no name yet leaves its file's name to the user.
QString CaseCommands::SuggestedFile(const QString& extension, const QString& title) const {
    const QString folder = m_session.FilePath().isEmpty()
                               ? QDir::homePath()
                               : QFileInfo(m_session.FilePath()).absolutePath();
    QStringList parts;
    const QString name = ToQString(ReportCaseName(m_session.Document(), m_session.FilePath()));
    for (const QString& part : {name, title}) {
        if (!part.isEmpty()) {
            parts << FileNameOf(part);
        }
    }
    if (parts.isEmpty()) {
        return folder + QLatin1Char('/');
    }
    return folder + QLatin1Char('/') + parts.join(ToQString(kFileNameSeparator)) +
           QLatin1Char('.') + extension;
}

} // namespace zarn
