#include "widgets/FocusedSelection.h"

#include <QEvent>
#include <QLineEdit>
#include <QPalette>

namespace zarn {

void FocusedSelection::Apply(QLineEdit* field) {
    new FocusedSelection(field);
}

bool FocusedSelection::SelectionShown(const QLineEdit* field) {
    const QPalette& palette = field->palette();
    return palette.color(QPalette::Active, QPalette::Highlight) !=
           palette.color(QPalette::Active, QPalette::Base);
}

FocusedSelection::FocusedSelection(QLineEdit* field)
    : QObject(field)
    , m_field(field) {
    field->installEventFilter(this);
    ShowSelection(field->hasFocus());
}

void FocusedSelection::ShowSelection(bool shown) {
    QPalette palette = m_field->palette();
    const QPalette system =
        m_field->parentWidget() ? m_field->parentWidget()->palette() : QPalette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Highlight,
                         shown ? system.color(group, QPalette::Highlight)
                               : palette.color(group, QPalette::Base));
        palette.setColor(group, QPalette::HighlightedText,
                         shown ? system.color(group, QPalette::HighlightedText)
                               : palette.color(group, QPalette::Text));
    }
    m_field->setPalette(palette);
}

bool FocusedSelection::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_field) {
        if (event->type() == QEvent::FocusIn) {
            ShowSelection(true);
        } else if (event->type() == QEvent::FocusOut) {
            ShowSelection(false);
        }
    }
    return false;
}

} // namespace zarn
