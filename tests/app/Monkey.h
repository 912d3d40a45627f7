#pragma once

// A seeded stream of random user events on Zarn's running windows: keys, typed characters,
// pastes through the clipboard, clicks on controls and menu commands, focus changes and
// closing windows. Every key and click reaches the program as the windowing system would
// deliver it (through the window, not straight to a control), so shortcuts, accelerators,
// popup menus and modality act as they do for a user. The same seed gives the same stream.
// When the about box opens, a few events are played inside it (never a click on its site
// or e-mail button); the modal watch then closes whatever is still open.

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <cstdint>
#include <random>

class QWidget;
class QWindow;

namespace zarn {

class ZarnApplication;

namespace testing {

class Monkey : public QObject {
public:
    Monkey(ZarnApplication& app, std::uint32_t seed);

    // Performs one event on the windows of the moment and says what it was.
    QString Step();

    // After a launch: plays events in the new about box whenever it opens.
    void WatchAboutBox();

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int Pick(int count);
    bool Chance(int percent);

    QString PressKey();
    QString TypeCharacters();
    QString Paste();
    // Types a plausible value into an input field: a term, a number of day-fines, an
    // operation, a date.
    QString FillField();
    QString ClickControl();
    QString ClickMenu();
    QString ActInPopup(QWidget* popup);
    QString ChangeFocus();
    QString WindowCommand();
    void VisitAboutBox();

    // The window that keys go to: the one with the keyboard, else the main window.
    QWindow* KeyWindow();
    // Visible, enabled windows that take input now (not blocked by a modal box).
    QList<QWidget*> OpenWindows() const;
    QString TypeOne(QWindow* window, const QString& character);
    static QString Describe(const QWidget* widget);

    ZarnApplication& m_app;
    std::uint32_t m_seed;
    std::mt19937 m_random;
    int m_visits = 0;
    QPointer<QWidget> m_aboutBox;
    // What the about box visit did during the current step.
    QStringList m_visitLog;
};

} // namespace testing
} // namespace zarn
