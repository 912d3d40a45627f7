#include "widgets/NoticeField.h"

#include <QAccessibleWidget>

namespace zarn {
namespace {

// A static text named by the line it shows; neither editable nor "unavailable", which is
// how the disabled edit beneath it would otherwise be announced.
class NoticeFieldAccessible final : public QAccessibleWidget {
public:
    explicit NoticeFieldAccessible(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::StaticText) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.disabled = false;
        state.focusable = false;
        return state;
    }
};

QAccessibleInterface* NoticeFieldFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(NoticeField::staticMetaObject.className()) &&
        object->isWidgetType()) {
        return new NoticeFieldAccessible(static_cast<QWidget*>(object));
    }
    return nullptr;
}

} // namespace

NoticeField::NoticeField(const QString& text, QWidget* parent)
    : QLineEdit(text, parent) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(&NoticeFieldFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
}

} // namespace zarn
