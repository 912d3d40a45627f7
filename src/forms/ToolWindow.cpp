#include "forms/ToolWindow.h"

#include "help/HelpContext.h"
#include "widgets/FormFonts.h"
#include "widgets/QtText.h"

#include <QScreen>
#include <QShowEvent>
#include <algorithm>

namespace zarn {

ToolWindow::ToolWindow(QWidget* parent, const char* name, const char* menuCaption, int helpContext,
                       int fontHeight)
    : QWidget(parent, Qt::Window) {
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(WithoutMnemonics(ToQString(menuCaption)));
    setAttribute(Qt::WA_QuitOnClose, false);
    setFont(LayoutFont(this, fontHeight, false));
    SetHelpContext(this, helpContext);
}

void ToolWindow::Present() {
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void ToolWindow::PlaceOnFirstShow() {
    QRect frame = frameGeometry();
    if (const QWidget* main = parentWidget()) {
        frame.moveCenter(main->frameGeometry().center());
    }
    if (const QScreen* shown = screen()) {
        const QRect available = shown->availableGeometry();
        frame.moveLeft(std::clamp(frame.left(), available.left(),
                                  std::max(available.left(), available.right() - frame.width())));
        frame.moveTop(std::clamp(frame.top(), available.top(),
                                 std::max(available.top(), available.bottom() - frame.height())));
    }
    move(frame.topLeft());
}

void ToolWindow::showEvent(QShowEvent* event) {
    if (!m_placed && !event->spontaneous()) {
        m_placed = true;
        PlaceOnFirstShow();
    }
    QWidget::showEvent(event);
}

} // namespace zarn
