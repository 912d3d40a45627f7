#include "widgets/EditableTable.h"

#include "widgets/ListTableModel.h"
#include "widgets/QtText.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <algorithm>
#include <set>

namespace zarn {
namespace {

constexpr std::string_view kAddCaption = "Adicionar";
// The rows a table shows at the least, so a short window still shows a few.
constexpr int kLeastRowsShown = 3;
constexpr std::string_view kRemoveCaption = "Remover";

// The height of a row: the tallest of the editors a cell may open, so none is cut.
int EditorRowHeight(const QWidget* view) {
    QLineEdit line;
    line.setFrame(false);
    line.setFont(view->font());
    QComboBox choice;
    choice.setFont(view->font());
    return std::max(line.sizeHint().height(), choice.sizeHint().height());
}

} // namespace

EditableTable::EditableTable(ListTableModel* model, const QString& item, QWidget* parent)
    : QWidget(parent)
    , m_model(model) {
    View = new QTableView(this);
    View->setModel(model);
    View->setSelectionBehavior(QAbstractItemView::SelectItems);
    View->setSelectionMode(QAbstractItemView::ExtendedSelection);
    View->setTabKeyNavigation(false);
    View->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                          QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    View->setWordWrap(false);
    View->verticalHeader()->setDefaultSectionSize(
        std::max(View->verticalHeader()->defaultSectionSize(), EditorRowHeight(View)));
    View->setAccessibleName(model->ListName());
    View->setMinimumHeight(View->horizontalHeader()->sizeHint().height() +
                           kLeastRowsShown * View->verticalHeader()->defaultSectionSize() +
                           2 * View->frameWidth());
    View->installEventFilter(this);
    View->viewport()->installEventFilter(this);

    AddButton = new QPushButton(ToQString(kAddCaption), this);
    RemoveButton = new QPushButton(ToQString(kRemoveCaption), this);
    for (QPushButton* button : {AddButton, RemoveButton}) {
        button->setAutoDefault(false);
    }
    AddButton->setAccessibleName(ToQString(kAddCaption) + QLatin1Char(' ') + item);
    RemoveButton->setAccessibleName(ToQString(kRemoveCaption) + QLatin1Char(' ') + item);
    MessageLine = new QLabel(this);
    MessageLine->setWordWrap(true);
    MessageLine->setTextFormat(Qt::PlainText);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(View, 0, 0, 1, 3);
    grid->addWidget(MessageLine, 1, 0);
    grid->addWidget(AddButton, 1, 1, Qt::AlignTop);
    grid->addWidget(RemoveButton, 1, 2, Qt::AlignTop);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(0, 1);

    connect(AddButton, &QPushButton::clicked, this, [this] { AddRow(); });
    connect(RemoveButton, &QPushButton::clicked, this, [this] { RemoveSelectedRows(); });
    connect(model, &ListTableModel::Edited, this, [this] { ShowProblem(); });
    connect(model, &QAbstractItemModel::modelReset, this, [this] {
        ShowProblem();
        FitColumns();
    });
    connect(model, &QAbstractItemModel::rowsInserted, this, [this] { FitColumns(); });
    ShowProblem();
}

EditableTable::~EditableTable() {
    // Closing the table can still commit an open cell's typing to the model, where that
    // outlives it; the table no longer shows it.
    if (m_model) {
        disconnect(m_model, nullptr, this, nullptr);
    }
}

void EditableTable::AddRow() {
    const int before = m_model->rowCount();
    if (!m_model->insertRows(before, 1)) {
        return;
    }
    const QModelIndex added = m_model->index(m_model->rowCount() - 1, 0);
    View->setCurrentIndex(added);
    View->scrollTo(added);
    View->setFocus(Qt::OtherFocusReason);
}

void EditableTable::RemoveSelectedRows() {
    std::set<int> rows;
    for (const QModelIndex& index : View->selectionModel()->selectedIndexes()) {
        rows.insert(index.row());
    }
    const QModelIndex current = View->currentIndex();
    if (rows.empty() && current.isValid()) {
        rows.insert(current.row());
    }
    if (rows.empty()) {
        return;
    }
    const int column = std::max(0, current.column());
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        m_model->removeRows(*row, 1);
    }
    const int left = m_model->rowCount();
    if (left > 0) {
        View->setCurrentIndex(m_model->index(std::min(*rows.begin(), left - 1), column));
    }
}

QList<QWidget*> EditableTable::TabOrder() const {
    return {View, AddButton, RemoveButton};
}

void EditableTable::ShowProblem() {
    MessageLine->setText(m_model->FirstProblem());
    RemoveButton->setEnabled(m_model->rowCount() > 0);
}

void EditableTable::FitColumns() {
    View->resizeColumnsToContents();
    // The columns fill the table's width: the last one takes what is left over; where they
    // would not fit, the widest gives way (its texts cut short with an ellipsis) down to its
    // caption's width, so that no cell scrolls out of sight sideways.
    QHeaderView* header = View->horizontalHeader();
    if (header->count() == 0) {
        return;
    }
    const int slack = View->viewport()->width() - header->length();
    int widest = 0;
    for (int column = 1; column < header->count(); ++column) {
        if (header->sectionSize(column) > header->sectionSize(widest)) {
            widest = column;
        }
    }
    const int giving = slack > 0 ? header->count() - 1 : widest;
    header->resizeSection(
        giving, std::max(header->sectionSizeHint(giving), header->sectionSize(giving) + slack));
}

bool EditableTable::HandleTableKey(int key) {
    const QModelIndex current = View->currentIndex();
    switch (key) {
    case Qt::Key_Insert:
        AddRow();
        return true;
    case Qt::Key_Delete:
        RemoveSelectedRows();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!current.isValid()) {
            return false;
        }
        if (current.flags().testFlag(Qt::ItemIsUserCheckable)) {
            const bool checked = current.data(Qt::CheckStateRole).toInt() == Qt::Checked;
            m_model->setData(current, static_cast<int>(checked ? Qt::Unchecked : Qt::Checked),
                             Qt::CheckStateRole);
            return true;
        }
        View->edit(current);
        return true;
    default:
        return false;
    }
}

bool EditableTable::eventFilter(QObject* watched, QEvent* event) {
    if (watched == View->viewport() && event->type() == QEvent::Resize) {
        FitColumns();
    }
    if (watched == View && event->type() == QEvent::KeyPress && View->hasFocus()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers modifiers =
            key->modifiers() & ~(Qt::KeypadModifier | Qt::GroupSwitchModifier);
        if (modifiers == Qt::NoModifier && HandleTableKey(key->key())) {
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace zarn
