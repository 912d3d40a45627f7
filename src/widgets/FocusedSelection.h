#pragma once

// Shows a text field's selection only while the field has the focus, as edit fields
// usually do: the selection itself is kept, and drawn again when the focus comes back.

#include <QObject>

class QLineEdit;

namespace zarn {

class FocusedSelection : public QObject {
    Q_OBJECT
public:
    // Applies the rule to the field; the rule belongs to the field.
    static void Apply(QLineEdit* field);

    // Whether the field's selection is drawn now.
    static bool SelectionShown(const QLineEdit* field);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit FocusedSelection(QLineEdit* field);
    void ShowSelection(bool shown);

    QLineEdit* m_field;
};

} // namespace zarn
