#pragma once

// The application: its title, the help file name, the regional date settings, the three
// windows and the message loop. Closing the main window in any way ends the program; the
// about box and the calendar window only hide when closed.

#include <QApplication>
#include <QTranslator>
#include <memory>

namespace zarn {

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
    ~ZarnApplication() override;

    // Creates the windows, shows the main window and runs the message loop to its end.
    int Run();

    // The main window, then the about box, then the calendar window; none is shown.
    void CreateWindows();
    // Shows only the main window, centred on the screen.
    void ShowMainWindow();

    TForm1* Form1() const { return m_form1.get(); }
    TAboutBox* AboutBox() const { return m_aboutBox.get(); }
    TForm3* Form3() const { return m_form3.get(); }

    static QString HelpFile();
    // Whether Qt's own texts (standard buttons, edit menus) are in Brazilian Portuguese.
    bool HasPortugueseQtTexts() const { return m_qtTextsLoaded; }

protected:
    bool event(QEvent* event) override;

private:
    void LoadQtTranslation();

    QTranslator m_qtTranslator;
    bool m_qtTextsLoaded = false;
    // Destroyed in the reverse order of creation.
    std::unique_ptr<TForm1> m_form1;
    std::unique_ptr<TAboutBox> m_aboutBox;
    std::unique_ptr<TForm3> m_form3;
};

} // namespace zarn
