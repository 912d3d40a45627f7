#include "forms/SentencingCrimePanel.h"

#include "forms/JudicialCircumstancesGrid.h"
#include "forms/SentencingCaptions.h"
#include "sentencing/SentencingNames.h"
#include "widgets/CellValues.h"
#include "widgets/ChoiceDelegate.h"
#include "widgets/EditableTable.h"
#include "widgets/FocusedSelection.h"
#include "widgets/FormLayout.h"
#include "widgets/MaskedField.h"
#include "widgets/NameChoiceDelegate.h"
#include "widgets/QtText.h"
#include "widgets/SentencingCausesModel.h"
#include "widgets/SentencingCells.h"
#include "widgets/SentencingModifiersModel.h"
#include "widgets/TermFieldsRow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace zarn {
namespace {

constexpr MaskSetup kFinesFieldSetup = {kFinesMask, "     "};
constexpr int kFinesFieldWidth = 56;
constexpr std::string_view kAgravanteItem = "agravante";
constexpr std::string_view kAtenuanteItem = "atenuante";
constexpr std::string_view kCauseItem = "causa";

// The name takes the room the other columns leave; they keep the width of what they hold.
void StretchTheName(const EditableTable* table, int nameColumn) {
    QHeaderView* header = table->View->horizontalHeader();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(nameColumn, QHeaderView::Stretch);
}

QString Caption(std::string_view caption) {
    return ToQString(caption) + QLatin1Char(':');
}

QString NamedProblem(std::string_view caption, const QString& message) {
    return ToQString(caption) + QStringLiteral(": ") + message;
}

void ShowNumber(MaskedField* field, long long value) {
    field->SetText(std::to_string(value));
}

} // namespace

SentencingCrimePanel::SentencingCrimePanel(QWidget* parent)
    : QWidget(parent) {
    m_agravantes = new SentencingModifiersModel(ModifierRole::Agravante, this);
    m_atenuantes = new SentencingModifiersModel(ModifierRole::Atenuante, this);
    m_causes = new SentencingCausesModel(this);
    Tabs = new QTabWidget(this);
    Tabs->addTab(CreateCrimeTab(), ToQString(kCrimeTab));
    Circumstances = new JudicialCircumstancesGrid(this);
    Tabs->addTab(Circumstances, ToQString(kCircumstancesTab));
    Tabs->addTab(CreateModifiersTab(), ToQString(kModifiersTab));
    Tabs->addTab(CreateCausesTab(), ToQString(kCausesTab));
    Tabs->setAccessibleName(ToQString(kCrimeTabsName));
    Tabs->tabBar()->setAccessibleName(ToQString(kCrimeTabsName));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(Tabs);
    ConnectHandlers();
    AddTabKeys();
    SetCrime({});
}

QWidget* SentencingCrimePanel::CreateCrimeTab() {
    auto* tab = new QWidget(this);
    Description = new QLineEdit(tab);
    Minimum = new TermFieldsRow(ToQString(kMinimumCaption), tab);
    Maximum = new TermFieldsRow(ToQString(kMaximumCaption), tab);
    Criterion = new QComboBox(tab);
    Criterion->addItem(ToQString(kOptionsCriterionEntry));
    for (const auto& criterion : kBaseCriterionNames) {
        Criterion->addItem(ToQString(criterion.DisplayName));
    }
    Fine = new QCheckBox(ToQString(kFineCaption), tab);
    FinesMinimum = NewMaskedField(tab, kFinesFieldSetup);
    FinesMaximum = NewMaskedField(tab, kFinesFieldSetup);
    FinesInformed = NewMaskedField(tab, kFinesFieldSetup);
    for (MaskedField* field : {FinesMinimum, FinesMaximum, FinesInformed}) {
        field->setFixedWidth(Scaled(this, kFinesFieldWidth));
        FocusedSelection::Apply(field);
    }
    SexualViolence = new QCheckBox(ToQString(kSexualViolenceCaption), tab);

    auto* form = new QFormLayout(tab);
    auto row = [form, tab](std::string_view caption, QWidget* field) {
        auto* label = new QLabel(Caption(caption), tab);
        label->setBuddy(field);
        field->setAccessibleName(ToQString(caption));
        form->addRow(label, field);
        return label;
    };
    DescriptionLabel = row(kDescriptionCaption, Description);
    MinimumLabel = row(kMinimumCaption, Minimum);
    MaximumLabel = row(kMaximumCaption, Maximum);
    CriterionLabel = row(kCriterionCaption, Criterion);
    form->addRow(Fine);
    FinesMinimumLabel = row(kFinesMinimumCaption, FinesMinimum);
    FinesMaximumLabel = row(kFinesMaximumCaption, FinesMaximum);
    FinesInformedLabel = row(kFinesInformedCaption, FinesInformed);
    form->addRow(SexualViolence);
    return tab;
}

QWidget* SentencingCrimePanel::CreateModifiersTab() {
    auto* split = new QSplitter(Qt::Horizontal, this);
    const auto side = [split](SentencingModifiersModel* model, std::string_view item,
                              std::string_view caption) {
        auto* column = new QWidget(split);
        auto* table = new EditableTable(model, ToQString(item), column);
        table->View->setItemDelegateForColumn(SentencingModifiersModel::NameColumn,
                                              new NameChoiceDelegate(table));
        StretchTheName(table, SentencingModifiersModel::NameColumn);
        auto* label = new QLabel(Caption(caption), column);
        label->setBuddy(table->View);
        auto* layout = new QVBoxLayout(column);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(label);
        layout->addWidget(table, 1);
        split->addWidget(column);
        return table;
    };
    AgravantesTable = side(m_agravantes, kAgravanteItem, kAgravantesCaption);
    AtenuantesTable = side(m_atenuantes, kAtenuanteItem, kAtenuantesCaption);
    split->setChildrenCollapsible(false);
    return split;
}

QWidget* SentencingCrimePanel::CreateCausesTab() {
    auto* tab = new QWidget(this);
    CausesTable = new EditableTable(m_causes, ToQString(kCauseItem), tab);
    CausesTable->View->setItemDelegateForColumn(SentencingCausesModel::KindColumn,
                                                new ChoiceDelegate(CausesTable));
    StretchTheName(CausesTable, SentencingCausesModel::NameColumn);
    OnlyLargest = new QCheckBox(ToQString(kOnlyLargestCaption), tab);
    auto* column = new QVBoxLayout(tab);
    column->addWidget(CausesTable, 1);
    column->addWidget(OnlyLargest);
    return tab;
}

void SentencingCrimePanel::ConnectHandlers() {
    auto changed = [this] { FieldChanged(); };
    connect(Description, &QLineEdit::textChanged, this, changed);
    connect(Minimum, &TermFieldsRow::Changed, this, changed);
    connect(Maximum, &TermFieldsRow::Changed, this, changed);
    connect(Criterion, &QComboBox::currentIndexChanged, this, changed);
    connect(Fine, &QCheckBox::toggled, this, [this] {
        OpenTheFinesFields();
        FieldChanged();
    });
    for (MaskedField* field : {FinesMinimum, FinesMaximum, FinesInformed}) {
        connect(field, &QLineEdit::textChanged, this, changed);
    }
    connect(SexualViolence, &QCheckBox::toggled, this, [this](bool checked) {
        m_atenuantes->SetSexualViolence(checked);
        FieldChanged();
    });
    connect(OnlyLargest, &QCheckBox::toggled, this, changed);
    connect(Circumstances, &JudicialCircumstancesGrid::Changed, this, changed);
    for (ListTableModel* model :
         std::initializer_list<ListTableModel*>{m_agravantes, m_atenuantes, m_causes}) {
        connect(model, &ListTableModel::Edited, this, changed);
    }
}

// Ctrl+Tab and Ctrl+PageDown, and back with Shift or PageUp, from any control of the panel:
// the tab widget's own keys reach it only from the controls that pass them on, which a combo
// box does not.
void SentencingCrimePanel::AddTabKeys() {
    const auto add = [this](QKeySequence keys, int step) {
        auto* shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this,
                [this, step] { ShowTab(Tabs->currentIndex() + step); });
    };
    add(QKeySequence(Qt::CTRL | Qt::Key_Tab), 1);
    add(QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1);
    add(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1);
    add(QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1);
}

void SentencingCrimePanel::ShowTab(int index) {
    const int count = Tabs->count();
    Tabs->setCurrentIndex(((index % count) + count) % count);
    const std::array<QWidget*, 4> firstControls = {Description, Circumstances->Rows[0].Weight,
                                                   AgravantesTable->View, CausesTable->View};
    firstControls[static_cast<std::size_t>(Tabs->currentIndex())]->setFocus(Qt::TabFocusReason);
}

void SentencingCrimePanel::SetCrime(const CrimeInput& crime) {
    m_loading = true;
    Description->setText(ToQString(crime.Crime));
    Minimum->SetDays(crime.MinimoDias);
    Maximum->SetDays(crime.MaximoDias);
    int criterion = 0;
    for (std::size_t i = 0; i < kBaseCriterionNames.size(); ++i) {
        if (crime.PenaBase == kBaseCriterionNames[i].Value) {
            criterion = static_cast<int>(i) + 1;
        }
    }
    Criterion->setCurrentIndex(criterion);
    Fine->setChecked(crime.Multa);
    ShowNumber(FinesMinimum, crime.MultaMinimo);
    ShowNumber(FinesMaximum, crime.MultaMaximo);
    FinesInformed->SetText(crime.DiasMulta ? std::to_string(*crime.DiasMulta) : std::string());
    SexualViolence->setChecked(crime.ViolenciaSexualMulher);
    m_atenuantes->SetSexualViolence(crime.ViolenciaSexualMulher);
    Circumstances->SetCircumstances(crime.Circunstancias);
    m_agravantes->SetModifiers(crime.Agravantes);
    m_atenuantes->SetModifiers(crime.Atenuantes);
    m_causes->SetCauses(crime.Causas);
    OnlyLargest->setChecked(crime.SomenteMaior);
    OpenTheFinesFields();
    m_crime = crime;
    m_loading = false;
    ReadFields();
}

void SentencingCrimePanel::SetDescription(const std::string& description) {
    if (m_crime.Crime == description && ToCp1252(Description->text()) == description) {
        return;
    }
    m_loading = true;
    Description->setText(ToQString(description));
    m_loading = false;
    ReadFields();
}

void SentencingCrimePanel::SetFinesInformed(bool informed) {
    m_finesInformed = informed;
    OpenTheFinesFields();
    ReadFields();
}

void SentencingCrimePanel::OpenTheFinesFields() {
    const bool fine = Fine->isChecked();
    for (QWidget* control :
         QList<QWidget*>{FinesMinimum, FinesMaximum, FinesMinimumLabel, FinesMaximumLabel}) {
        control->setEnabled(fine);
    }
    FinesInformed->setEnabled(fine && m_finesInformed);
    FinesInformedLabel->setEnabled(fine && m_finesInformed);
}

void SentencingCrimePanel::FieldChanged() {
    if (m_loading) {
        return;
    }
    ReadFields();
    emit Changed();
}

QString SentencingCrimePanel::ReadRange() {
    const TermReading minimum = Minimum->Read();
    if (minimum.Ok) {
        m_crime.MinimoDias = minimum.Days;
    }
    const TermReading maximum = Maximum->Read();
    if (maximum.Ok) {
        m_crime.MaximoDias = maximum.Days;
    }
    if (!minimum.Ok) {
        return NamedProblem(kMinimumCaption, ToQString(minimum.Error));
    }
    return maximum.Ok ? QString() : NamedProblem(kMaximumCaption, ToQString(maximum.Error));
}

QString SentencingCrimePanel::ReadFines() {
    m_crime.Multa = Fine->isChecked();
    if (!m_crime.Multa) {
        return {};
    }
    QString problem;
    const auto read = [&problem](MaskedField* field, std::string_view caption, long long& into) {
        const CellNumber number = ReadCellNumber(field->Text());
        if (number.Ok) {
            into = number.Value;
        } else if (problem.isEmpty()) {
            problem = NamedProblem(caption, ToQString(number.Message));
        }
    };
    read(FinesMinimum, kFinesMinimumCaption, m_crime.MultaMinimo);
    read(FinesMaximum, kFinesMaximumCaption, m_crime.MultaMaximo);
    if (m_finesInformed) {
        // Nothing typed is no number: the dosimetria asks for one in its own words.
        const CellNumber informed = ReadCellNumber(FinesInformed->Text());
        m_crime.DiasMulta = informed.Ok ? std::optional<long long>(informed.Value) : std::nullopt;
    }
    return problem;
}

void SentencingCrimePanel::ReadFields() {
    m_fieldProblem.clear();
    const QString unstorable = UnstorableCharacterMessage(Description->text());
    if (unstorable.isEmpty()) {
        m_crime.Crime = ToCp1252(Description->text().trimmed());
    } else {
        m_fieldProblem = NamedProblem(kDescriptionCaption, unstorable);
    }
    const QString range = ReadRange();
    const int criterion = Criterion->currentIndex();
    m_crime.PenaBase =
        criterion > 0
            ? std::optional<BaseCriterion>(kBaseCriterionNames[std::size_t(criterion - 1)].Value)
            : std::nullopt;
    const QString fines = ReadFines();
    m_crime.ViolenciaSexualMulher = SexualViolence->isChecked();
    m_crime.Circunstancias = Circumstances->Circumstances();
    m_crime.Agravantes = m_agravantes->Modifiers();
    m_crime.Atenuantes = m_atenuantes->Modifiers();
    m_crime.Causas = m_causes->Causes();
    m_crime.SomenteMaior = OnlyLargest->isChecked();
    for (const QString& problem : {range, fines}) {
        if (m_fieldProblem.isEmpty()) {
            m_fieldProblem = problem;
        }
    }
}

QString SentencingCrimePanel::Problem() const {
    if (!m_fieldProblem.isEmpty()) {
        return m_fieldProblem;
    }
    if (!Circumstances->Problem().isEmpty()) {
        return ToQString(kCircumstancesCaption) + QStringLiteral(", ") + Circumstances->Problem();
    }
    for (const ListTableModel* model :
         std::initializer_list<const ListTableModel*>{m_agravantes, m_atenuantes, m_causes}) {
        const QString problem = model->FirstProblem();
        if (!problem.isEmpty()) {
            return problem;
        }
    }
    return {};
}

QList<QWidget*> SentencingCrimePanel::TabOrder() const {
    QList<QWidget*> order = {Tabs->tabBar(), Description};
    order += Minimum->TabOrder();
    order += Maximum->TabOrder();
    order << Criterion << Fine << FinesMinimum << FinesMaximum << FinesInformed << SexualViolence;
    order += Circumstances->TabOrder();
    order += AgravantesTable->TabOrder();
    order += AtenuantesTable->TabOrder();
    order += CausesTable->TabOrder();
    order << OnlyLargest;
    return order;
}

} // namespace zarn
