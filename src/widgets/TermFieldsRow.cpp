#include "widgets/TermFieldsRow.h"

#include "engine/NumberText.h"
#include "engine/TermText.h"
#include "widgets/FocusedSelection.h"
#include "widgets/FormLayout.h"
#include "widgets/MaskedField.h"
#include "widgets/QtText.h"

#include <QBoxLayout>
#include <QLabel>
#include <string_view>

namespace zarn {
namespace {

// The fields' widths in pixels of the 120 pixels-per-inch layout, as in the analysis windows.
constexpr std::array<int, 3> kFieldWidths = {41, 40, 41};
constexpr int kWordGap = 4;
constexpr int kPartGap = 10;
constexpr std::array<std::string_view, 3> kPartWords = {"anos", "meses", "dias"};
constexpr std::array<MaskSetup, 3> kPartMasks = {kYearsFieldSetup, kMonthsFieldSetup,
                                                 kDaysFieldSetup};

} // namespace

TermFieldsRow::TermFieldsRow(const QString& name, QWidget* parent)
    : QWidget(parent) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(Scaled(this, kWordGap));
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        MaskedField* field = NewMaskedField(this, kPartMasks[i]);
        field->setFixedWidth(Scaled(this, kFieldWidths[i]));
        FocusedSelection::Apply(field);
        const QString word = ToQString(kPartWords[i]);
        field->setAccessibleName(name + QStringLiteral(", ") + word);
        auto* label = new QLabel(word, this);
        label->setBuddy(field);
        if (i > 0) {
            row->addSpacing(Scaled(this, kPartGap));
        }
        row->addWidget(field);
        row->addWidget(label);
        connect(field, &QLineEdit::textChanged, this, [this] { emit Changed(); });
        m_fields[i] = field;
    }
    row->addStretch(1);
}

TermReading TermFieldsRow::Read() const {
    if (Blank()) {
        return {true, {}, InputField::Years, 0};
    }
    return ReadTerm(m_fields[0]->Text(), m_fields[1]->Text(), m_fields[2]->Text());
}

bool TermFieldsRow::Blank() const {
    for (const MaskedField* field : m_fields) {
        if (!RemoveBlanks(field->Text()).empty()) {
            return false;
        }
    }
    return true;
}

void TermFieldsRow::SetDays(long long days) {
    const TermParts parts = SplitDays(days);
    const std::array<long long, 3> values = {parts.Years, parts.Months, parts.Days};
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        m_fields[i]->SetText(values[i] > 0 ? std::to_string(values[i]) : std::string());
    }
}

QList<QWidget*> TermFieldsRow::TabOrder() const {
    return {m_fields[0], m_fields[1], m_fields[2]};
}

} // namespace zarn
