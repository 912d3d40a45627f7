#pragma once

// The window "Memória do cálculo": the written record of the main window's chain, one line
// per step, as it grows, ready to be copied into a sentence, with the numbers in words on
// request. A top-level window made by the first Ferramentas > Memória do cálculo and shown
// beside the main window without blocking it; closing it only hides it.

#include "forms/ToolWindow.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QResizeEvent;
class QShowEvent;

namespace zarn {

class CalcRecord;
class DialogKeys;

// The Ferramentas menu item that opens the window; the window's title is the same words
// without the "&".
inline constexpr const char* kCalculationRecordCaption = "&Mem\xF3ria do c\xE1lculo";

// Help context number of the window and its page.
inline constexpr int kCalculationRecordHelpContext = 20;

class CalculationRecordWindow : public ToolWindow {
    Q_OBJECT
public:
    // The window shows and clears the record, which outlives it.
    CalculationRecordWindow(CalcRecord& record, QWidget* parent);

    // The window's Enter, default-button and accelerator keys.
    DialogKeys* Keys() const { return m_keys; }

    // Shows the window (or brings it to the front) with the record as it is now and the
    // keyboard on the text.
    void Open();

    // Shows the record as it is now: called whenever it changes. Copiar and Limpar work
    // only on a record with steps; Enter presses Copiar then, Fechar otherwise.
    void Refresh();

    // Components, in tab order after the label.
    QLabel* StepsLabel = nullptr;
    QPlainTextEdit* StepsText = nullptr; // read-only
    QCheckBox* InWords = nullptr;        // Números por extenso
    QPushButton* CopyButton = nullptr;   // Copiar
    QPushButton* ClearButton = nullptr;  // Limpar
    QPushButton* CloseButton = nullptr;  // Fechar

    // Handlers.
    void CopyButtonClick();
    void ClearButtonClick();
    void CloseButtonClick();

protected:
    // To the right of the main window, where both can be seen.
    void PlaceOnFirstShow() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void CreateControls();
    void PlaceControls();
    void ConnectHandlers();
    void SetTabOrder();
    void FollowTheWindowSize();

    CalcRecord& m_record;
    DialogKeys* m_keys = nullptr;
};

} // namespace zarn
