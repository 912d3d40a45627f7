#include "widgets/RemicaoCalculator.h"

#include "execution/ExecutionTables.h"
#include "execution/Remicao.h"
#include "widgets/AccessibleNames.h"
#include "widgets/QtText.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>
#include <array>
#include <string>
#include <string_view>

namespace zarn {
namespace {

constexpr std::string_view kResultName = "Remi\xE7\xE3o contada";
constexpr std::string_view kHint =
    "Conta os dias de uma concess\xE3o de remi\xE7\xE3o ou de recolhimento noturno, sem mudar "
    "o caso; para que contem, lance-os como eventos.";
constexpr std::string_view kKindCaption = "Remir &por:";
constexpr std::string_view kAmountCaption = "&Quantidade:";
constexpr std::string_view kCarriedCaption = "So&bra anterior:";
constexpr std::string_view kBooksCountedCaption = "Livros j\xE1 contados em 12 meses:";
// The largest quantity either field takes.
constexpr int kMostUnits = 999999;

// A kind of the choice: its name, the unit of its quantity (one, many), and the article.
struct KindName {
    std::string_view Shown;
    std::string_view One;
    std::string_view Many;
    const LegalSource* Source;
};

constexpr std::array<KindName, 5> kKindNames = {{
    {"trabalho", "dia de trabalho", "dias de trabalho", &kWorkRemicao},
    {"estudo", "hora de estudo", "horas de estudo", &kStudyRemicao},
    {"estudo, com conclus\xE3o de n\xED"
     "vel de ensino",
     "hora de estudo", "horas de estudo", &kCompletedLevel},
    {"leitura", "livro", "livros", &kReadingRemicao},
    {"recolhimento noturno", "hora", "horas", &kNightConfinement},
}};

std::string Counted(long long count, std::string_view one, std::string_view many) {
    return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

// "30 dias de remição (LEP art. 126, § 1º, II). Sobram 2 dias de trabalho para a próxima
// concessão."
std::string CountText(RemicaoCalculator::Kind kind, long long amount, long long carried) {
    const KindName& name = kKindNames[static_cast<std::size_t>(kind)];
    RemicaoCount count;
    switch (kind) {
    case RemicaoCalculator::Work:
        count = RemicaoForWork(amount, carried);
        break;
    case RemicaoCalculator::Study:
    case RemicaoCalculator::StudyCompleted:
        count = RemicaoForStudy(amount, kind == RemicaoCalculator::StudyCompleted, carried);
        break;
    case RemicaoCalculator::Books:
        count = RemicaoForBooks(amount, carried);
        break;
    case RemicaoCalculator::NightConfinement:
        count = NightConfinementDays(amount, carried);
        break;
    }
    const bool night = kind == RemicaoCalculator::NightConfinement;
    std::string text = Counted(count.Days, "dia", "dias") +
                       (night ? " de pena cumprida" : " de remi\xE7\xE3o") + " (" +
                       std::string(name.Source->Article) + ").";
    if (kind == RemicaoCalculator::Books) {
        const long long outside = amount - BooksThatCount(amount, carried);
        if (outside > 0) {
            text += " " + Counted(outside, "livro passa", "livros passam") + " de " +
                    std::to_string(kBooksPerTwelveMonths) + " em 12 meses e n\xE3o conta" +
                    (outside == 1 ? "" : "m") + ".";
        }
    } else if (count.Carried > 0) {
        text += " Sobra" + std::string(count.Carried == 1 ? "" : "m") + " " +
                Counted(count.Carried, name.One, name.Many) +
                " para a pr\xF3xima concess\xE3o do mesmo tipo.";
    }
    return text;
}

QSpinBox* NewCountField(QWidget* parent) {
    auto* field = new QSpinBox(parent);
    field->setRange(0, kMostUnits);
    field->setAccelerated(true);
    return field;
}

} // namespace

RemicaoCalculator::RemicaoCalculator(QWidget* parent)
    : QWidget(parent) {
    Hint = new QLabel(ToQString(kHint), this);
    Hint->setWordWrap(true);
    KindChoice = new QComboBox(this);
    for (const KindName& name : kKindNames) {
        KindChoice->addItem(ToQString(name.Shown));
    }
    AmountField = NewCountField(this);
    CarriedField = NewCountField(this);
    Result = new QLabel(this);
    Result->setWordWrap(true);
    Result->setTextFormat(Qt::PlainText);
    Result->setTextInteractionFlags(Qt::TextSelectableByMouse);
    KindLabel = new QLabel(ToQString(kKindCaption), this);
    AmountLabel = new QLabel(ToQString(kAmountCaption), this);
    CarriedLabel = new QLabel(ToQString(kCarriedCaption), this);
    KindChoice->setObjectName(QStringLiteral("RemicaoKind"));
    AmountField->setObjectName(QStringLiteral("RemicaoAmount"));
    CarriedField->setObjectName(QStringLiteral("RemicaoCarried"));
    Result->setObjectName(QStringLiteral("RemicaoResult"));
    NameAfterLabel(KindChoice, KindLabel);
    NameAfterLabel(AmountField, AmountLabel);
    NameAfterLabel(CarriedField, CarriedLabel);
    Result->setAccessibleName(ToQString(kResultName));

    auto* form = new QFormLayout(this);
    form->addRow(Hint);
    form->addRow(KindLabel, KindChoice);
    form->addRow(AmountLabel, AmountField);
    form->addRow(CarriedLabel, CarriedField);
    form->addRow(Result);

    connect(KindChoice, &QComboBox::currentIndexChanged, this, [this] { KindChanged(); });
    for (QSpinBox* field : {AmountField, CarriedField}) {
        connect(field, &QSpinBox::valueChanged, this, [this] { Count(); });
    }
    KindChanged();
}

QList<QWidget*> RemicaoCalculator::TabOrder() const {
    return {KindChoice, AmountField, CarriedField};
}

void RemicaoCalculator::KindChanged() {
    const auto kind = static_cast<Kind>(KindChoice->currentIndex());
    const KindName& name = kKindNames[static_cast<std::size_t>(kind)];
    // Books carry nothing: what the field asks is the room the 12 months have left.
    CarriedLabel->setText(ToQString(kind == Books ? kBooksCountedCaption : kCarriedCaption));
    NameAfterLabel(CarriedField, CarriedLabel);
    AmountField->setSuffix(QLatin1Char(' ') + ToQString(name.Many));
    CarriedField->setSuffix(QLatin1Char(' ') + ToQString(name.Many));
    Count();
}

void RemicaoCalculator::Count() {
    const auto kind = static_cast<Kind>(KindChoice->currentIndex());
    Result->setText(ToQString(CountText(kind, AmountField->value(), CarriedField->value())));
}

} // namespace zarn
