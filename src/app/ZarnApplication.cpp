#include "app/ZarnApplication.h"

#include "app/ErrorBox.h"
#include "app/RecoveryOffer.h"
#include "app/RegionalDates.h"
#include "app/StartupReport.h"
#include "app/ZarnStyle.h"
#include "desktop/ProgramIcon.h"
#include "forms/Unit1.h"
#include "forms/Unit2.h"
#include "forms/Unit3.h"
#include "help/HelpBridge.h"
#include "help/HelpCollection.h"
#include "help/HelpKey.h"
#include "help/HelpRequests.h"
#include "help/HelpViewerEngine.h"
#include "widgets/ErrorReport.h"
#include "widgets/QtText.h"
#include "widgets/RecoveryStore.h"

#include <QEvent>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace zarn {

ZarnApplication::ZarnApplication(int& argc, char** argv)
    : QApplication(argc, argv) {
    auto viewer = std::make_unique<HelpViewerEngine>(HelpFolders());
    m_viewerEngine = viewer.get();
    m_helpEngine = std::move(viewer);
    Start();
}

ZarnApplication::ZarnApplication(int& argc, char** argv,
                                 std::unique_ptr<zarn::HelpEngine> helpEngine)
    : QApplication(argc, argv)
    , m_helpEngine(std::move(helpEngine)) {
    Start();
}

void ZarnApplication::Start() {
    setStyle(new ZarnStyle); // the application owns it
    ReadRegionalDateSettings();
    LoadQtTranslation();
    setApplicationDisplayName(ToQString(kApplicationTitle));
    setApplicationVersion(QStringLiteral(ZARN_VERSION));
    // The desktop matches the running windows to the installed desktop entry by this name.
    setDesktopFileName(QStringLiteral(ZARN_APP_ID));
    setQuitOnLastWindowClosed(true);
    InstallErrorBox();
    InstallHelp();
}

ZarnApplication::~ZarnApplication() {
    QuitHelp();
    m_form3.reset();
    m_aboutBox.reset();
    m_form1.reset();
    m_recovery.reset();
    SetErrorReporter({});
    SetHelp(nullptr);
    m_helpKey.reset();
    m_helpBridge.reset();
    m_viewerEngine = nullptr;
    m_helpEngine.reset();
}

QString ZarnApplication::HelpFile() {
    return QString::fromLatin1(kHelpFileName);
}

// The bridge that every window's help requests go through, and F1 in every window.
// Nothing is opened here: the help window and its collection wait for the first request.
void ZarnApplication::InstallHelp() {
    m_helpBridge = std::make_unique<HelpBridge>(*m_helpEngine, HelpFile());
    m_helpKey = std::make_unique<HelpKey>(*m_helpBridge);
    SetHelp(m_helpBridge.get());
    installEventFilter(m_helpKey.get());
}

// At the end of the program (the application object goes when main returns) the help
// engine is told to quit: its window closes.
void ZarnApplication::QuitHelp() {
    if (m_helpKey) {
        removeEventFilter(m_helpKey.get());
    }
    if (m_helpBridge) {
        m_helpBridge->Quit();
    }
}

void ZarnApplication::LoadQtTranslation() {
    m_qtTextsLoaded = m_qtTranslator.load(QStringLiteral("qtbase_pt_BR"),
                                          QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (m_qtTextsLoaded) {
        installTranslator(&m_qtTranslator);
    }
}

void ZarnApplication::CreateWindows() {
    m_form3.reset();
    m_form1 = std::make_unique<TForm1>();
    m_aboutBox = std::make_unique<TAboutBox>();
    m_form3 = std::make_unique<TForm3>();
    // Only the main window keeps the program running.
    m_aboutBox->setAttribute(Qt::WA_QuitOnClose, false);
    m_form3->setAttribute(Qt::WA_QuitOnClose, false);
    m_form1->SetAboutBox(m_aboutBox.get());
    m_form1->SetCalendar(m_form3.get());
}

void ZarnApplication::ShowMainWindow() {
    if (const QScreen* screen = primaryScreen()) {
        const QRect available = screen->availableGeometry();
        m_form1->move(available.center() - m_form1->rect().center());
    }
    SetIconAfterFirstExposure();
    ReportFirstExposure(m_form1.get());
    m_form1->show();
}

// The program's icon, in all its sizes, is decoded and handed to the window system once
// the main window is on screen, not before: the first picture comes sooner. A window that
// starts minimised is never exposed; it gets the icon a moment after the start.
void ZarnApplication::SetIconAfterFirstExposure() {
    if (m_iconSet) {
        return;
    }
    m_form1->winId(); // the native window, which the first show would create anyway
    if (QWindow* window = m_form1->windowHandle()) {
        window->installEventFilter(this);
    }
    QTimer::singleShot(kIconAtTheLatestMs, this, [this] { SetProgramIcon(); });
}

void ZarnApplication::SetProgramIcon() {
    if (!m_iconSet) {
        m_iconSet = true;
        setWindowIcon(ProgramIcon()); // every window's icon
    }
}

bool ZarnApplication::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Expose && m_form1 && watched == m_form1->windowHandle() &&
        m_form1->windowHandle()->isExposed()) {
        watched->removeEventFilter(this);
        SetProgramIcon();
    }
    return QApplication::eventFilter(watched, event);
}

void ZarnApplication::StartRecovery() {
    if (!m_recovery) {
        m_recovery = std::make_unique<RecoveryStore>();
        connect(m_recovery.get(), &RecoveryStore::CopyFailed, this, [this](const QString& message) {
            // Once: the next change would say it again every few seconds.
            if (!m_copyFailureShown && m_form1) {
                m_copyFailureShown = true;
                QMessageBox::warning(m_form1.get(), ToQString(kApplicationTitle), message);
            }
        });
    }
    m_form1->Case().SetRecovery(m_recovery.get());
}

void ZarnApplication::OfferRecovery() {
    if (m_recovery && m_form1) {
        zarn::OfferRecovery(*m_recovery, *m_form1);
    }
}

int ZarnApplication::Run() {
    CreateWindows();
    ShowMainWindow();
    StartRecovery();
    // Once the loop runs, over the main window on screen.
    QTimer::singleShot(0, this, [this] { OfferRecovery(); });
    return exec();
}

bool ZarnApplication::event(QEvent* event) {
    if (event->type() == QEvent::LocaleChange) {
        // The regional settings changed: they replace whatever the program had set.
        ReadRegionalDateSettings();
    }
    return QApplication::event(event);
}

} // namespace zarn
