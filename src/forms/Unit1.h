#pragma once

// The main window "Zarn": the five masked input fields of a calculation, the result field,
// the six command buttons, the menu Sair / Editar / Ferramentas / Ajuda and the status bar.
// The calculation record, the written record of the chain and the case that the execution,
// prescription and dosimetria windows share live beside the window for as long as it does;
// closing the window with unsaved changes of the case asks first (CaseCommands.h).

#include "engine/CalcFlow.h"
#include "engine/CalcRecord.h"
#include "engine/CalcState.h"
#include "forms/CaseCommands.h"
#include "law/CaseFacts.h"
#include "widgets/CaseSession.h"

#include <QList>
#include <QMainWindow>

class QAction;
class QDialog;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;

namespace zarn {

class AppliedFractionWindow;
class CalculationRecordWindow;
class ConsequencesWindow;
class CopyCommand;
class DialogKeys;
class ExecutionWindow;
class MaskedField;
class NoticeBar;
class PrescriptionWindow;
class ResultField;
class SentencingWindow;
class TForm3;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // The two other windows, created by start-up after this one. The calendar tells this
    // window when its Sair closed it.
    void SetAboutBox(QDialog* aboutBox);
    void SetCalendar(TForm3* calendar);

    // The calculation record: written by Calcula, Continua and Volta; read by the calendar.
    CalcState& State() { return m_state; }
    const CalcState& State() const { return m_state; }

    // The written record of the chain: a step for each Calcula that gave a result; Volta
    // forgets the last one, Novo cálculo empties it. Shown by Ferramentas > Memória do
    // cálculo.
    const CalcRecord& Record() const { return m_record; }

    // The window of the written record, or null before its first opening.
    CalculationRecordWindow* RecordWindow() const { return m_recordWindow; }

    // The window's Enter, default-button and accelerator keys.
    DialogKeys* Keys() const { return m_keys; }

    // The window of Ferramentas > Fração aplicada; null until its first opening.
    AppliedFractionWindow* FractionWindow() const { return m_fractionWindow; }
    // The window of Ferramentas > Execução penal; null until its first opening.
    ExecutionWindow* Execution() const { return m_execution; }
    // The window of Ferramentas > Consequências da pena; null until its first opening.
    ConsequencesWindow* Consequences() const { return m_consequences; }
    // The window of Ferramentas > Dosimetria; null until its first opening.
    SentencingWindow* Sentencing() const { return m_sentencing; }
    // The window of Ferramentas > Prescrição; null until its first opening.
    PrescriptionWindow* Prescription() const { return m_prescription; }

    // The case the execution, prescription and dosimetria windows share, and the commands of
    // their Caso menu.
    CaseSession& Case() { return m_case; }
    CaseCommands& CaseMenuCommands() { return m_caseCommands; }
    // Opens the analysis windows that show something the case holds (after a recovery, say).
    void ShowCaseWindows();

    // The facts of the case that the consequences and the execution windows share: each
    // shows them when it opens and writes them back whenever they change there.
    CaseFacts& SharedFacts() { return m_sharedFacts; }

    // Components, in the window's order of child controls.
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    NoticeBar* StatusBar1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    ResultField* Edit2 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    MaskedField* MaskEdit1 = nullptr;
    MaskedField* MaskEdit2 = nullptr;
    MaskedField* MaskEdit3 = nullptr;
    MaskedField* MaskEdit4 = nullptr;
    MaskedField* MaskEdit5 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button4 = nullptr;
    QPushButton* Button5 = nullptr;
    QPushButton* Button6 = nullptr;
    // Actions; a menu item linked to an action is the action itself.
    QAction* CursorInicia = nullptr;
    QAction* ProgramaSai = nullptr;  // menu item Sair
    QAction* HelpContents = nullptr; // menu item Conteúdo
    QAction* HelpIndex = nullptr;    // menu item Índice
    QAction* HelpAbout = nullptr;    // menu item Sobre...
    QAction* EditCopy1 = nullptr;    // menu item Copiar and Ctrl+C
    QList<QIcon> ImageList1;         // 0: Copiar; 1: Ajuda and Conteúdo
    QMenuBar* MainMenu1 = nullptr;
    QMenu* Editar1 = nullptr;
    QMenu* Ferramentas1 = nullptr;               // the analysis windows
    QAction* FerramentasMemoria = nullptr;       // Memória do cálculo, Ctrl+M
    QAction* FerramentasFracao = nullptr;        // Fração aplicada
    QAction* FerramentasConsequencias = nullptr; // Consequências da pena
    QAction* FerramentasExecucao = nullptr;      // Execução penal
    QAction* FerramentasPrescricao = nullptr;    // Prescrição
    QAction* FerramentasDosimetria = nullptr;    // Dosimetria
    QMenu* Contedo1 = nullptr;                   // the Ajuda menu
    QAction* N1 = nullptr;                       // separator above Sobre...

    // Handlers.
    void Button6Click();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void CursorIniciaExecute();
    void ProgramaSaiExecute();
    void HelpContentsExecute();
    void HelpContentsExecute2();
    void HelpIndexExecute();
    void HelpAboutExecute();
    void FerramentasMemoriaExecute();
    // Ferramentas > Fração aplicada
    void FerramentasFracaoExecute();
    // Ferramentas > Consequências da pena
    void FerramentasConsequenciasExecute();
    // Ferramentas > Execução penal
    void FerramentasExecucaoExecute();
    // Ferramentas > Prescrição
    void FerramentasPrescricaoExecute();
    // Ferramentas > Dosimetria
    void FerramentasDosimetriaExecute();

    // The calendar's Sair has hidden it: the keyboard comes back to the years field.
    void CalendarClosedBySair();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void ConnectHandlers();
    void SetTabOrder();

    MaskedField* FieldOf(InputField field) const;
    QList<MaskedField*> TermFields() const;
    void ReportInputError(const CalcOutcome& outcome);
    void ReportResult(const CalcOutcome& outcome);
    void ShowAndCopyResult(const CalcOutcome& outcome);
    void WriteTermFields(const TermFieldTexts& texts);
    void ReportResultsDoNotFit();
    void MakeCalculaDefault();
    void FocusAndSelectAll(MaskedField* field);
    void RecordCalcula(const CalcOutcome& outcome, const std::string& operationField);
    void ForgetLastCalcula();
    void ClearRecord();
    void ShowRecordChange();

    CalcState m_state;
    CalcRecord m_record;
    CaseFacts m_sharedFacts;
    CalculationRecordWindow* m_recordWindow = nullptr;
    DialogKeys* m_keys = nullptr;
    CopyCommand* m_copy = nullptr;
    QDialog* m_aboutBox = nullptr;
    TForm3* m_calendar = nullptr;
    AppliedFractionWindow* m_fractionWindow = nullptr;
    ConsequencesWindow* m_consequences = nullptr;
    ExecutionWindow* m_execution = nullptr;
    SentencingWindow* m_sentencing = nullptr;
    PrescriptionWindow* m_prescription = nullptr;
    CaseSession m_case;
    CaseCommands m_caseCommands{m_case};
};

} // namespace zarn
