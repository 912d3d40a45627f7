#include "forms/ToolWindow.h"

#include "help/HelpContext.h"
#include "widgets/FocusedSelection.h"
#include "widgets/FormFonts.h"
#include "widgets/FormLayout.h"
#include "widgets/MaskedField.h"
#include "widgets/QtText.h"

#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollArea>
#include <QShowEvent>
#include <QSplitter>
#include <algorithm>

namespace zarn {
namespace {

constexpr const char* kTimelineAreaName = "Linha do tempo";

} // namespace

ToolWindow::ToolWindow(QWidget* parent, const char* name, const char* menuCaption, int helpContext)
    : QWidget(parent, Qt::Window) {
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(WithoutMnemonics(ToQString(menuCaption)));
    setAttribute(Qt::WA_QuitOnClose, false);
    setFont(LayoutFont(this, kToolFontHeight, false));
    SetHelpContext(this, helpContext);
}

QPlainTextEdit* ToolWindow::NewAnswerText() {
    auto* text = new QPlainTextEdit(this);
    text->setReadOnly(true);
    text->setTabChangesFocus(true);
    return text;
}

void ToolWindow::SeedTerm(const std::array<MaskedField*, 3>& fields,
                          const std::optional<std::array<std::string, 3>>& term) {
    if (!term) {
        return;
    }
    for (std::size_t i = 0; i < fields.size(); ++i) {
        fields[i]->SetText((*term)[i]);
    }
}

MaskedField* ToolWindow::NewDateField() {
    MaskedField* field = NewMaskedField(this, kDateFieldSetup);
    FocusedSelection::Apply(field);
    const QFontMetrics metrics = field->fontMetrics();
    field->setFixedWidth(metrics.horizontalAdvance(QStringLiteral("00/00/0000")) +
                         4 * metrics.averageCharWidth());
    return field;
}

QScrollArea* ToolWindow::NewTimelineArea(QWidget* timeline) {
    auto* area = new QScrollArea(this);
    area->setWidget(timeline);
    area->setWidgetResizable(true);
    area->setFocusPolicy(Qt::NoFocus);
    area->setAccessibleName(ToQString(kTimelineAreaName));
    return area;
}

QSize ToolWindow::ResizeInCharacters(int widthInCharacters, int heightInLines) {
    const QFontMetrics metrics = fontMetrics();
    QSize size(metrics.averageCharWidth() * widthInCharacters, metrics.height() * heightInLines);
    if (const QScreen* shown = screen()) {
        size = size.boundedTo(shown->availableGeometry().size() * 9 / 10);
    }
    resize(size.expandedTo(minimumSizeHint()));
    return size;
}

void ToolWindow::SetPaneShares(QSplitter& splitter, std::span<const int> shares) {
    for (int pane = 0; pane < splitter.count(); ++pane) {
        splitter.setStretchFactor(pane, shares[static_cast<std::size_t>(pane)]);
    }
}

void ToolWindow::SpreadPanes(QSplitter& splitter, std::span<const int> shares, int length) {
    QList<int> sizes;
    for (const int share : shares) {
        sizes << share * length;
    }
    splitter.setSizes(sizes);
}

void ToolWindow::Present() {
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void ToolWindow::PlaceOnFirstShow() {
    QRect frame = frameGeometry();
    if (const QWidget* main = parentWidget()) {
        frame.moveCenter(main->frameGeometry().center());
    }
    if (const QScreen* shown = screen()) {
        const QRect available = shown->availableGeometry();
        frame.moveLeft(std::clamp(frame.left(), available.left(),
                                  std::max(available.left(), available.right() - frame.width())));
        frame.moveTop(std::clamp(frame.top(), available.top(),
                                 std::max(available.top(), available.bottom() - frame.height())));
    }
    move(frame.topLeft());
}

void ToolWindow::showEvent(QShowEvent* event) {
    if (!m_placed && !event->spontaneous()) {
        m_placed = true;
        PlaceOnFirstShow();
    }
    QWidget::showEvent(event);
}

} // namespace zarn
