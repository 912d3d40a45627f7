#pragma once

// The typing limit of a plain edit field: the user cannot make the text longer than the
// limit by typing, pasting or dropping. Of a longer insertion the characters that fit are
// taken and the rest refused; a change of which no character fits is refused whole, also
// the selection it would have replaced. Deleting is always allowed. A text that the program writes
// with SetText stays whole, however long, and the user can still delete from it.

#include <QValidator>

class QLineEdit;

namespace zarn {

class TypingLimit : public QValidator {
    Q_OBJECT
public:
    // Limits what the user can add to the field; the limit belongs to the field.
    static TypingLimit* Apply(QLineEdit* field, int limit);
    // The field's limit, or null when it has none.
    static TypingLimit* Of(const QLineEdit* field);
    // The program's write: the whole text, past the limit if need be.
    static void SetText(QLineEdit* field, const QString& text);

    int Limit() const { return m_limit; }

    State validate(QString& input, int& pos) const override;

private:
    TypingLimit(QLineEdit* field, int limit);

    int m_limit;
    // The field's text before the change under validation.
    QString m_before;
    bool m_writing = false;
};

} // namespace zarn
