#include "forms/CaseParts.h"

#include "forms/ExecutionWindow.h"
#include "forms/PrescriptionWindow.h"
#include "forms/SentencingWindow.h"
#include "widgets/CellValues.h"
#include "widgets/DateFieldText.h"
#include "widgets/ExecutionOptionsPanel.h"
#include "widgets/MaskedField.h"
#include "widgets/QtText.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <string_view>

namespace zarn {
namespace {

constexpr std::string_view kAnswerIsAMessage =
    "a resposta da janela \xE9 uma mensagem, n\xE3o a an\xE1lise do caso: corrija o que ela "
    "aponta e pe\xE7"
    "a o relat\xF3rio de novo";

// A date field into the document: blank is null, a date is that date; what does not read
// leaves the document's value.
void TakeDate(const MaskedField& field, std::optional<DayNumber>& value) {
    const CellDate read = ReadCellDate(ToQString(field.Text()));
    if (read.Ok) {
        value = read.Date;
    }
}

// The document's date into a field, where the field does not show it already; null is a
// blank field.
void ShowDate(MaskedField& field, const std::optional<DayNumber>& value) {
    const CellDate shown = ReadCellDate(ToQString(field.Text()));
    if (shown.Ok && shown.Date == value) {
        return;
    }
    field.SetText(value ? WriteDateField(*value, field) : std::string());
}

// The window's report of the case, where its answer is the case's.
CaseReportOutcome WindowsReport(CaseReportOutcome outcome, const QPlainTextEdit& answer) {
    if (outcome.Ok() && ToQString(outcome.Contents->Answer) != answer.toPlainText()) {
        return {std::nullopt, std::string(kAnswerIsAMessage)};
    }
    return outcome;
}

// The document with its execution section, empty where it has none: what the window shows.
ExecutionCase ExecutionShown(const CaseDocument& document) {
    CaseDocument shown = document;
    if (!shown.Execution) {
        shown.Execution = ExecutionCase{};
    }
    return *ExecutionInputOf(shown);
}

PrescriptionInput PrescriptionShown(const CaseDocument& document) {
    CaseDocument shown = document;
    if (!shown.Prescription) {
        shown.Prescription = PrescriptionInput{};
    }
    return *PrescriptionInputOf(shown);
}

// A window without a crime offers a blank one, as a new dosimetria does.
SentencingInput SentencingShown(const CaseDocument& document) {
    CaseDocument shown = document;
    if (!shown.Sentencing) {
        shown.Sentencing = SentencingInput{{CrimeInput{}}, std::nullopt, {}};
    }
    return *SentencingInputOf(shown);
}

bool Empty(const ExecutionCase& execution) {
    return execution.Convictions.empty() && execution.Periods.empty() && execution.Events.empty() &&
           !execution.InitialRegime;
}

} // namespace

CasePart ExecutionPart(ExecutionWindow& window) {
    CasePart part;
    part.Take = [&window](CaseDocument& document) {
        ExecutionCase input = window.Input();
        document.Convention = input.Convention;
        document.Options.Execution = input.Options;
        TakeDate(*window.CalculationField, document.CalculationDate);
        // The document holds these once; its section keeps their defaults.
        const ExecutionCase defaults;
        input.CalculationDate = defaults.CalculationDate;
        input.Convention = defaults.Convention;
        input.Options = defaults.Options;
        document.Execution = Empty(input) ? std::nullopt : std::optional(std::move(input));
    };
    part.Show = [&window](const CaseDocument& document) {
        window.SetInput(ExecutionShown(document));
        ShowDate(*window.CalculationField, document.CalculationDate);
    };
    part.ShowFirst = [&window, show = part.Show](const CaseDocument& document) {
        if (document.Execution) {
            show(document);
            return;
        }
        ExecutionChoices choices = window.Options->Choices();
        choices.Options = document.Options.Execution;
        choices.Convention = document.Convention;
        window.Options->SetChoices(choices);
        ShowDate(*window.CalculationField, document.CalculationDate);
    };
    part.ShowShared = [&window](const CaseDocument& document) {
        ShowDate(*window.CalculationField, document.CalculationDate);
    };
    part.Report = [&window](const CaseDocument& document, std::string caseName) {
        return WindowsReport(ExecutionCaseReport(document, std::move(caseName)),
                             *window.AnswerText);
    };
    return part;
}

CasePart PrescriptionPart(PrescriptionWindow& window) {
    CasePart part;
    part.Take = [&window](CaseDocument& document) {
        PrescriptionInput input = window.Input();
        document.Options.ConfirmingAcordaoInterrupts = input.ConfirmingAcordaoInterrupts;
        TakeDate(*window.BirthField, document.Birth);
        TakeDate(*window.CalculationField, document.CalculationDate);
        const PrescriptionInput defaults;
        input.Birth = defaults.Birth;
        input.CalculationDate = defaults.CalculationDate;
        input.ConfirmingAcordaoInterrupts = defaults.ConfirmingAcordaoInterrupts;
        const bool empty =
            input.Crimes.empty() && input.Marcos.empty() && input.Suspensions.empty();
        document.Prescription = empty ? std::nullopt : std::optional(std::move(input));
    };
    part.Show = [&window](const CaseDocument& document) {
        window.SetInput(PrescriptionShown(document));
        ShowDate(*window.CalculationField, document.CalculationDate);
    };
    part.ShowShared = [&window](const CaseDocument& document) {
        ShowDate(*window.CalculationField, document.CalculationDate);
    };
    part.Report = [&window](const CaseDocument& document, std::string caseName) {
        return WindowsReport(PrescriptionCaseReport(document, std::move(caseName)),
                             *window.AnswerText);
    };
    return part;
}

CasePart SentencingPart(SentencingWindow& window) {
    CasePart part;
    part.Take = [&window](CaseDocument& document) {
        SentencingInput input = window.Input();
        document.Options.Sentencing = input.Opcoes;
        input.Opcoes = SentencingOptions{};
        const bool empty = input.Crimes.empty() && !input.Concurso;
        document.Sentencing = empty ? std::nullopt : std::optional(std::move(input));
    };
    part.Show = [&window](const CaseDocument& document) {
        window.SetInput(SentencingShown(document));
    };
    // Nothing it shows is in another window.
    part.ShowShared = [](const CaseDocument&) {};
    part.Report = [&window](const CaseDocument& document, std::string caseName) {
        return WindowsReport(
            SentencingCaseReport(document, std::move(caseName), window.InWords->isChecked()),
            *window.AnswerText);
    };
    return part;
}

} // namespace zarn
