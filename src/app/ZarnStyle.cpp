#include "app/ZarnStyle.h"

#include <QWidget>

namespace zarn {

ZarnStyle::ZarnStyle()
    : QProxyStyle() {}

int ZarnStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                         QStyleHintReturn* returnData) const {
    if (hint == SH_BlinkCursorWhenTextSelected && widget && !widget->hasFocus()) {
        return 0;
    }
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

} // namespace zarn
