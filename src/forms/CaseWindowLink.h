#pragma once

// One analysis window joined to the case it shares with the other two: the window's edits go
// into the case's document, the case shows in the window (whole when another case takes its
// place, its shared values when another window changes them), the title reads
// "<window> — <case>" with "*" while there are unsaved changes (an empty new case leaves the
// title alone), the Caso menu sits on top, and closing the window asks first when it is the
// last one showing unsaved changes (CaseCommands.h). The link belongs to the window.

#include "forms/CaseParts.h"

#include <QObject>
#include <QString>

class QWidget;

namespace zarn {

class CaseCommands;

class CaseWindowLink : public QObject {
    Q_OBJECT
public:
    // `Window` is one of the analysis windows, with its InputChanged signal.
    template <typename Window>
    static CaseWindowLink* Join(Window& window, CaseCommands& commands, CasePart part) {
        auto* link = new CaseWindowLink(window, commands, std::move(part));
        QObject::connect(&window, &Window::InputChanged, link, [link] { link->WindowEdited(); });
        return link;
    }

    // The report of the window's analysis of the case as it is now.
    CaseReportOutcome Report() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CaseWindowLink(QWidget& window, CaseCommands& commands, CasePart part);

    void WindowEdited();
    void ShowCase();
    void ShowShared(QObject* source);
    void ShowTitle();

    QWidget& m_window;
    CaseCommands& m_commands;
    CasePart m_part;
    QString m_title; // the window's own
    bool m_showing = false;
};

} // namespace zarn
