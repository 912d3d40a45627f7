#pragma once

// F1 in every window: an application-wide event filter that turns the key into a help
// request. From a control, the number is the first non-zero help context found from the
// focused control up through its parents to its window; none found, nothing happens.
// In an open menu, it is the highlighted item's number, climbing through the items
// that lead to it; none found, the request is made for context 0.

#include <QObject>

class QWidget;

namespace zarn {

class HelpRequests;

class HelpKey final : public QObject {
    Q_OBJECT
public:
    explicit HelpKey(HelpRequests& help, QObject* parent = nullptr);

    bool eventFilter(QObject* watched, QEvent* event) override;

    // The number F1 finds from a control: its own, else its parents' up to and including
    // its window; 0 when none has one.
    static int ControlContext(const QWidget* control);
    // The number F1 finds in an open menu or an active menu bar: the highlighted item's,
    // else that of each item (and menu) leading to it; 0 when none has one.
    static int MenuContext(const QWidget* menu);

private:
    HelpRequests& m_help;
};

} // namespace zarn
