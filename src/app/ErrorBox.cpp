#include "app/ErrorBox.h"

#include "widgets/ErrorReport.h"
#include "widgets/QtText.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>

namespace zarn {

std::string ErrorBoxText(std::string_view message) {
    std::string text(message);
    if (!text.empty() &&
        static_cast<unsigned char>(text.back()) > static_cast<unsigned char>('.')) {
        text.push_back('.');
    }
    return text;
}

void ShowErrorBox(std::string_view message) {
    QMessageBox box(QMessageBox::Critical, QGuiApplication::applicationDisplayName(),
                    ToQString(ErrorBoxText(message)), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setObjectName(QStringLiteral("ErrorBox"));
    box.exec();
}

void InstallErrorBox() {
    SetErrorReporter([](std::string_view message) { ShowErrorBox(message); });
}

} // namespace zarn
