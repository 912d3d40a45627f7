#include "forms/Unit2.h"

#include "fields/QtText.h"

namespace zarn {

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(ToQString("Sobre..."));
    setModal(true);
}

} // namespace zarn
