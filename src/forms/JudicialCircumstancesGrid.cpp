#include "forms/JudicialCircumstancesGrid.h"

#include "sentencing/SentencingNames.h"
#include "widgets/CellValues.h"
#include "widgets/QtText.h"
#include "widgets/SentencingCells.h"
#include "widgets/TermFieldsRow.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace zarn {
namespace {

enum GridColumn { NameColumn, WeightColumn, FractionColumn, IncreaseColumn, ReasonColumn };

constexpr std::array<const char*, 5> kColumnCaptions = {"Circunst\xE2ncia", "Valora\xE7\xE3o",
                                                        "Fra\xE7\xE3o", "Aumento", "Motivo"};
constexpr std::string_view kFractionWord = "fra\xE7\xE3o";
constexpr std::string_view kIncreaseWord = "aumento";
constexpr std::string_view kReasonWord = "motivo";
// Room for "999/999".
constexpr int kFractionCharacters = 8;

int WeightPlace(CircumstanceWeight weight) {
    for (std::size_t i = 0; i < kCircumstanceWeightNames.size(); ++i) {
        if (kCircumstanceWeightNames[i].Value == weight) {
            return static_cast<int>(i);
        }
    }
    return 0;
}

QString Named(std::size_t index, std::string_view part) {
    return ToQString(kCircumstanceNames[index].DisplayName) + QStringLiteral(", ") +
           ToQString(part);
}

// The library's message on the circumstance alone in a sound crime.
std::string LibraryFault(std::size_t index, const CircumstanceInput& circumstance,
                         std::string_view key) {
    CrimeInput probe = ProbeCrime({});
    probe.Circunstancias[index] = circumstance;
    const std::string place = "circunstancias." + std::string(kCircumstanceNames[index].CasoName) +
                              "." + std::string(key);
    return SentencingItemFault(probe, place);
}

} // namespace

JudicialCircumstancesGrid::JudicialCircumstancesGrid(QWidget* parent)
    : QWidget(parent) {
    for (std::size_t i = 0; i < Rows.size(); ++i) {
        CreateRow(i);
    }
    LayOutRows();
}

void JudicialCircumstancesGrid::CreateRow(std::size_t index) {
    Row& row = Rows[index];
    const QString name = ToQString(kCircumstanceNames[index].DisplayName);
    row.Name = new QLabel(name, this);
    row.Weight = new QComboBox(this);
    for (const auto& weight : kCircumstanceWeightNames) {
        row.Weight->addItem(ToQString(weight.DisplayName));
    }
    row.Weight->setAccessibleName(name);
    row.Name->setBuddy(row.Weight);
    row.Fraction = new QLineEdit(this);
    row.Fraction->setAccessibleName(Named(index, kFractionWord));
    row.Fraction->setMaxLength(16);
    row.Fraction->setFixedWidth(row.Fraction->fontMetrics().averageCharWidth() *
                                kFractionCharacters);
    row.Increase = new TermFieldsRow(Named(index, kIncreaseWord), this);
    row.Reason = new QLineEdit(this);
    row.Reason->setAccessibleName(Named(index, kReasonWord));
    OpenWhatTheWeightAsks(row);

    connect(row.Weight, &QComboBox::currentIndexChanged, this, [this, &row] {
        OpenWhatTheWeightAsks(row);
        RowChanged();
    });
    connect(row.Fraction, &QLineEdit::textChanged, this, [this] { RowChanged(); });
    connect(row.Increase, &TermFieldsRow::Changed, this, [this] { RowChanged(); });
    connect(row.Reason, &QLineEdit::textChanged, this, [this] { RowChanged(); });
}

void JudicialCircumstancesGrid::LayOutRows() {
    auto* grid = new QGridLayout(this);
    for (std::size_t c = 0; c < kColumnCaptions.size(); ++c) {
        auto* caption = new QLabel(ToQString(kColumnCaptions[c]), this);
        QFont bold = caption->font();
        bold.setBold(true);
        caption->setFont(bold);
        grid->addWidget(caption, 0, static_cast<int>(c));
    }
    for (std::size_t i = 0; i < Rows.size(); ++i) {
        const Row& row = Rows[i];
        const int line = static_cast<int>(i) + 1;
        grid->addWidget(row.Name, line, NameColumn);
        grid->addWidget(row.Weight, line, WeightColumn);
        grid->addWidget(row.Fraction, line, FractionColumn);
        grid->addWidget(row.Increase, line, IncreaseColumn);
        grid->addWidget(row.Reason, line, ReasonColumn);
    }
    grid->setColumnStretch(ReasonColumn, 1);
    grid->setRowStretch(static_cast<int>(Rows.size()) + 1, 1);
}

void JudicialCircumstancesGrid::OpenWhatTheWeightAsks(const Row& row) {
    const auto weight = static_cast<std::size_t>(std::max(0, row.Weight->currentIndex()));
    const CircumstanceWeight value = kCircumstanceWeightNames[weight].Value;
    row.Fraction->setEnabled(value == CircumstanceWeight::Fracao);
    row.Increase->setEnabled(value == CircumstanceWeight::Aumento);
    row.Reason->setEnabled(value == CircumstanceWeight::Fracao ||
                           value == CircumstanceWeight::Aumento);
}

void JudicialCircumstancesGrid::SetCircumstances(
    const std::array<CircumstanceInput, kJudicialCircumstanceCount>& given) {
    m_loading = true;
    for (std::size_t i = 0; i < Rows.size(); ++i) {
        const CircumstanceInput& circumstance = given[i];
        const Row& row = Rows[i];
        row.Weight->setCurrentIndex(WeightPlace(circumstance.Peso));
        row.Fraction->setText(circumstance.Peso == CircumstanceWeight::Fracao
                                  ? CellFractionText(circumstance.Fracao)
                                  : QString());
        row.Increase->SetDays(
            circumstance.Peso == CircumstanceWeight::Aumento ? circumstance.AumentoDias : 0);
        row.Reason->setText(ToQString(circumstance.Motivo));
        OpenWhatTheWeightAsks(row);
    }
    m_loading = false;
    m_circumstances = given;
    ReadRows();
}

QString JudicialCircumstancesGrid::ReadRow(std::size_t index,
                                           CircumstanceInput& circumstance) const {
    const Row& row = Rows[index];
    CircumstanceInput read;
    read.Peso =
        kCircumstanceWeightNames[static_cast<std::size_t>(std::max(0, row.Weight->currentIndex()))]
            .Value;
    if (read.Peso == CircumstanceWeight::Fracao) {
        const CellFraction fraction = ReadCellFraction(row.Fraction->text());
        if (!fraction.Ok) {
            return Named(index, kFractionWord) + QStringLiteral(": ") + ToQString(fraction.Message);
        }
        read.Fracao = fraction.Value;
        const std::string fault = LibraryFault(index, read, "fracao");
        if (!fault.empty()) {
            return Named(index, kFractionWord) + QStringLiteral(": ") + ToQString(fault);
        }
    }
    if (read.Peso == CircumstanceWeight::Aumento) {
        const TermReading term = row.Increase->Read();
        if (!term.Ok) {
            return Named(index, kIncreaseWord) + QStringLiteral(": ") + ToQString(term.Error);
        }
        read.AumentoDias = term.Days;
        const std::string fault = LibraryFault(index, read, "aumento");
        if (!fault.empty()) {
            return Named(index, kIncreaseWord) + QStringLiteral(": ") + ToQString(fault);
        }
    }
    if (read.Peso == CircumstanceWeight::Fracao || read.Peso == CircumstanceWeight::Aumento) {
        const QString unstorable = UnstorableCharacterMessage(row.Reason->text());
        if (!unstorable.isEmpty()) {
            return Named(index, kReasonWord) + QStringLiteral(": ") + unstorable;
        }
        read.Motivo = ToCp1252(row.Reason->text().trimmed());
    }
    circumstance = read;
    return {};
}

void JudicialCircumstancesGrid::ReadRows() {
    m_problem.clear();
    for (std::size_t i = 0; i < Rows.size(); ++i) {
        const QString problem = ReadRow(i, m_circumstances[i]);
        if (m_problem.isEmpty()) {
            m_problem = problem;
        }
    }
}

void JudicialCircumstancesGrid::RowChanged() {
    if (m_loading) {
        return;
    }
    ReadRows();
    emit Changed();
}

QList<QWidget*> JudicialCircumstancesGrid::TabOrder() const {
    QList<QWidget*> order;
    for (const Row& row : Rows) {
        order << row.Weight << row.Fraction;
        order += row.Increase->TabOrder();
        order << row.Reason;
    }
    return order;
}

} // namespace zarn
