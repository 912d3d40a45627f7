#include "widgets/AccessibleNames.h"

#include "widgets/FormFonts.h"

#include <QLabel>
#include <QWidget>

namespace zarn {

QString AccessibleNameOf(const QString& caption) {
    QString name = WithoutMnemonics(caption).simplified();
    while (name.endsWith(QLatin1Char(':'))) {
        name.chop(1);
    }
    return name.trimmed();
}

void NameAfterLabel(QWidget* control, QLabel* label) {
    control->setAccessibleName(AccessibleNameOf(label->text()));
    label->setBuddy(control);
}

void NameAfterRowAndColumn(QWidget* control, const QLabel* row, const QLabel* column) {
    control->setAccessibleName(
        AccessibleNameOf(AccessibleNameOf(row->text()) + QLatin1Char(' ') + column->text()));
}

} // namespace zarn
