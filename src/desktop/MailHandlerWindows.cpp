#include "desktop/MailHandler.h"

#include <QSettings>
#include <QString>

// Windows records the program that opens mailto: addresses as the open command of the
// mailto class in the registry (the machine's and the user's classes merged).

namespace zarn {

bool IsMailHandlerRegistered() {
    const QSettings command(QStringLiteral("HKEY_CLASSES_ROOT\\mailto\\shell\\open\\command"),
                            QSettings::NativeFormat);
    return !command.value(QStringLiteral("Default")).toString().trimmed().isEmpty();
}

} // namespace zarn
