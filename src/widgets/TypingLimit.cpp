#include "widgets/TypingLimit.h"

#include <QLineEdit>
#include <algorithm>

namespace zarn {

TypingLimit* TypingLimit::Apply(QLineEdit* field, int limit) {
    auto* typingLimit = new TypingLimit(field, limit);
    field->setValidator(typingLimit);
    return typingLimit;
}

TypingLimit* TypingLimit::Of(const QLineEdit* field) {
    return field->findChild<TypingLimit*>(QString(), Qt::FindDirectChildrenOnly);
}

void TypingLimit::SetText(QLineEdit* field, const QString& text) {
    TypingLimit* typingLimit = Of(field);
    if (typingLimit) {
        typingLimit->m_writing = true;
    }
    field->setText(text);
    if (typingLimit) {
        typingLimit->m_writing = false;
    }
}

TypingLimit::TypingLimit(QLineEdit* field, int limit)
    : QValidator(field)
    , m_limit(limit)
    , m_before(field->text()) {
    // The field reports every change after validating it: that text is the one the next
    // change starts from.
    connect(field, &QLineEdit::textChanged, this, [this](const QString& text) { m_before = text; });
}

QValidator::State TypingLimit::validate(QString& input, int& pos) const {
    const qsizetype before = m_before.size();
    const qsizetype common = std::min(before, input.size());
    if (m_writing || input.size() <= m_limit) {
        return Acceptable;
    }
    // The change replaced the characters between a common start and a common end by those
    // that end at the caret. Its end is what follows the caret, when the old text ends so.
    qsizetype tail = input.size() - std::clamp<qsizetype>(pos, 0, input.size());
    if (tail > common || !m_before.endsWith(QStringView(input).right(tail))) {
        tail = 0;
        while (tail < common && input[input.size() - 1 - tail] == m_before[before - 1 - tail]) {
            ++tail;
        }
    }
    qsizetype head = 0;
    while (head < common - tail && input[head] == m_before[head]) {
        ++head;
    }
    const qsizetype inserted = input.size() - tail - head;
    if (inserted == 0) {
        return Acceptable; // only deleted
    }
    const qsizetype room = std::max<qsizetype>(0, m_limit - (head + tail));
    const qsizetype taken = std::min(inserted, room);
    if (taken == 0) {
        return Invalid; // nothing of it fits: the whole change is refused
    }
    input = input.left(head + taken) + input.right(tail);
    pos = static_cast<int>(head + taken);
    return Acceptable;
}

} // namespace zarn
