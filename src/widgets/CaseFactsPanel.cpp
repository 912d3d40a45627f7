#include "widgets/CaseFactsPanel.h"

#include "engine/NumberText.h"
#include "law/IncisoName.h"
#include "law/LawTables.h"
#include "widgets/AccessibleNames.h"
#include "widgets/FocusedSelection.h"
#include "widgets/FormLayout.h"
#include "widgets/MaskedField.h"
#include "widgets/QtText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <algorithm>
#include <string>

namespace zarn {
namespace {

constexpr int kFontHeight = 13;
// The room a check box keeps for its box and the space before its caption.
constexpr int kCheckBoxTextMargin = 28;

// Layout of the two columns of check boxes, the detracao field and the inciso choice.
constexpr int kColumnWidth = 328;
constexpr int kSecondColumn = 352;
constexpr int kRowHeight = 20;
constexpr int kRowStep = 24;
constexpr int kDetracaoTop = 72;
constexpr int kDetracaoFieldLeft = 496;
constexpr int kDetracaoFieldWidth = 59;
constexpr int kFieldHeight = 24;
constexpr int kIncisoLabelTop = 104;
constexpr int kIncisoTop = 124;

constexpr const char* kDetencaoCaption = "Deten\xE7\xE3o";
constexpr const char* kReincidenteCaption = "Reincidente em crime doloso";
constexpr const char* kDesfavoraveisCaption = "Circunst\xE2ncias judiciais desfavor\xE1veis";
constexpr const char* kViolenciaCaption = "Crime com viol\xEAncia ou grave amea\xE7"
                                          "a";
constexpr const char* kCulposoCaption = "Crime culposo";
constexpr const char* kMenor21Caption = "Menor de 21 anos na data do crime";
constexpr const char* kMaior70Caption = "Maior de 70 anos na data da senten\xE7"
                                        "a";
constexpr const char* kDetracaoCaption = "Dias de detra\xE7\xE3o:";
constexpr const char* kIncisoCaption = "Inciso do art. 112 da LEP (progress\xE3o):";
constexpr std::string_view kDerivedPrefix = "derivado dos fatos: ";
constexpr std::string_view kCaseSeparator = ": ";

constexpr MaskSetup kDetracaoField = {"99999;1; ", "     "};
constexpr std::size_t kDetracaoDigits = 5;

QCheckBox* NewCheckBox(QWidget* parent, const char* caption) {
    auto* box = new QCheckBox(ToQString(caption), parent);
    box->setFont(LayoutFont(parent, kFontHeight, true));
    return box;
}

// "VI-a: prim\xE1rio, crime hediondo com resultado morte".
QString IncisoEntry(const ProgressionRow& row) {
    return ToQString(std::string(row.Name) + std::string(kCaseSeparator) + std::string(row.Case));
}

QString DerivedEntry(Inciso inciso) {
    return ToQString(std::string(kDerivedPrefix) + std::string(IncisoName(inciso)));
}

long long DetracaoDaysOf(const std::string& fieldText) {
    const std::optional<double> days = ConvertDigits(RemoveBlanks(fieldText), kDetracaoDigits);
    return days ? static_cast<long long>(*days) : 0;
}

} // namespace

CaseFactsPanel::CaseFactsPanel(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("CaseFactsPanel"));
    CreateControls();
    PlaceControls();
    ConnectHandlers();
    ShowDerivedInciso();
}

void CaseFactsPanel::CreateControls() {
    Detencao = NewCheckBox(this, kDetencaoCaption);
    Reincidente = NewCheckBox(this, kReincidenteCaption);
    Desfavoraveis = NewCheckBox(this, kDesfavoraveisCaption);
    Violencia = NewCheckBox(this, kViolenciaCaption);
    Culposo = NewCheckBox(this, kCulposoCaption);
    Menor21 = NewCheckBox(this, kMenor21Caption);
    Maior70 = NewCheckBox(this, kMaior70Caption);
    Detracao = NewMaskedField(this, kDetracaoField);
    Detracao->setFont(LayoutFont(this, kFontHeight, false));
    FocusedSelection::Apply(Detracao);
    Inciso = new QComboBox(this);
    Inciso->setFont(LayoutFont(this, kFontHeight, false));
    Inciso->addItem(QString());
    for (const ProgressionRow& row : kProgressionRows) {
        Inciso->addItem(IncisoEntry(row));
    }
    DetracaoLabel = NewLabel(this, kDetracaoCaption, kFontHeight, nullptr);
    IncisoLabel = NewLabel(this, kIncisoCaption, kFontHeight, nullptr);

    NameComponents({
        {Detencao, "Detencao"},
        {Reincidente, "Reincidente"},
        {Desfavoraveis, "Desfavoraveis"},
        {Violencia, "Violencia"},
        {Culposo, "Culposo"},
        {Menor21, "Menor21"},
        {Maior70, "Maior70"},
        {Detracao, "Detracao"},
        {Inciso, "Inciso"},
        {DetracaoLabel, "DetracaoLabel"},
        {IncisoLabel, "IncisoLabel"},
    });

    // A check box is announced by its caption; the fields by the labels beside them.
    for (QCheckBox* box : CheckBoxes()) {
        box->setAccessibleName(AccessibleNameOf(box->text()));
    }
    NameAfterLabel(Detracao, DetracaoLabel);
    NameAfterLabel(Inciso, IncisoLabel);
}

void CaseFactsPanel::PlaceControls() {
    QList<QPair<QCheckBox*, Place>> boxes;
    const QList<QCheckBox*> all = CheckBoxes();
    for (qsizetype i = 0; i < all.size(); ++i) {
        const bool first = i < 4;
        const int row = static_cast<int>(first ? i : i - 4);
        boxes.append(
            {all[i], {first ? 0 : kSecondColumn, row * kRowStep, kColumnWidth, kRowHeight}});
    }
    const QList<QPair<QLabel*, Place>> labels = {
        {DetracaoLabel,
         {kSecondColumn, kDetracaoTop + 4, kDetracaoFieldLeft - kSecondColumn - kLabelGap, 0}},
        {IncisoLabel, {0, kIncisoLabelTop, kCaseFactsPanelWidth, 0}},
    };
    FitGroup(boxes, kCheckBoxTextMargin);
    FitGroup(labels, 0);
    for (const auto& [box, place] : boxes) {
        PlaceWidget(box, place);
    }
    for (const auto& [label, place] : labels) {
        PlaceLabel(label, place);
    }
    PlaceWidget(Detracao, {kDetracaoFieldLeft, kDetracaoTop, kDetracaoFieldWidth, kFieldHeight});
    PlaceWidget(Inciso, {0, kIncisoTop, kCaseFactsPanelWidth, kFieldHeight});
}

void CaseFactsPanel::ConnectHandlers() {
    for (QCheckBox* box : CheckBoxes()) {
        connect(box, &QCheckBox::toggled, this, [this] { ControlChanged(); });
    }
    connect(Inciso, &QComboBox::currentIndexChanged, this, [this] { ControlChanged(); });
    connect(Detracao, &QLineEdit::textChanged, this, [this] { ControlChanged(); });
}

QList<QCheckBox*> CaseFactsPanel::CheckBoxes() const {
    return {Detencao, Reincidente, Desfavoraveis, Violencia, Culposo, Menor21, Maior70};
}

QList<QWidget*> CaseFactsPanel::TabOrder() const {
    QList<QWidget*> order;
    for (QCheckBox* box : CheckBoxes()) {
        order.append(box);
    }
    order.append({Detracao, Inciso});
    return order;
}

CaseFacts CaseFactsPanel::Facts() const {
    CaseFacts facts;
    facts.Kind = Detencao->isChecked() ? Especie::Detencao : Especie::Reclusao;
    facts.RepeatOffender = Reincidente->isChecked();
    facts.FavourableCircumstances = !Desfavoraveis->isChecked();
    facts.Violence = Violencia->isChecked();
    facts.Culposo = Culposo->isChecked();
    facts.Under21AtCrime = Menor21->isChecked();
    facts.Over70AtSentence = Maior70->isChecked();
    facts.DetracaoDays = DetracaoDaysOf(Detracao->Text());
    const int chosen = Inciso->currentIndex();
    if (chosen > 0) {
        facts.ChosenInciso = kProgressionRows[static_cast<std::size_t>(chosen - 1)].Which;
    }
    return facts;
}

void CaseFactsPanel::SetFacts(const CaseFacts& facts) {
    m_settingFacts = true;
    Detencao->setChecked(facts.Kind == Especie::Detencao);
    Reincidente->setChecked(facts.RepeatOffender);
    Desfavoraveis->setChecked(!facts.FavourableCircumstances);
    Violencia->setChecked(facts.Violence);
    Culposo->setChecked(facts.Culposo);
    Menor21->setChecked(facts.Under21AtCrime);
    Maior70->setChecked(facts.Over70AtSentence);
    const long long days = std::clamp(facts.DetracaoDays, 0LL, kLargestPanelDetracaoDays);
    Detracao->SetText(days == 0 ? std::string() : std::to_string(days));
    int chosen = 0;
    if (facts.ChosenInciso) {
        const auto row = std::find_if(
            kProgressionRows.begin(), kProgressionRows.end(),
            [&facts](const ProgressionRow& r) { return r.Which == *facts.ChosenInciso; });
        chosen = static_cast<int>(row - kProgressionRows.begin()) + 1;
    }
    Inciso->setCurrentIndex(chosen);
    m_settingFacts = false;
    ControlChanged();
}

void CaseFactsPanel::ShowDerivedInciso() {
    CaseFacts facts = Facts();
    facts.ChosenInciso.reset();
    Inciso->setItemText(0, DerivedEntry(EffectiveInciso(facts)));
}

void CaseFactsPanel::ControlChanged() {
    if (m_settingFacts) {
        return;
    }
    ShowDerivedInciso();
    emit FactsChanged();
}

} // namespace zarn
