#pragma once

// Help context numbers of windows, controls and menu actions. F1 climbs from the
// focused control through its parents to the first non-zero number.

#include <QObject>
#include <QVariant>

namespace zarn {

inline constexpr const char* kHelpContextProperty = "zarnHelpContext";

inline void SetHelpContext(QObject* object, int context) {
    object->setProperty(kHelpContextProperty, context);
}

// The object's own number; 0 when it has none.
inline int HelpContextOf(const QObject* object) {
    return object ? object->property(kHelpContextProperty).toInt() : 0;
}

} // namespace zarn
