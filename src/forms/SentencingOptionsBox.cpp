#include "forms/SentencingOptionsBox.h"

#include "forms/EnumChoices.h"

#include <QFormLayout>
#include <string_view>

namespace zarn {
namespace {

constexpr std::string_view kOptionsCaption = "Op\xE7\xF5"
                                             "es";
constexpr std::string_view kBaseCriterionCaption = "Pena-base, cada circunst\xE2ncia";
constexpr std::string_view kSecondPhaseCaption = "Segunda fase";
constexpr std::string_view kThirdPhaseCaption = "Terceira fase";
constexpr std::string_view kFinesMethodCaption = "Dias-multa";
constexpr std::string_view kContinuedFinesCaption = "Multa do crime continuado";

} // namespace

SentencingOptionsBox::SentencingOptionsBox(QWidget* parent)
    : QGroupBox(ToQString(kOptionsCaption), parent) {
    auto* form = new QFormLayout(this);
    const auto row = [this, form](std::string_view caption, QComboBox*& choice, const auto& names,
                                  const char* objectName) {
        choice = new QComboBox(this);
        AddNames(choice, names);
        choice->setObjectName(QString::fromLatin1(objectName));
        choice->setAccessibleName(ToQString(caption));
        form->addRow(ToQString(caption) + QLatin1Char(':'), choice);
        connect(choice, &QComboBox::currentIndexChanged, this, [this] {
            if (!m_loading) {
                emit Changed();
            }
        });
    };
    row(kBaseCriterionCaption, BaseCriterionChoice, kBaseCriterionNames, "BaseCriterionChoice");
    row(kSecondPhaseCaption, SecondPhaseChoice, kSecondPhaseNames, "SecondPhaseChoice");
    row(kThirdPhaseCaption, ThirdPhaseChoice, kThirdPhaseNames, "ThirdPhaseChoice");
    row(kFinesMethodCaption, FinesMethodChoice, kFinesMethodNames, "FinesMethodChoice");
    row(kContinuedFinesCaption, ContinuedFinesChoice, kContinuedFinesNames, "ContinuedFinesChoice");
}

SentencingOptions SentencingOptionsBox::Options() const {
    SentencingOptions options;
    options.PenaBase = *ChosenValue(BaseCriterionChoice, kBaseCriterionNames);
    options.SegundaFase = *ChosenValue(SecondPhaseChoice, kSecondPhaseNames);
    options.TerceiraFase = *ChosenValue(ThirdPhaseChoice, kThirdPhaseNames);
    options.MultaDosimetria = *ChosenValue(FinesMethodChoice, kFinesMethodNames);
    options.MultaContinuado = *ChosenValue(ContinuedFinesChoice, kContinuedFinesNames);
    return options;
}

void SentencingOptionsBox::SetOptions(const SentencingOptions& options) {
    m_loading = true;
    Choose(BaseCriterionChoice, kBaseCriterionNames, options.PenaBase);
    Choose(SecondPhaseChoice, kSecondPhaseNames, options.SegundaFase);
    Choose(ThirdPhaseChoice, kThirdPhaseNames, options.TerceiraFase);
    Choose(FinesMethodChoice, kFinesMethodNames, options.MultaDosimetria);
    Choose(ContinuedFinesChoice, kContinuedFinesNames, options.MultaContinuado);
    m_loading = false;
}

QList<QWidget*> SentencingOptionsBox::TabOrder() const {
    return {BaseCriterionChoice, SecondPhaseChoice, ThirdPhaseChoice, FinesMethodChoice,
            ContinuedFinesChoice};
}

} // namespace zarn
