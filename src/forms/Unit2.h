#pragma once

// The about box: the program's name, version and platforms, a notice line, and two ways
// to reach the author -- the web site and a new e-mail message. It is created once,
// shown modally from Ajuda > Sobre..., and only hidden when closed.

#include "desktop/UrlOpener.h"

#include <QDialog>
#include <QString>
#include <memory>

class QAction;
class QLabel;
class QPushButton;

namespace zarn {

class BevelPanel;

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);
    ~TAboutBox() override;

    // Replaces the desktop services (not owned; null restores the desktop's own). Tests
    // record the addresses instead of starting a browser or a mail program.
    void SetUrlOpener(UrlOpener* opener);

    // The author's addresses, as the packager configured them.
    static QString AuthorSite();
    static QString AuthorEmail();

    // Components, in the window's order.
    BevelPanel* Panel1 = nullptr;
    QLabel* ProgramIcon = nullptr;
    QLabel* ProductName = nullptr;
    QLabel* Version = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Copyright = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* OKButton = nullptr;
    QAction* BrowseURL1 = nullptr;
    QAction* SendMail1 = nullptr;

    // Opens the author's web site with the desktop's browser, or says, in Portuguese, that
    // no browser could be started.
    void BrowseURL1Execute();
    // Opens a blank message in the desktop's mail program, or says "Error sending mail"
    // (no mail program to reach or start), or that the launcher found none.
    void SendMail1Execute();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CreateComponents();
    void PlaceComponents();
    void LinkButton(QPushButton* button, QAction* action);
    bool MailHandlerAvailable();
    void ShowMailError();
    UrlOpener::GaveUp LaunchFailure(const QString& text);
    void ShowLaunchFailure(const QString& text);
    void CentreOnScreen();

    std::unique_ptr<UrlOpener> m_systemOpener;
    UrlOpener* m_opener = nullptr;
    bool m_mailChecked = false;
    bool m_mailAvailable = false;
};

} // namespace zarn
