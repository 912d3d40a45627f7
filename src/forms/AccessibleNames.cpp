#include "forms/AccessibleNames.h"

#include <QLabel>
#include <QWidget>

namespace zarn {

QString AccessibleNameOf(const QString& caption) {
    QString name;
    name.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            ++i; // the marked letter, or the second "&" of a literal one
            if (i == caption.size()) {
                break;
            }
        }
        name.append(caption[i]);
    }
    name = name.simplified();
    while (name.endsWith(QLatin1Char(':'))) {
        name.chop(1);
    }
    return name.trimmed();
}

void NameAfterLabel(QWidget* control, QLabel* label) {
    control->setAccessibleName(AccessibleNameOf(label->text()));
    label->setBuddy(control);
}

} // namespace zarn
