#pragma once

// The commands of the Caso menu, the same in the three analysis windows, on the case they
// share (widgets/CaseSession.h): Novo, Abrir..., a recent case, Salvar, Salvar como...,
// Exportar PDF... and Imprimir... of the window's analysis; and the questions asked before
// unsaved changes are lost. Each command asks over the window it came from and says there,
// in Portuguese, what failed and why. Owned once, by the main window.
//
// Unsaved changes are asked about (Salvar, Descartar, Cancelar) when the program closes,
// before another case takes the place of this one (Novo, Abrir..., a recent case), and when
// the last of the three windows that shows the case closes: a window closed while another
// still shows the case only hides, asking nothing, as the case is still open there.
// Descartar on closing that last window takes the case back to what was last saved.
//
// A case file is chosen before the question is asked, and read before anything is lost: a
// file that is refused leaves the case as it was.

#include "widgets/CaseReports.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

class QPrinter;
class QWidget;

namespace zarn {

class CaseSession;

// What the commands ask the desktop's dialogs, replaceable so that tests choose for the user.
struct CaseDialogs {
    enum class FileUse { OpenCase, SaveCase, ExportPdf };
    // The file chosen, or an empty text when the user cancelled.
    std::function<QString(QWidget* parent, FileUse use, const QString& suggested)> ChooseFile;
    // Sets the printer up; false when the user cancelled.
    std::function<bool(QWidget* parent, QPrinter& printer)> SetUpPrinter;

    // The desktop's file and print dialogs.
    static CaseDialogs Desktop();
};

class CaseCommands : public QObject {
    Q_OBJECT
public:
    explicit CaseCommands(CaseSession& session, QObject* parent = nullptr);

    CaseSession& Session() const { return m_session; }
    void SetDialogs(CaseDialogs dialogs) { m_dialogs = std::move(dialogs); }

    // A window that shows the case; the question on closing counts those still shown.
    void AddWindow(QWidget* window);

    void New(QWidget* from);
    void Open(QWidget* from);
    void OpenFile(QWidget* from, const QString& path);
    // True when the case was saved.
    bool Save(QWidget* from);
    bool SaveAs(QWidget* from);
    void ExportPdf(QWidget* from, const CaseReportOutcome& report);
    void Print(QWidget* from, const CaseReportOutcome& report);

    // Whether the program may end; the case's recovery copy goes when it may.
    bool MayCloseProgram(QWidget* from);
    // Whether the window may close (hide).
    bool MayCloseWindow(QWidget* window);

private:
    enum class Answer { Saved, Discarded, Cancelled };
    // Asks whether to save the unsaved changes, and saves when told to; Cancelled also when
    // the save failed or its file was not chosen.
    Answer AskToSave(QWidget* from);
    // The report's contents, or false after saying why there are none.
    bool HaveReport(QWidget* from, const CaseReportOutcome& report, const QString& caption);
    QString SuggestedFile(const QString& extension, const QString& title) const;

    CaseSession& m_session;
    CaseDialogs m_dialogs;
    QList<QPointer<QWidget>> m_windows;
};

} // namespace zarn
