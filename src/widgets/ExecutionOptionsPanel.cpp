#include "widgets/ExecutionOptionsPanel.h"

#include "execution/ExecutionNames.h"
#include "widgets/AccessibleNames.h"
#include "widgets/QtText.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <string_view>

namespace zarn {
namespace {

constexpr std::string_view kImputationCaption = "&Imputa\xE7\xE3o do tempo cumprido:";
constexpr std::string_view kBarredParoleCaption = "&Livramento vedado:";
constexpr std::string_view kArt75Caption = "Limite do &art. 75:";
constexpr std::string_view kRegimeCaption = "&Regime inicial:";
constexpr std::string_view kConventionCaption = "C&ontagem:";
constexpr std::string_view kRegimeOfTheSum = "o da soma das penas (CP art. 33; LEP art. 111)";

// A choice of the names of one kind, in the order of its table.
template <typename Value>
QComboBox* NewNamesChoice(QWidget* parent, Value kind) {
    auto* choice = new QComboBox(parent);
    for (const ChoiceName<Value>& name : NamesOf(kind)) {
        choice->addItem(ToQString(name.Shown));
    }
    return choice;
}

template <typename Value>
Value Chosen(const QComboBox* choice) {
    return NamesOf(Value{})[static_cast<std::size_t>(choice->currentIndex())].Which;
}

template <typename Value>
int PlaceOf(Value value) {
    const auto& names = NamesOf(value);
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i].Which == value) {
            return static_cast<int>(i);
        }
    }
    return 0;
}

} // namespace

ExecutionOptionsPanel::ExecutionOptionsPanel(QWidget* parent)
    : QWidget(parent) {
    ImputationChoice = NewNamesChoice(this, Imputacao{});
    BarredParoleChoice = NewNamesChoice(this, LivramentoVedado{});
    Art75Choice = NewNamesChoice(this, LimiteArt75{});
    RegimeChoice = new QComboBox(this);
    RegimeChoice->addItem(ToQString(kRegimeOfTheSum));
    for (const ChoiceName<Regime>& name : kRegimeNames) {
        RegimeChoice->addItem(ToQString(name.Shown));
    }
    ConventionChoice = NewNamesChoice(this, CountingConvention{});
    ImputationLabel = new QLabel(ToQString(kImputationCaption), this);
    BarredParoleLabel = new QLabel(ToQString(kBarredParoleCaption), this);
    Art75Label = new QLabel(ToQString(kArt75Caption), this);
    RegimeLabel = new QLabel(ToQString(kRegimeCaption), this);
    ConventionLabel = new QLabel(ToQString(kConventionCaption), this);

    auto* form = new QFormLayout(this);
    // The long names of the options wrap under their captions where the panel is narrow.
    form->setRowWrapPolicy(QFormLayout::WrapLongRows);
    const std::array<std::pair<QLabel*, QComboBox*>, 5> rows = {{
        {ImputationLabel, ImputationChoice},
        {BarredParoleLabel, BarredParoleChoice},
        {Art75Label, Art75Choice},
        {RegimeLabel, RegimeChoice},
        {ConventionLabel, ConventionChoice},
    }};
    const std::array<const char*, 5> names = {"ImputationChoice", "BarredParoleChoice",
                                              "Art75Choice", "RegimeChoice", "ConventionChoice"};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto& [label, choice] = rows[i];
        form->addRow(label, choice);
        choice->setObjectName(QString::fromLatin1(names[i]));
        NameAfterLabel(choice, label);
        connect(choice, &QComboBox::currentIndexChanged, this, [this] {
            if (!m_loading) {
                emit Changed();
            }
        });
    }
}

ExecutionChoices ExecutionOptionsPanel::Choices() const {
    ExecutionChoices choices;
    choices.Options.Imputation = Chosen<Imputacao>(ImputationChoice);
    choices.Options.BarredParole = Chosen<LivramentoVedado>(BarredParoleChoice);
    choices.Options.Art75Limit = Chosen<LimiteArt75>(Art75Choice);
    if (const int regime = RegimeChoice->currentIndex(); regime > 0) {
        choices.InitialRegime = kRegimeNames[static_cast<std::size_t>(regime - 1)].Which;
    }
    choices.Convention = Chosen<CountingConvention>(ConventionChoice);
    return choices;
}

void ExecutionOptionsPanel::SetChoices(const ExecutionChoices& choices) {
    m_loading = true;
    ImputationChoice->setCurrentIndex(PlaceOf(choices.Options.Imputation));
    BarredParoleChoice->setCurrentIndex(PlaceOf(choices.Options.BarredParole));
    Art75Choice->setCurrentIndex(PlaceOf(choices.Options.Art75Limit));
    RegimeChoice->setCurrentIndex(choices.InitialRegime ? PlaceOf(*choices.InitialRegime) + 1 : 0);
    ConventionChoice->setCurrentIndex(PlaceOf(choices.Convention));
    m_loading = false;
}

QList<QWidget*> ExecutionOptionsPanel::TabOrder() const {
    return {ImputationChoice, BarredParoleChoice, Art75Choice, RegimeChoice, ConventionChoice};
}

} // namespace zarn
