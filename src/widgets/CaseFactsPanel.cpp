#include "widgets/CaseFactsPanel.h"

#include "engine/NumberText.h"
#include "fields/MaskModel.h"
#include "fields/ProgramMasks.h"
#include "law/FactNames.h"
#include "law/IncisoName.h"
#include "law/LawTables.h"
#include "law/LegalText.h"
#include "widgets/AccessibleNames.h"
#include "widgets/DateFieldText.h"
#include "widgets/EmptyFieldClick.h"
#include "widgets/FocusedSelection.h"
#include "widgets/FormLayout.h"
#include "widgets/MaskedField.h"
#include "widgets/QtText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QStandardItemModel>
#include <algorithm>
#include <array>
#include <string_view>

namespace zarn {
namespace {

constexpr int kFontHeight = 13;
// Between the controls of a row and between rows, in pixels of the layout.
constexpr int kColumnGap = 16;
constexpr int kRowGap = 4;

constexpr const char* kNaturezaCaption = "Natureza:";
constexpr const char* kEspecieCaption = "Esp\xE9"
                                        "cie:";
constexpr const char* kReincidenciaCaption = "Reincid\xEAncia:";
constexpr const char* kDataCrimeCaption = "Data do crime:";
constexpr const char* kDetracaoCaption = "Dias de detra\xE7\xE3o:";
constexpr const char* kIncisoCaption = "Inciso do art. 112 da LEP (opcional):";

constexpr const char* kCulposoCaption = "Crime culposo";
constexpr const char* kCulposoAnteriorCaption = "Condena\xE7\xE3o anterior por crime culposo";
constexpr const char* kViolenciaCaption = "Crime com viol\xEAncia ou grave amea\xE7"
                                          "a \xE0 pessoa";
constexpr const char* kTentativaCaption = "Tentativa";
constexpr const char* kViolenciaSexualCaption = "Viol\xEAncia sexual contra a mulher";
constexpr const char* kMausAntecedentesCaption = "Maus antecedentes";
constexpr const char* kDesfavoraveisCaption = "Circunst\xE2ncias judiciais desfavor\xE1veis";
constexpr const char* kMenor21Caption = "Menor de 21 anos na data do crime";
constexpr const char* kMaior70Caption = "Maior de 70 anos na data da senten\xE7"
                                        "a";
constexpr const char* kParagrafo3Caption =
    "Gestante, m\xE3"
    "e ou respons\xE1vel por crian\xE7"
    "a ou pessoa com defici\xEAncia (LEP art. 112, \xA7 3\xBA)";

constexpr std::array<const char*, 2> kEspecieEntries = {"reclus\xE3o", "deten\xE7\xE3o"};
constexpr std::array<const char*, 3> kReincidenciaEntries = {"n\xE3o", "sim",
                                                             "sim, espec\xED"
                                                             "fica"};
constexpr const char* kNoIncisoEntry = "(nenhum)";
constexpr const char* kIncisoHint = "Escolher um inciso marca os fatos que ele sup\xF5"
                                    "e; um fato que o contradiz fica como est\xE1.";
constexpr std::string_view kCaseSeparator = ": ";

constexpr MaskSetup kDetracaoField = {kFinesMask, "     "};
constexpr std::size_t kDetracaoDigits = 5;
// A check box and the fact it sets: checked means the fact is true, or false where the box
// names its opposite ("maus antecedentes" for GoodAntecedents).
struct BoxFact {
    QCheckBox* Box;
    bool CaseFacts::*Fact;
    bool Opposite;
};

std::array<BoxFact, 10> BoxesOf(const CaseFactsPanel& panel) {
    return {{
        {panel.Culposo, &CaseFacts::Culposo, false},
        {panel.CulposoAnterior, &CaseFacts::EarlierDoloso, true},
        {panel.Violencia, &CaseFacts::Violence, false},
        {panel.Tentativa, &CaseFacts::Attempt, false},
        {panel.ViolenciaSexual, &CaseFacts::SexualViolenceAgainstWoman, false},
        {panel.MausAntecedentes, &CaseFacts::GoodAntecedents, true},
        {panel.Desfavoraveis, &CaseFacts::FavourableCircumstances, true},
        {panel.Menor21, &CaseFacts::Under21AtCrime, false},
        {panel.Maior70, &CaseFacts::Over70AtSentence, false},
        {panel.Paragrafo3, &CaseFacts::Paragraph3, false},
    }};
}

void SetNatureza(CaseFacts& facts, int entry) {
    facts.Nature = kNaturezaNames[static_cast<std::size_t>(std::max(0, entry))].Which;
}

int NaturezaEntry(const CaseFacts& facts) {
    const auto found =
        std::find_if(kNaturezaNames.begin(), kNaturezaNames.end(),
                     [&facts](const NaturezaName& name) { return name.Which == facts.Nature; });
    return found == kNaturezaNames.end() ? 0 : static_cast<int>(found - kNaturezaNames.begin());
}

void SetEspecie(CaseFacts& facts, int entry) {
    facts.Kind = entry == 1 ? Especie::Detencao : Especie::Reclusao;
}

int EspecieEntry(const CaseFacts& facts) {
    return facts.Kind == Especie::Detencao ? 1 : 0;
}

void SetRecord(CaseFacts& facts, int entry) {
    facts.RepeatOffender = entry > 0;
    facts.SpecificRepeatOffender = entry == 2;
}

int RecordEntry(const CaseFacts& facts) {
    if (!facts.RepeatOffender) {
        return 0;
    }
    return facts.SpecificRepeatOffender ? 2 : 1;
}

// law.md 2: the earlier crime's kind is a detail of the record, and holds only with it; the
// box keeps its tick while the record is away, for when it comes back.
void SetEarlierCrime(CaseFacts& facts, bool earlierCulposo) {
    facts.EarlierDoloso = !(facts.RepeatOffender && earlierCulposo);
}

// A choice and the fact its entries set.
struct ChoiceFact {
    QComboBox* Choice;
    void (*Set)(CaseFacts&, int entry);
    int (*Entry)(const CaseFacts&);
};

std::array<ChoiceFact, 3> ChoicesOf(const CaseFactsPanel& panel) {
    return {{
        {panel.Natureza, SetNatureza, NaturezaEntry},
        {panel.Especie, SetEspecie, EspecieEntry},
        {panel.Reincidencia, SetRecord, RecordEntry},
    }};
}

QCheckBox* NewCheckBox(QWidget* parent, const char* caption) {
    auto* box = new QCheckBox(ToQString(caption), parent);
    box->setFont(LayoutFont(parent, kFontHeight, true));
    return box;
}

QComboBox* NewChoice(QWidget* parent) {
    auto* choice = new QComboBox(parent);
    choice->setFont(LayoutFont(parent, kFontHeight, false));
    return choice;
}

// A masked field as wide as its widest text needs, with room for its frame.
MaskedField* NewField(QWidget* parent, const MaskSetup& setup, const char* widest) {
    MaskedField* field = NewMaskedField(parent, setup);
    field->setFont(LayoutFont(parent, kFontHeight, false));
    const int text = field->fontMetrics().horizontalAdvance(QString::fromLatin1(widest));
    field->setFixedWidth(text + Scaled(parent, kRowGap) * 4);
    FocusedSelection::Apply(field);
    StartAtFirstPositionWhenEmpty(field);
    return field;
}

// "VI-a: crime hediondo com resultado morte, primário ou reincidente genérico".
QString IncisoEntry(const ProgressionRow& row) {
    return ToQString(std::string(row.Name) + std::string(kCaseSeparator) + std::string(row.Case));
}

long long DetracaoDaysOf(const std::string& fieldText) {
    const std::optional<double> days = ConvertDigits(RemoveBlanks(fieldText), kDetracaoDigits);
    return days ? static_cast<long long>(*days) : 0;
}

zarn::Inciso IncisoOfEntry(int entry) {
    return kProgressionRows[static_cast<std::size_t>(entry - 1)].Which;
}

// The facts an inciso implies, set over the facts given; the message of the contradiction
// when it contradicts one of them, or when what it sets contradicts one it leaves alone.
std::string LayIncisoOver(zarn::Inciso inciso, CaseFacts& facts) {
    CaseFacts implied = facts;
    std::string refusal = ApplyInciso(inciso, implied);
    if (refusal.empty()) {
        refusal = FactsContradiction(implied);
    }
    if (refusal.empty()) {
        facts = implied;
    }
    return refusal;
}

// Disables a choice's entry, and names why in its tooltip; an empty reason enables it.
void ShowEntryApplies(QComboBox* choice, int entry, const std::string& whyNot) {
    if (auto* model = qobject_cast<QStandardItemModel*>(choice->model())) {
        if (QStandardItem* item = model->item(entry)) {
            item->setEnabled(whyNot.empty());
        }
    }
    choice->setItemData(entry, whyNot.empty() ? QVariant() : QVariant(ToQString(whyNot)),
                        Qt::ToolTipRole);
}

// Each entry but the one shown is disabled where it would contradict the other facts; the
// choice itself where no other entry applies.
void ShowEntriesThatApply(const ChoiceFact& row, const CaseFacts& facts, bool consistent,
                          bool earlierCulposo) {
    QComboBox* choice = row.Choice;
    std::string firstWhyNot;
    bool another = false;
    for (int entry = 0; entry < choice->count(); ++entry) {
        std::string whyNot;
        if (entry != choice->currentIndex() && consistent) {
            CaseFacts chosen = facts;
            row.Set(chosen, entry);
            SetEarlierCrime(chosen, earlierCulposo);
            whyNot = FactsContradiction(chosen);
            if (firstWhyNot.empty()) {
                firstWhyNot = whyNot;
            }
        }
        another = another || (entry != choice->currentIndex() && whyNot.empty());
        ShowEntryApplies(choice, entry, whyNot);
    }
    choice->setEnabled(another);
    choice->setToolTip(another ? QString() : ToQString(firstWhyNot));
}

} // namespace

CaseFactsPanel::CaseFactsPanel(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("CaseFactsPanel"));
    CreateControls();
    LayOutControls();
    ConnectHandlers();
    ShowWhatCanApply();
}

void CaseFactsPanel::CreateControls() {
    CreateChoices();
    Culposo = NewCheckBox(this, kCulposoCaption);
    CulposoAnterior = NewCheckBox(this, kCulposoAnteriorCaption);
    Violencia = NewCheckBox(this, kViolenciaCaption);
    Tentativa = NewCheckBox(this, kTentativaCaption);
    ViolenciaSexual = NewCheckBox(this, kViolenciaSexualCaption);
    MausAntecedentes = NewCheckBox(this, kMausAntecedentesCaption);
    Desfavoraveis = NewCheckBox(this, kDesfavoraveisCaption);
    Menor21 = NewCheckBox(this, kMenor21Caption);
    Maior70 = NewCheckBox(this, kMaior70Caption);
    Paragrafo3 = NewCheckBox(this, kParagrafo3Caption);
    DataCrime = NewField(this, kDateFieldSetup, "00/00/0000");
    Detracao = NewField(this, kDetracaoField, "00000");
    NaturezaLabel = NewLabel(this, kNaturezaCaption, kFontHeight, nullptr);
    EspecieLabel = NewLabel(this, kEspecieCaption, kFontHeight, nullptr);
    ReincidenciaLabel = NewLabel(this, kReincidenciaCaption, kFontHeight, nullptr);
    DataCrimeLabel = NewLabel(this, kDataCrimeCaption, kFontHeight, nullptr);
    DetracaoLabel = NewLabel(this, kDetracaoCaption, kFontHeight, nullptr);
    IncisoLabel = NewLabel(this, kIncisoCaption, kFontHeight, nullptr);
    Inciso->setToolTip(ToQString(kIncisoHint));
    NameControls();
}

void CaseFactsPanel::CreateChoices() {
    Natureza = NewChoice(this);
    for (const NaturezaName& name : kNaturezaNames) {
        Natureza->addItem(ToQString(name.Shown));
    }
    Especie = NewChoice(this);
    for (const char* entry : kEspecieEntries) {
        Especie->addItem(ToQString(entry));
    }
    Reincidencia = NewChoice(this);
    for (const char* entry : kReincidenciaEntries) {
        Reincidencia->addItem(ToQString(entry));
    }
    Inciso = NewChoice(this);
    Inciso->addItem(ToQString(kNoIncisoEntry));
    for (const ProgressionRow& row : kProgressionRows) {
        Inciso->addItem(IncisoEntry(row));
    }
}

void CaseFactsPanel::NameControls() {
    NameComponents({
        {Natureza, "Natureza"},
        {Especie, "Especie"},
        {Reincidencia, "Reincidencia"},
        {Culposo, "Culposo"},
        {CulposoAnterior, "CulposoAnterior"},
        {Violencia, "Violencia"},
        {Tentativa, "Tentativa"},
        {ViolenciaSexual, "ViolenciaSexual"},
        {MausAntecedentes, "MausAntecedentes"},
        {Desfavoraveis, "Desfavoraveis"},
        {Menor21, "Menor21"},
        {Maior70, "Maior70"},
        {Paragrafo3, "Paragrafo3"},
        {DataCrime, "DataCrime"},
        {Detracao, "Detracao"},
        {Inciso, "Inciso"},
        {NaturezaLabel, "NaturezaLabel"},
        {EspecieLabel, "EspecieLabel"},
        {ReincidenciaLabel, "ReincidenciaLabel"},
        {DataCrimeLabel, "DataCrimeLabel"},
        {DetracaoLabel, "DetracaoLabel"},
        {IncisoLabel, "IncisoLabel"},
    });
    // A check box is announced by its caption; the fields and choices by their labels.
    for (QCheckBox* box : CheckBoxes()) {
        box->setAccessibleName(AccessibleNameOf(box->text()));
    }
    NameAfterLabel(Natureza, NaturezaLabel);
    NameAfterLabel(Especie, EspecieLabel);
    NameAfterLabel(Reincidencia, ReincidenciaLabel);
    NameAfterLabel(DataCrime, DataCrimeLabel);
    NameAfterLabel(Detracao, DetracaoLabel);
    NameAfterLabel(Inciso, IncisoLabel);
}

// Two columns of a caption and its control; the check boxes take a column each, the long
// ones the whole row; the inciso's caption stands over its choice, which is as wide as its
// longest entry.
void CaseFactsPanel::LayOutControls() {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(Scaled(this, kColumnGap));
    grid->setVerticalSpacing(Scaled(this, kRowGap));
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    int row = 0;
    grid->addWidget(NaturezaLabel, row, 0, left);
    grid->addWidget(Natureza, row++, 1, 1, 3);
    grid->addWidget(EspecieLabel, row, 0, left);
    grid->addWidget(Especie, row, 1);
    grid->addWidget(ReincidenciaLabel, row, 2, left);
    grid->addWidget(Reincidencia, row++, 3);
    const std::array<std::pair<QCheckBox*, QCheckBox*>, 5> pairs = {{
        {Culposo, CulposoAnterior},
        {Violencia, Tentativa},
        {ViolenciaSexual, MausAntecedentes},
        {Desfavoraveis, Menor21},
        {Maior70, nullptr},
    }};
    for (const auto& [first, second] : pairs) {
        grid->addWidget(first, row, 0, 1, 2);
        if (second) {
            grid->addWidget(second, row, 2, 1, 2);
        }
        ++row;
    }
    grid->addWidget(Paragrafo3, row++, 0, 1, 4);
    grid->addWidget(DataCrimeLabel, row, 0, left);
    grid->addWidget(DataCrime, row, 1, left);
    grid->addWidget(DetracaoLabel, row, 2, left);
    grid->addWidget(Detracao, row++, 3, left);
    grid->addWidget(IncisoLabel, row++, 0, 1, 4, left);
    grid->addWidget(Inciso, row, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
}

void CaseFactsPanel::ConnectHandlers() {
    for (QCheckBox* box : CheckBoxes()) {
        connect(box, &QCheckBox::toggled, this, [this] { ControlChanged(); });
    }
    for (QComboBox* choice : {Natureza, Especie, Reincidencia}) {
        connect(choice, &QComboBox::currentIndexChanged, this, [this] { ControlChanged(); });
    }
    for (MaskedField* field : {DataCrime, Detracao}) {
        connect(field, &QLineEdit::textChanged, this, [this] { ControlChanged(); });
    }
    connect(Inciso, &QComboBox::currentIndexChanged, this, [this] { IncisoPicked(); });
}

QList<QCheckBox*> CaseFactsPanel::CheckBoxes() const {
    return {Culposo,          CulposoAnterior, Violencia, Tentativa, ViolenciaSexual,
            MausAntecedentes, Desfavoraveis,   Menor21,   Maior70,   Paragrafo3};
}

QList<QWidget*> CaseFactsPanel::TabOrder() const {
    QList<QWidget*> order = {Natureza, Especie, Reincidencia};
    for (QCheckBox* box : CheckBoxes()) {
        order.append(box);
    }
    order.append({DataCrime, Detracao, Inciso});
    return order;
}

CaseFacts CaseFactsPanel::Facts() const {
    CaseFacts facts;
    for (const BoxFact& row : BoxesOf(*this)) {
        facts.*row.Fact = row.Box->isChecked() != row.Opposite;
    }
    for (const ChoiceFact& row : ChoicesOf(*this)) {
        row.Set(facts, row.Choice->currentIndex());
    }
    SetEarlierCrime(facts, CulposoAnterior->isChecked());
    facts.CrimeDate = ReadDateField(DataCrime->Text());
    facts.DetracaoDays = DetracaoDaysOf(Detracao->Text());
    return facts;
}

bool CaseFactsPanel::CrimeDateInvalid() const {
    return !NothingTyped(*DataCrime) && !ReadDateField(DataCrime->Text());
}

void CaseFactsPanel::SetFacts(const CaseFacts& facts) {
    ShowFacts(facts);
    FactsSettled();
}

void CaseFactsPanel::ShowFacts(const CaseFacts& facts) {
    m_settingFacts = true;
    for (const BoxFact& row : BoxesOf(*this)) {
        row.Box->setChecked(facts.*row.Fact != row.Opposite);
    }
    for (const ChoiceFact& row : ChoicesOf(*this)) {
        row.Choice->setCurrentIndex(row.Entry(facts));
    }
    DataCrime->SetText(facts.CrimeDate ? WriteDateField(*facts.CrimeDate, *DataCrime)
                                       : std::string());
    const long long days = std::clamp(facts.DetracaoDays, 0LL, kLargestPanelDetracaoDays);
    Detracao->SetText(days == 0 ? std::string() : std::to_string(days));
    m_settingFacts = false;
}

// law.md 2: facts that contradict each other are refused. A control is disabled where its
// other value would contradict the facts shown, so the user cannot make the contradiction;
// the tooltip gives the library's message. Facts that already contradict each other (given
// to SetFacts) leave every control free, so that the user can mend them.
void CaseFactsPanel::ShowWhatCanApply() {
    const CaseFacts facts = Facts();
    const bool consistent = FactsContradiction(facts).empty();
    for (const BoxFact& row : BoxesOf(*this)) {
        CaseFacts toggled = facts;
        toggled.*row.Fact = !(facts.*row.Fact);
        const std::string why = consistent ? FactsContradiction(toggled) : std::string();
        row.Box->setEnabled(why.empty());
        row.Box->setToolTip(ToQString(why));
    }
    for (const ChoiceFact& row : ChoicesOf(*this)) {
        ShowEntriesThatApply(row, facts, consistent, CulposoAnterior->isChecked());
    }
    // An inciso that contradicts the facts it would be laid over cannot be picked.
    for (int entry = 1; entry < Inciso->count(); ++entry) {
        CaseFacts implied = m_factsBeforeInciso;
        ShowEntryApplies(Inciso, entry, LayIncisoOver(IncisoOfEntry(entry), implied));
    }
}

// The inciso stays chosen while the facts are those it implies; a fact changed away from
// them takes the choice back to none, which changes no fact.
void CaseFactsPanel::KeepIncisoWhileImplied() {
    const int chosen = Inciso->currentIndex();
    if (chosen <= 0) {
        return;
    }
    const CaseFacts shown = Facts();
    CaseFacts implied = shown;
    if (!LayIncisoOver(IncisoOfEntry(chosen), implied).empty() || implied != shown) {
        const QSignalBlocker quiet(Inciso);
        Inciso->setCurrentIndex(0);
    }
}

// An inciso picked is laid over the facts as they were before any inciso was picked, so
// that stepping through the choice with the arrow keys sets each inciso's facts alone, and
// "(nenhum)" gives those facts back.
void CaseFactsPanel::IncisoPicked() {
    if (m_settingFacts) {
        return;
    }
    const int chosen = Inciso->currentIndex();
    CaseFacts implied = m_factsBeforeInciso;
    const std::string refusal = chosen > 0 ? LayIncisoOver(IncisoOfEntry(chosen), implied) : "";
    if (!refusal.empty()) {
        const QSignalBlocker quiet(Inciso);
        Inciso->setCurrentIndex(0);
        implied = m_factsBeforeInciso;
    }
    ShowRefusal(refusal);
    const bool changed = implied != Facts();
    if (changed) {
        ShowFacts(implied);
    }
    ShowWhatCanApply();
    if (changed) {
        emit FactsChanged();
    }
}

void CaseFactsPanel::ShowRefusal(const std::string& message) {
    Inciso->setToolTip(ToQString(message.empty() ? std::string(kIncisoHint) : message));
    Inciso->setAccessibleDescription(ToQString(message));
}

void CaseFactsPanel::ControlChanged() {
    if (m_settingFacts) {
        return;
    }
    FactsSettled();
}

// The facts as they now stand are the ones the next inciso is laid over.
void CaseFactsPanel::FactsSettled() {
    m_factsBeforeInciso = Facts();
    KeepIncisoWhileImplied();
    ShowRefusal({});
    ShowWhatCanApply();
    emit FactsChanged();
}

} // namespace zarn
