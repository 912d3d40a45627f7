#pragma once

// The application: its title, the help file name, the regional date settings, the three
// windows, the recovery copies of the case and the message loop. Closing the main window in
// any way ends the program (once any unsaved changes of the case have been asked about); the
// about box and the calendar window only hide when closed.

#include <QApplication>
#include <QTranslator>
#include <memory>

namespace zarn {

class HelpBridge;
class HelpEngine;
class HelpKey;
class HelpViewerEngine;
class RecoveryStore;
class TAboutBox;
class TForm1;
class TForm3;

// Shown for the program's taskbar entry and as the caption of its error boxes.
inline constexpr const char* kApplicationTitle = "Programa para c\xE1lculo de penas criminais";

// The help collection, named without a directory: the help window finds it by its own rules.
inline constexpr const char* kHelpFileName = "zarn.qhc";

class ZarnApplication : public QApplication {
    Q_OBJECT
public:
    ZarnApplication(int& argc, char** argv);
    // The same start-up with another help engine in place of the help window (tests record
    // the requests instead of showing pages). The application owns the engine.
    ZarnApplication(int& argc, char** argv, std::unique_ptr<zarn::HelpEngine> helpEngine);
    ~ZarnApplication() override;

    // Creates the windows, shows the main window, keeps recovery copies of the case, offers
    // those a crashed session left, and runs the message loop to its end.
    int Run();

    // The main window, the about box, then the calendar window; none is shown. They live
    // until the end of the program (a new call replaces them).
    void CreateWindows();
    // Shows only the main window, centred on the screen; every window gets the program's
    // icon once the main window is on screen.
    void ShowMainWindow();

    // From now on the main window's case keeps a recovery copy of its unsaved changes in the
    // user's data folder (RecoveryStore). A copy that cannot be written is said once.
    void StartRecovery();
    // Offers the copies a crashed session left (RecoveryOffer.h); nothing without any.
    void OfferRecovery();
    RecoveryStore* Recovery() const { return m_recovery.get(); }

    TForm1* Form1() const { return m_form1.get(); }
    TAboutBox* AboutBox() const { return m_aboutBox.get(); }
    TForm3* Form3() const { return m_form3.get(); }

    static QString HelpFile();
    // The help engine behind the windows' help requests; it opens the help collection
    // only when the first request comes. Null when another engine was given.
    HelpViewerEngine* HelpEngine() const { return m_viewerEngine; }
    HelpBridge* HelpBridgeToEngine() const { return m_helpBridge.get(); }
    // Whether Qt's own texts (standard buttons, edit menus) are in Brazilian Portuguese.
    bool HasPortugueseQtTexts() const { return m_qtTextsLoaded; }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Start();
    void SetIconAfterFirstExposure();
    void SetProgramIcon();
    void LoadQtTranslation();
    void InstallHelp();
    void QuitHelp();

    // The icon comes at the main window's first exposure, or this long after its show.
    static constexpr int kIconAtTheLatestMs = 500;

    QTranslator m_qtTranslator;
    bool m_iconSet = false;
    bool m_qtTextsLoaded = false;
    // Help is set up before any window and outlives them all.
    std::unique_ptr<zarn::HelpEngine> m_helpEngine;
    HelpViewerEngine* m_viewerEngine = nullptr;
    std::unique_ptr<HelpBridge> m_helpBridge;
    std::unique_ptr<HelpKey> m_helpKey;
    // Outlives the windows, whose case writes to it.
    std::unique_ptr<RecoveryStore> m_recovery;
    bool m_copyFailureShown = false;
    // Destroyed in the reverse order of creation.
    std::unique_ptr<TForm1> m_form1;
    std::unique_ptr<TAboutBox> m_aboutBox;
    std::unique_ptr<TForm3> m_form3;
};

} // namespace zarn
