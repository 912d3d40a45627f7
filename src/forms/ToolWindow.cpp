#include "forms/ToolWindow.h"

#include "help/HelpContext.h"
#include "widgets/FormFonts.h"
#include "widgets/QtText.h"

#include <QWidget>

namespace zarn {

void SetUpToolWindow(QWidget* window, const char* name, const char* menuCaption, int helpContext,
                     int fontHeight) {
    window->setObjectName(QString::fromLatin1(name));
    window->setWindowTitle(WithoutMnemonics(ToQString(menuCaption)));
    window->setAttribute(Qt::WA_QuitOnClose, false);
    window->setFont(LayoutFont(window, fontHeight, false));
    SetHelpContext(window, helpContext);
}

} // namespace zarn
