#include "widgets/ExecutionEventsModel.h"

#include "execution/ExecutionNames.h"
#include "widgets/CellValues.h"
#include "widgets/DatedRowOrder.h"
#include "widgets/QtText.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <array>

namespace zarn {
namespace {

using Model = ExecutionEventsModel;

constexpr std::array kEventColumns{
    ListColumn{"tipo", "Tipo"},
    ListColumn{"data", "Data"},
    ListColumn{"quantidade", "Quantidade"},
    ListColumn{"regime", "Regime"},
    ListColumn{"descricao", "Descri\xE7\xE3o"},
};

// A kind of the table: the event's kind, what its name adds to the kind's, and the unit of
// its quantity (none: it takes no quantity).
struct FormName {
    Model::Form Which;
    EventKind Kind;
    std::string_view Suffix;
    std::string_view One;
    std::string_view Many;
    bool AmountNeeded;
};

constexpr std::array kForms{
    FormName{Model::FaltaGraveForm, EventKind::FaltaGrave, "", "dia de remi\xE7\xE3o perdido",
             "dias de remi\xE7\xE3o perdidos", false},
    FormName{Model::FugaForm, EventKind::Fuga, "", "", "", false},
    FormName{Model::RemicaoDaysForm, EventKind::Remicao, " em dias", "dia", "dias", true},
    FormName{Model::RemicaoWorkForm, EventKind::Remicao, " por trabalho", "dia de trabalho",
             "dias de trabalho", true},
    FormName{Model::RemicaoStudyForm, EventKind::Remicao, " por estudo", "hora de estudo",
             "horas de estudo", true},
    FormName{Model::RemicaoStudyCompletedForm, EventKind::Remicao,
             " por estudo, com conclus\xE3o de n\xED"
             "vel de ensino",
             "hora de estudo", "horas de estudo", true},
    FormName{Model::RemicaoBooksForm, EventKind::Remicao, " por leitura", "livro", "livros", true},
    FormName{Model::NightConfinementForm, EventKind::RecolhimentoNoturno, "", "hora", "horas",
             true},
    FormName{Model::ProgressionForm, EventKind::Progressao, "", "", "", false},
    FormName{Model::RegressionForm, EventKind::Regressao, "", "", "", false},
};

constexpr std::string_view kMissingDateMessage = "informe a data.";
constexpr std::string_view kMissingAmountMessage = "informe a quantidade.";
constexpr std::string_view kUnreadableAmountMessage =
    "digite um n\xFAmero inteiro, sem sinal nem separadores.";
// The largest quantity a cell reads; the execution judges what it can count.
constexpr qsizetype kMostAmountDigits = 12;

// The keys the case document keeps a quantity under, and the one a kind's remicao form is.
const QRegularExpression& AmountKeys() {
    static const QRegularExpression keys(
        QStringLiteral(R"((eventos\[\d+\])\.(remicao_perdida|trabalho_dias|estudo_horas|)"
                       R"(livros|horas|dias)\b)"));
    return keys;
}

const FormName& FormOf(Model::Form form) {
    return kForms[static_cast<std::size_t>(form)];
}

QString KindName(Model::Form form) {
    const FormName& name = FormOf(form);
    return ToQString(std::string(ShownName(name.Kind)) + std::string(name.Suffix));
}

QStringList KindChoices() {
    QStringList choices;
    for (const FormName& name : kForms) {
        choices << KindName(name.Which);
    }
    return choices;
}

QStringList RegimeChoices() {
    QStringList choices;
    for (const auto& name : kRegimeNames) {
        choices << ToQString(name.Shown);
    }
    return choices;
}

bool TakesAmount(Model::Form form) {
    return !FormOf(form).Many.empty();
}

bool TakesRegime(Model::Form form) {
    return form == Model::ProgressionForm || form == Model::RegressionForm;
}

// "90 dias de trabalho", "1 livro".
QString AmountText(Model::Form form, long long amount) {
    const FormName& name = FormOf(form);
    return QString::number(amount) + QLatin1Char(' ') +
           ToQString(amount == 1 ? name.One : name.Many);
}

// The table's kind of an event: its remicao form by the key it gives.
Model::Form FormOfEvent(const ExecutionEvent& event) {
    switch (event.Kind) {
    case EventKind::FaltaGrave:
        return Model::FaltaGraveForm;
    case EventKind::Fuga:
        return Model::FugaForm;
    case EventKind::RecolhimentoNoturno:
        return Model::NightConfinementForm;
    case EventKind::Progressao:
        return Model::ProgressionForm;
    case EventKind::Regressao:
        return Model::RegressionForm;
    case EventKind::Remicao:
        break;
    }
    if (event.WorkDays) {
        return Model::RemicaoWorkForm;
    }
    if (event.StudyHours) {
        return event.LevelCompleted ? Model::RemicaoStudyCompletedForm : Model::RemicaoStudyForm;
    }
    return event.Books ? Model::RemicaoBooksForm : Model::RemicaoDaysForm;
}

std::optional<long long> AmountOfEvent(const ExecutionEvent& event) {
    switch (FormOfEvent(event)) {
    case Model::FaltaGraveForm:
        return event.RemicaoLost > 0 ? std::optional<long long>(event.RemicaoLost) : std::nullopt;
    case Model::RemicaoDaysForm:
        return event.Days;
    case Model::RemicaoWorkForm:
        return event.WorkDays;
    case Model::RemicaoStudyForm:
    case Model::RemicaoStudyCompletedForm:
        return event.StudyHours;
    case Model::RemicaoBooksForm:
        return event.Books;
    case Model::NightConfinementForm:
        return event.Hours;
    default:
        return std::nullopt;
    }
}

// The event's quantity under the key its kind keeps it.
void SetAmountOfEvent(ExecutionEvent& event, Model::Form form, std::optional<long long> amount) {
    switch (form) {
    case Model::FaltaGraveForm:
        event.RemicaoLost = amount.value_or(0);
        break;
    case Model::RemicaoDaysForm:
        event.Days = amount;
        break;
    case Model::RemicaoWorkForm:
        event.WorkDays = amount;
        break;
    case Model::RemicaoStudyForm:
    case Model::RemicaoStudyCompletedForm:
        event.StudyHours = amount;
        event.LevelCompleted = form == Model::RemicaoStudyCompletedForm;
        break;
    case Model::RemicaoBooksForm:
        event.Books = amount;
        break;
    case Model::NightConfinementForm:
        event.Hours = amount;
        break;
    default:
        break;
    }
}

} // namespace

ExecutionEventsModel::ExecutionEventsModel(QObject* parent)
    : ListTableModel("eventos", "Eventos", kEventColumns, parent) {}

void ExecutionEventsModel::SetEvents(const std::vector<ExecutionEvent>& events) {
    beginResetModel();
    m_rows.clear();
    for (const ExecutionEvent& event : events) {
        Row row;
        row.Kind = FormOfEvent(event);
        row.Date = event.Date;
        row.Amount = AmountOfEvent(event);
        row.To = event.ToRegime;
        row.Description = event.Description;
        m_rows.push_back(row);
    }
    std::stable_sort(m_rows.begin(), m_rows.end(),
                     [](const Row& a, const Row& b) { return *a.Date < *b.Date; });
    endResetModel();
}

std::vector<ExecutionEvent> ExecutionEventsModel::Events() const {
    std::vector<ExecutionEvent> events;
    for (const Row& row : m_rows) {
        if (!row.Date) {
            continue;
        }
        ExecutionEvent event;
        event.Kind = FormOf(row.Kind).Kind;
        event.Date = *row.Date;
        event.Description = row.Description;
        SetAmountOfEvent(event, row.Kind, row.Amount);
        if (TakesRegime(row.Kind)) {
            event.ToRegime = row.To;
        }
        events.push_back(event);
    }
    return events;
}

QString ExecutionEventsModel::WithEventPlaceNames(const QString& message) const {
    QString named = message;
    named.replace(AmountKeys(), QStringLiteral("\\1.quantidade"));
    named.replace(QRegularExpression(QStringLiteral(R"((eventos\[\d+\])\.conclusao\b)")),
                  QStringLiteral("\\1.tipo"));
    return WithPlaceNames(named);
}

int ExecutionEventsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

bool ExecutionEventsModel::Uses(const Row& row, int column) {
    switch (column) {
    case AmountColumn:
        return TakesAmount(row.Kind);
    case RegimeColumn:
        return TakesRegime(row.Kind);
    default:
        return true;
    }
}

QVariant ExecutionEventsModel::data(const QModelIndex& index, int role) const {
    if (!IsCell(index)) {
        return {};
    }
    const Row& row = m_rows[static_cast<std::size_t>(index.row())];
    if (row.Refused.contains(index.column())) {
        return RefusedData(row.Refused, index.column(), role);
    }
    if (!Uses(row, index.column())) {
        return {};
    }
    return ValueData(row, index.column(), role);
}

QVariant ExecutionEventsModel::ValueData(const Row& row, int column, int role) const {
    const bool shown = role == Qt::DisplayRole;
    const bool edited = role == Qt::EditRole;
    switch (column) {
    case KindColumn:
        if (role == kChoicesRole) {
            return KindChoices();
        }
        return shown ? QVariant(KindName(row.Kind)) : edited ? QVariant(int(row.Kind)) : QVariant();
    case DateColumn:
        return shown || edited ? QVariant(CellDateText(row.Date)) : QVariant();
    case AmountColumn:
        if (!row.Amount || !(shown || edited)) {
            return shown || edited ? QVariant(QString()) : QVariant();
        }
        return shown ? AmountText(row.Kind, *row.Amount) : QString::number(*row.Amount);
    case RegimeColumn:
        if (role == kChoicesRole) {
            return RegimeChoices();
        }
        if (!row.To) {
            return {};
        }
        return shown    ? QVariant(ToQString(ShownName(*row.To)))
               : edited ? QVariant(int(*row.To))
                        : QVariant();
    default:
        return shown || edited ? QVariant(ToQString(row.Description)) : QVariant();
    }
}

bool ExecutionEventsModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!IsCell(index) || role != Qt::EditRole) {
        return false;
    }
    Row& row = m_rows[static_cast<std::size_t>(index.row())];
    if (!Uses(row, index.column())) {
        return false;
    }
    switch (index.column()) {
    case KindColumn:
        return SetKind(row, index, value);
    case DateColumn:
        return SetDate(index.row(), index, value.toString());
    case AmountColumn:
        return SetAmount(row, index, value.toString());
    case RegimeColumn:
        return SetRegime(row, index, value);
    default:
        return SetDescription(row, index, value.toString());
    }
}

bool ExecutionEventsModel::SetKind(Row& row, const QModelIndex& index, const QVariant& value) {
    bool read = false;
    const int kind = value.toInt(&read);
    if (!read || kind < 0 || kind >= static_cast<int>(kForms.size())) {
        return false;
    }
    if (int(row.Kind) == kind) {
        return true;
    }
    row.Kind = static_cast<Form>(kind);
    // A progression goes up a regime and a regression down: each starts from the one most
    // often entered.
    if (row.Kind == ProgressionForm && row.To.value_or(Regime::Fechado) == Regime::Fechado) {
        row.To = Regime::Semiaberto;
    } else if (row.Kind == RegressionForm && row.To.value_or(Regime::Aberto) == Regime::Aberto) {
        row.To = Regime::Fechado;
    }
    // Typing refused in a cell the kind no longer uses is gone with the cell.
    for (const int column : {AmountColumn, RegimeColumn}) {
        if (!Uses(row, column)) {
            row.Refused.erase(column);
        }
    }
    Accept(row.Refused, index);
    return true;
}

bool ExecutionEventsModel::SetDate(int row, const QModelIndex& index, const QString& text) {
    Row& event = m_rows[static_cast<std::size_t>(row)];
    const CellDate read = ReadCellDate(text);
    if (!read.Ok) {
        return Refuse(event.Refused, index, text, ToQString(kUnreadableCellDateMessage));
    }
    if (event.Date == read.Date && !event.Refused.contains(DateColumn)) {
        return true;
    }
    event.Date = read.Date;
    Accept(event.Refused, index);
    KeepInOrder(row);
    return true;
}

bool ExecutionEventsModel::SetAmount(Row& row, const QModelIndex& index, const QString& text) {
    const QString digits = text.trimmed();
    std::optional<long long> amount;
    if (!digits.isEmpty()) {
        bool read = digits.size() <= kMostAmountDigits &&
                    std::all_of(digits.begin(), digits.end(), [](QChar c) { return c.isDigit(); });
        const long long value = read ? digits.toLongLong(&read) : 0;
        if (!read) {
            return Refuse(row.Refused, index, text, ToQString(kUnreadableAmountMessage));
        }
        amount = value;
    }
    return StoreCell(row.Amount, amount, row.Refused, index);
}

bool ExecutionEventsModel::SetRegime(Row& row, const QModelIndex& index, const QVariant& value) {
    bool read = false;
    const int regime = value.toInt(&read);
    if (!read || regime < 0 || regime >= static_cast<int>(kRegimeNames.size())) {
        return false;
    }
    const Regime chosen = kRegimeNames[static_cast<std::size_t>(regime)].Which;
    if (row.To != chosen) {
        row.To = chosen;
        Accept(row.Refused, index);
    }
    return true;
}

bool ExecutionEventsModel::SetDescription(Row& row, const QModelIndex& index, const QString& text) {
    return StoreTextCell(row.Description, text, row.Refused, index);
}

void ExecutionEventsModel::KeepInOrder(int row) {
    const int place = DatedPlace(m_rows, row, [](const Row& r) { return r.Date; });
    if (place == row) {
        return;
    }
    beginMoveRows(QModelIndex(), row, row, QModelIndex(), place > row ? place + 1 : place);
    MoveElement(m_rows, row, place);
    endMoveRows();
}

Qt::ItemFlags ExecutionEventsModel::flags(const QModelIndex& index) const {
    if (!IsCell(index)) {
        return Qt::NoItemFlags;
    }
    const Qt::ItemFlags usable = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const Row& row = m_rows[static_cast<std::size_t>(index.row())];
    return Uses(row, index.column()) ? usable | Qt::ItemIsEditable : usable;
}

bool ExecutionEventsModel::insertRows(int row, int count, const QModelIndex& parent) {
    // Rows are added at the end only.
    return row == rowCount() && InsertListRows(m_rows, row, count, parent);
}

bool ExecutionEventsModel::removeRows(int row, int count, const QModelIndex& parent) {
    return RemoveListRows(m_rows, row, count, parent);
}

QString ExecutionEventsModel::FirstProblem() const {
    return FirstProblemOf(m_rows, [this](const Row& row, int index) {
        if (!row.Date) {
            return MissingAt(index, DateColumn, kMissingDateMessage);
        }
        if (FormOf(row.Kind).AmountNeeded && !row.Amount) {
            return MissingAt(index, AmountColumn, kMissingAmountMessage);
        }
        return QString();
    });
}

} // namespace zarn
