#include "forms/CalculationRecordWindow.h"

#include "engine/CalcRecord.h"
#include "forms/ToolWindow.h"
#include "help/HelpContext.h"
#include "widgets/AccessibleNames.h"
#include "widgets/DialogKeys.h"
#include "widgets/FormLayout.h"
#include "widgets/Guarded.h"
#include "widgets/QtText.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QShowEvent>
#include <algorithm>
#include <array>

namespace zarn {
namespace {

// Client area, in pixels of the 120 pixels-per-inch layout. The window may be made
// larger, never smaller: the text grows with it, the bottom row keeps to its corner.
constexpr int kClientWidth = 520;
constexpr int kClientHeight = 341;

constexpr Place kLabelPlace = {16, 12, 0, 0};
constexpr Place kTextPlace = {16, 32, 488, 260};
constexpr Place kInWordsPlace = {16, 304, 208, 25};
constexpr std::array<Place, 3> kButtonPlaces = {{
    {240, 304, 80, 25}, // Copiar
    {332, 304, 80, 25}, // Limpar
    {424, 304, 80, 25}, // Fechar
}};

constexpr const char* kStepsCaption = "&Passos do c\xE1lculo:";
constexpr const char* kInWordsCaption = "&N\xFAmeros por extenso";
constexpr const char* kClearCaption = "&Limpar";
// Shown in the empty text.
constexpr const char* kNoStepsText = "Nenhum passo ainda: cada Calcula que d\xE1 resultado na "
                                     "janela principal acrescenta uma linha.";

// The room a check box keeps for its box beside the caption, in layout pixels.
constexpr int kCheckBoxIndicatorRoom = 24;

} // namespace

CalculationRecordWindow::CalculationRecordWindow(CalcRecord& record, QWidget* parent)
    : ToolWindow(parent, "CalculationRecordWindow", kCalculationRecordCaption,
                 kCalculationRecordHelpContext)
    , m_record(record) {
    CreateControls();
    PlaceControls();
    ConnectHandlers();
    SetTabOrder();
    Refresh();
}

void CalculationRecordWindow::CreateControls() {
    StepsLabel = NewLabel(this, kStepsCaption, kToolFontHeight, nullptr);
    StepsText = NewAnswerText();
    StepsText->setPlaceholderText(ToQString(kNoStepsText));
    InWords = new QCheckBox(ToQString(kInWordsCaption), this);
    InWords->setFont(LayoutFont(this, kToolFontHeight, true));
    CopyButton = NewButton(this, kToolCopyCaption, kToolFontHeight);
    ClearButton = NewButton(this, kClearCaption, kToolFontHeight);
    CloseButton = NewButton(this, kToolCloseCaption, kToolFontHeight);

    NameComponents({
        {StepsLabel, "StepsLabel"},
        {StepsText, "StepsText"},
        {InWords, "InWords"},
        {CopyButton, "CopyButton"},
        {ClearButton, "ClearButton"},
        {CloseButton, "CloseButton"},
    });
    // A screen reader announces the text by the caption above it, the check box and the
    // buttons by their captions.
    NameAfterLabel(StepsText, StepsLabel);
}

void CalculationRecordWindow::PlaceControls() {
    const QList<QPair<QPushButton*, Place>> buttons = {{CopyButton, kButtonPlaces[0]},
                                                       {ClearButton, kButtonPlaces[1]},
                                                       {CloseButton, kButtonPlaces[2]}};
    FitGroup(buttons, kButtonTextMargin);
    FitGroup(QList<QPair<QCheckBox*, Place>>{{InWords, kInWordsPlace}}, kCheckBoxIndicatorRoom);
    PlaceLabel(StepsLabel, kLabelPlace);
    const QSize client(Scaled(this, kClientWidth), Scaled(this, kClientHeight));
    setMinimumSize(client);
    resize(client);
    FollowTheWindowSize();
}

void CalculationRecordWindow::FollowTheWindowSize() {
    const QPoint grown(std::max(0, width() - minimumWidth()),
                       std::max(0, height() - minimumHeight()));
    PlaceWidget(StepsText, kTextPlace);
    StepsText->resize(StepsText->size() + QSize(grown.x(), grown.y()));
    PlaceWidget(InWords, kInWordsPlace);
    InWords->move(InWords->pos() + QPoint(0, grown.y()));
    const std::array<QPushButton*, 3> buttons = {CopyButton, ClearButton, CloseButton};
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        PlaceWidget(buttons[i], kButtonPlaces[i]);
        buttons[i]->move(buttons[i]->pos() + grown);
    }
}

void CalculationRecordWindow::ConnectHandlers() {
    connect(CopyButton, &QPushButton::clicked, this, Guarded([this] { CopyButtonClick(); }));
    connect(ClearButton, &QPushButton::clicked, this, Guarded([this] { ClearButtonClick(); }));
    connect(CloseButton, &QPushButton::clicked, this, Guarded([this] { CloseButtonClick(); }));
    connect(InWords, &QCheckBox::toggled, this, Guarded([this] { Refresh(); }));
    // Esc closes the window like Fechar.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, Guarded([this] { CloseButtonClick(); }));
    m_keys = DialogKeys::Install(this);
}

void CalculationRecordWindow::SetTabOrder() {
    ChainTabOrder({StepsText, InWords, CopyButton, ClearButton, CloseButton});
}

void CalculationRecordWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FollowTheWindowSize();
}

void CalculationRecordWindow::PlaceOnFirstShow() {
    // To the right of the main window, where both can be seen; centred on the screen when
    // there is no room there.
    const QScreen* shown = screen();
    if (!shown) {
        return;
    }
    const QRect available = shown->availableGeometry();
    QRect frame = frameGeometry();
    if (const QWidget* main = parentWidget()) {
        frame.moveTopLeft(main->frameGeometry().topRight() + QPoint(1, 0));
    }
    if (!available.contains(frame)) {
        frame.moveCenter(available.center());
    }
    move(frame.topLeft());
}

void CalculationRecordWindow::Open() {
    Refresh();
    Present();
    StepsText->setFocus(Qt::OtherFocusReason);
}

void CalculationRecordWindow::Refresh() {
    StepsText->setPlainText(ToQString(m_record.Text(InWords->isChecked())));
    StepsText->moveCursor(QTextCursor::End);
    StepsText->ensureCursorVisible();
    // Enter copies when there is something to copy, and closes the window otherwise.
    const bool anySteps = m_record.StepCount() > 0;
    CopyButton->setEnabled(anySteps);
    ClearButton->setEnabled(anySteps);
    CopyButton->setDefault(anySteps);
    CloseButton->setDefault(!anySteps);
}

// ----- Handlers ---------------------------------------------------------------------------

void CalculationRecordWindow::CopyButtonClick() {
    QApplication::clipboard()->setText(ToQString(m_record.Text(InWords->isChecked())));
}

void CalculationRecordWindow::ClearButtonClick() {
    m_record.Clear();
    Refresh();
    StepsText->setFocus(Qt::OtherFocusReason);
}

void CalculationRecordWindow::CloseButtonClick() {
    hide();
    if (QWidget* main = parentWidget()) {
        main->activateWindow();
    }
}

} // namespace zarn
