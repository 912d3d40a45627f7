#include "forms/ToolWindow.h"

#include "help/HelpContext.h"
#include "widgets/FormFonts.h"
#include "widgets/QtText.h"

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

} // namespace zarn
