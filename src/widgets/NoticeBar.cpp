#include "widgets/NoticeBar.h"

#include "widgets/QtText.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPalette>

namespace zarn {

const char* const kWelcomeText =
    "                                Benvindo ao programa Zarn.exe. Para AJUDA, tecle F1.";

namespace {

// System colour indices of the colours a notice may refer to.
constexpr int kMenuIndex = 4;
constexpr int kWindowIndex = 5;
constexpr int kWindowTextIndex = 8;
constexpr int kButtonFaceIndex = 15;
constexpr int kButtonTextIndex = 18;

QColor SystemColor(int index, const QPalette& system) {
    switch (index) {
    case kMenuIndex:
        return QApplication::palette("QMenu").color(QPalette::Window);
    case kWindowIndex:
        return system.color(QPalette::Base);
    case kWindowTextIndex:
        return system.color(QPalette::WindowText);
    case kButtonFaceIndex:
        return system.color(QPalette::Button);
    case kButtonTextIndex:
        return system.color(QPalette::ButtonText);
    default:
        return system.color(QPalette::Window);
    }
}

} // namespace

QColor ToQColor(ColorValue color, const QPalette& system) {
    if (IsSystemColor(color)) {
        return SystemColor(SystemColorIndex(color), system);
    }
    return QColor(RedOf(color), GreenOf(color), BlueOf(color));
}

NoticeBar::NoticeBar(QWidget* parent)
    : QStatusBar(parent)
    , m_panel(new QLabel(this)) {
    setSizeGripEnabled(true);
    setAutoFillBackground(true);
    m_panel->setTextFormat(Qt::PlainText);
    m_panel->setFocusPolicy(Qt::NoFocus);
    // A long line is cut at the bar's right edge; it never widens the window.
    m_panel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    addWidget(m_panel, 1);
}

void NoticeBar::ShowWelcome() {
    const QPalette system = QApplication::palette();
    Show(ToQString(kWelcomeText), system.color(QPalette::ButtonText),
         system.color(QPalette::Button));
}

void NoticeBar::ShowNotice(const NoticeChoice& choice) {
    const QPalette system = QApplication::palette();
    Show(ToQString(NoticeLine(NoticePosition(choice.NoticeDraw))),
         ToQColor(choice.NoticeTextColor, system), ToQColor(choice.NoticeBackColor, system));
}

void NoticeBar::Show(const QString& text, const QColor& textColor, const QColor& backColor) {
    QPalette colours = palette();
    colours.setColor(QPalette::Window, backColor);
    colours.setColor(QPalette::WindowText, textColor);
    setPalette(colours);
    m_panel->setPalette(colours);
    m_panel->setText(text);
    // Screen readers get the words, without the blanks that push the welcome text right.
    m_panel->setAccessibleName(text.trimmed());
}

QString NoticeBar::Text() const {
    return m_panel->text();
}

QColor NoticeBar::TextColor() const {
    return m_panel->palette().color(QPalette::WindowText);
}

QColor NoticeBar::BackColor() const {
    return palette().color(QPalette::Window);
}

void NoticeBar::mouseReleaseEvent(QMouseEvent* event) {
    QStatusBar::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit Clicked();
    }
}

} // namespace zarn
