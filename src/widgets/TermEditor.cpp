#include "widgets/TermEditor.h"

#include "widgets/FocusedSelection.h"
#include "widgets/FormLayout.h"
#include "widgets/MaskedField.h"
#include "widgets/QtText.h"

#include <QApplication>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <algorithm>

namespace zarn {
namespace {

struct Part {
    MaskSetup Setup;
    std::string_view Unit;       // shown after the field
    std::string_view Accessible; // what a screen reader announces
};

constexpr std::array<Part, 3> kParts = {{
    {kYearsFieldSetup, "a", "Anos"},
    {kMonthsFieldSetup, "m", "Meses"},
    {kDaysFieldSetup, "d", "Dias"},
}};

bool IsForward(const QKeyEvent* key) {
    return key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier);
}

bool IsBackward(const QKeyEvent* key) {
    return key->key() == Qt::Key_Backtab ||
           (key->key() == Qt::Key_Tab && (key->modifiers() & Qt::ShiftModifier));
}

} // namespace

TermEditor::TermEditor(QWidget* parent)
    : QWidget(parent) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    for (std::size_t i = 0; i < kParts.size(); ++i) {
        MaskedField* field = NewMaskedField(this, kParts[i].Setup);
        field->setFrame(false);
        field->setAccessibleName(ToQString(kParts[i].Accessible));
        // Room for the field's widest digits and its caret, and no more: the three fit a cell.
        const QFontMetrics metrics = field->fontMetrics();
        field->setFixedWidth(
            metrics.horizontalAdvance(QString(int(field->Text().size()) + 1, QLatin1Char('0'))) +
            metrics.averageCharWidth());
        field->installEventFilter(this);
        FocusedSelection::Apply(field);
        auto* unit = new QLabel(ToQString(kParts[i].Unit), this);
        unit->setBuddy(field);
        row->addWidget(field);
        row->addWidget(unit);
        m_fields[i] = field;
    }
    row->addStretch(1);
    setFocusProxy(m_fields[0]);
    setAutoFillBackground(true);
}

TermEditor::~TermEditor() {
    // The fields lose the focus as they go; the editor no longer watches them.
    for (MaskedField* field : m_fields) {
        field->removeEventFilter(this);
    }
}

QStringList TermEditor::Texts() const {
    QStringList texts;
    for (const MaskedField* field : m_fields) {
        texts << ToQString(field->Text());
    }
    return texts;
}

void TermEditor::SetTexts(const QStringList& texts) {
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        const auto at = static_cast<qsizetype>(i);
        m_fields[i]->SetText(at < texts.size() ? ToCp1252(texts[at]) : std::string());
    }
    // What is typed first replaces the years, as Tab into a field replaces it.
    m_fields[0]->SelectAll();
}

bool TermEditor::MoveBetweenFields(int from, bool forward) {
    const int to = from + (forward ? 1 : -1);
    if (to < 0 || to >= static_cast<int>(m_fields.size())) {
        return false;
    }
    MaskedField* field = m_fields[static_cast<std::size_t>(to)];
    field->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    field->SelectAll();
    return true;
}

bool TermEditor::eventFilter(QObject* watched, QEvent* event) {
    const auto found = std::find(m_fields.begin(), m_fields.end(), watched);
    if (found == m_fields.end()) {
        return QWidget::eventFilter(watched, event);
    }
    const int from = static_cast<int>(found - m_fields.begin());
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((IsForward(key) || IsBackward(key)) && MoveBetweenFields(from, IsForward(key))) {
            return true;
        }
        if (IsForward(key) || IsBackward(key) || key->key() == Qt::Key_Return ||
            key->key() == Qt::Key_Enter || key->key() == Qt::Key_Escape) {
            // The delegate watches the editor itself, not its fields.
            QKeyEvent copy(key->type(), key->key(), key->modifiers(), key->text());
            QApplication::sendEvent(this, &copy);
            return true;
        }
    }
    if (event->type() == QEvent::FocusIn) {
        // The editor has the focus while any of its fields has it: the table gives the focus
        // back to itself when it closes an editor that had it.
        setFocusProxy(*found);
    }
    if (event->type() == QEvent::FocusOut) {
        const QWidget* next = QApplication::focusWidget();
        // A closing editor is hidden first: its delegate has already taken what it holds.
        if (isVisible() && next != nullptr && !isAncestorOf(next) && next != this) {
            QFocusEvent leaving(QEvent::FocusOut, static_cast<QFocusEvent*>(event)->reason());
            QApplication::sendEvent(this, &leaving);
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace zarn
