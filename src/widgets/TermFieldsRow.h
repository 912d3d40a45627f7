#pragma once

// A term typed as the main window types it, in a row of its own: the years, months and days
// fields with their masks, each followed by its word, for a form of several terms (the range
// of a crime, the increase of a circumstance). Read with the calculator's rules and messages.

#include "engine/TermReading.h"

#include <QList>
#include <QWidget>
#include <array>

namespace zarn {

class MaskedField;

class TermFieldsRow : public QWidget {
    Q_OBJECT
public:
    // `name` is what a screen reader says before each field's word ("Pena m\xEDnima, anos").
    TermFieldsRow(const QString& name, QWidget* parent = nullptr);

    // The term as the fields give it; a term of nothing typed reads as 0 days, Ok.
    TermReading Read() const;
    // Nothing typed in any of the three fields.
    bool Blank() const;
    // Writes the term, its zero parts left empty; 0 days empties the fields.
    void SetDays(long long days);

    QList<QWidget*> TabOrder() const;
    const std::array<MaskedField*, 3>& Fields() const { return m_fields; }

signals:
    // A field's text changed, typed or written.
    void Changed();

private:
    std::array<MaskedField*, 3> m_fields{};
};

} // namespace zarn
