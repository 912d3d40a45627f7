#pragma once

// The main window's status bar: one simple panel across the whole width with a size grip.
// It opens with the welcome text in the system's colours; every Calcula puts one of the
// notices there in the notice's own text colour and background. A click anywhere on it
// is reported, whatever it shows.

#include "notices/Notices.h"

#include <QColor>
#include <QStatusBar>

class QLabel;
class QPalette;

namespace zarn {

// A colour value as Qt draws it; a system colour reference takes the system palette's
// current value for that role.
QColor ToQColor(ColorValue color, const QPalette& system);

class NoticeBar : public QStatusBar {
    Q_OBJECT
public:
    explicit NoticeBar(QWidget* parent = nullptr);

    // The welcome text in the status font, the button-text colour, on the button face.
    void ShowWelcome();
    // One notice: its line at the drawn position, in its colours.
    void ShowNotice(const NoticeChoice& choice);

    QString Text() const;
    QColor TextColor() const;
    QColor BackColor() const;

signals:
    void Clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void Show(const QString& text, const QColor& textColor, const QColor& backColor);

    QLabel* m_panel;
};

// "Benvindo ao programa Zarn.exe. Para AJUDA, tecle F1." after 32 spaces.
extern const char* const kWelcomeText;

} // namespace zarn
