#include "forms/Unit3.h"

#include "fields/QtText.h"

namespace zarn {

TForm3::TForm3(QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(ToQString("Calend\xE1rio"));
}

} // namespace zarn
