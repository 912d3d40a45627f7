#include "forms/CaseWindowLink.h"

#include "forms/CaseCommands.h"
#include "forms/CaseMenu.h"
#include "widgets/CaseSession.h"
#include "widgets/Guarded.h"
#include "widgets/QtText.h"

#include <QCloseEvent>
#include <QScopedValueRollback>
#include <QWidget>
#include <string_view>

namespace zarn {
namespace {

constexpr std::string_view kTitleSeparator = " \x97 ";
constexpr std::string_view kUnsavedMark = "*";

} // namespace

CaseWindowLink::CaseWindowLink(QWidget& window, CaseCommands& commands, CasePart part)
    : QObject(&window)
    , m_window(window)
    , m_commands(commands)
    , m_part(std::move(part))
    , m_title(window.windowTitle()) {
    CaseSession& session = commands.Session();
    CaseMenu::Install(window, commands, [this] { return Report(); });
    commands.AddWindow(&window);
    window.installEventFilter(this);
    connect(&session, &CaseSession::Replaced, this, Guarded([this] { ShowCase(); }));
    connect(&session, &CaseSession::Changed, this,
            [this](QObject* source) { Guarded([this, source] { ShowShared(source); })(); });
    connect(&session, &CaseSession::StateChanged, this, Guarded([this] { ShowTitle(); }));

    {
        const QScopedValueRollback<bool> showing(m_showing, true);
        (m_part.ShowFirst ? m_part.ShowFirst : m_part.Show)(session.Document());
    }
    ShowTitle();
}

CaseReportOutcome CaseWindowLink::Report() const {
    const CaseSession& session = m_commands.Session();
    return m_part.Report(session.Document(),
                         ReportCaseName(session.Document(), session.FilePath()));
}

bool CaseWindowLink::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_window && event->type() == QEvent::Close) {
        bool mayClose = true;
        Guarded([this, &mayClose] { mayClose = m_commands.MayCloseWindow(&m_window); })();
        if (!mayClose) {
            event->ignore();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void CaseWindowLink::WindowEdited() {
    if (m_showing) {
        return;
    }
    CaseSession& session = m_commands.Session();
    CaseDocument document = session.Document();
    m_part.Take(document);
    session.Change(std::move(document), &m_window);
}

void CaseWindowLink::ShowCase() {
    const QScopedValueRollback<bool> showing(m_showing, true);
    m_part.Show(m_commands.Session().Document());
}

void CaseWindowLink::ShowShared(QObject* source) {
    if (source == &m_window) {
        return;
    }
    const QScopedValueRollback<bool> showing(m_showing, true);
    m_part.ShowShared(m_commands.Session().Document());
}

void CaseWindowLink::ShowTitle() {
    const CaseSession& session = m_commands.Session();
    const bool untouched =
        !session.Modified() && session.FilePath().isEmpty() && session.Document().Name.empty();
    if (untouched) {
        m_window.setWindowTitle(m_title);
        return;
    }
    QString title = m_title + ToQString(kTitleSeparator) + session.Name();
    if (session.Modified()) {
        title += ToQString(kUnsavedMark);
    }
    m_window.setWindowTitle(title);
}

} // namespace zarn
