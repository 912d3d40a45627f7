#include "app/ZarnApplication.h"

#include "app/RegionalDates.h"
#include "app/ZarnStyle.h"
#include "fields/QtText.h"
#include "forms/Unit1.h"
#include "forms/Unit2.h"
#include "forms/Unit3.h"

#include <QEvent>
#include <QLibraryInfo>
#include <QScreen>

namespace zarn {

ZarnApplication::ZarnApplication(int& argc, char** argv)
    : QApplication(argc, argv) {
    setStyle(new ZarnStyle); // the application owns it
    ReadRegionalDateSettings();
    LoadQtTranslation();
    setApplicationDisplayName(ToQString(kApplicationTitle));
    setQuitOnLastWindowClosed(true);
}

ZarnApplication::~ZarnApplication() {
    m_form3.reset();
    m_aboutBox.reset();
    m_form1.reset();
}

QString ZarnApplication::HelpFile() {
    return QString::fromLatin1(kHelpFileName);
}

void ZarnApplication::LoadQtTranslation() {
    m_qtTextsLoaded = m_qtTranslator.load(QStringLiteral("qtbase_pt_BR"),
                                          QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (m_qtTextsLoaded) {
        installTranslator(&m_qtTranslator);
    }
}

void ZarnApplication::CreateWindows() {
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
    m_form1->show();
}

int ZarnApplication::Run() {
    CreateWindows();
    ShowMainWindow();
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
