#include "MonkeyChecks.h"

#include "app/ZarnApplication.h"
#include "fields/ProgramMasks.h"
#include "forms/Unit1.h"
#include "forms/Unit3.h"
#include "support/MaskShape.h"
#include "support/ModalWatch.h"
#include "widgets/MaskedField.h"
#include "widgets/QtText.h"
#include "widgets/ResultField.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QRegularExpression>
#include <array>
#include <chrono>

namespace zarn::testing {
namespace {

// Everything the result field may hold besides a sentence.
const QStringList kMessages = {
    QStringLiteral("O número máximo de meses é 11."),
    QStringLiteral("O número máximo de dias é 29."),
    QStringLiteral("Será de 10 o mínimo de dias-multa."),
    QStringLiteral("O máximo de dias-multa é 66.666 (Lei 11.343/06)."),
    QStringLiteral("Operação inválida!"),
    QStringLiteral("Número inválido!"),
    QStringLiteral("O resultado não cabe nos campos; recomece."),
};

// Numbers right-aligned in two characters (years, months, days) and in three (day-fines):
// a shorter number is led by blanks, a longer one is written whole; no leading zeros.
const QString kTwoWide = QStringLiteral("( \\d|-\\d|-?[1-9]\\d+)");
const QString kThreeWide = QStringLiteral("(  \\d| -\\d| [1-9]\\d|-[1-9]\\d|-?[1-9]\\d{2,})");

const QRegularExpression
    kTermSentence(QStringLiteral("^%1 (ano|anos), %1 (mês|meses) e %1 "
                                 "(dia|dias)(?:, e %2 (dia-multa|dias-multa))?$")
                      .arg(kTwoWide, kThreeWide));
const QRegularExpression
    kFinesSentence(QStringLiteral("^%1 (dia-multa|dias-multa)$").arg(kThreeWide));

// A unit word agrees with its number: the plural only above 1.
bool WordAgrees(const QString& number, const QString& word, const QString& plural) {
    return (number.trimmed().toLongLong() > 1) == (word == plural);
}

bool IsSentence(const QString& text) {
    const QRegularExpressionMatch term = kTermSentence.match(text);
    if (term.hasMatch()) {
        const long long months = term.captured(3).trimmed().toLongLong();
        const long long days = term.captured(5).trimmed().toLongLong();
        const bool agrees =
            WordAgrees(term.captured(1), term.captured(2), QStringLiteral("anos")) &&
            WordAgrees(term.captured(3), term.captured(4), QStringLiteral("meses")) &&
            WordAgrees(term.captured(5), term.captured(6), QStringLiteral("dias"));
        const bool finesAgree =
            !term.hasCaptured(7) ||
            (WordAgrees(term.captured(7), term.captured(8), QStringLiteral("dias-multa")) &&
             term.captured(7).trimmed().toLongLong() <= 66666);
        return agrees && finesAgree && months > -12 && months < 12 && days > -30 && days < 30;
    }
    const QRegularExpressionMatch fines = kFinesSentence.match(text);
    return fines.hasMatch() &&
           WordAgrees(fines.captured(1), fines.captured(2), QStringLiteral("dias-multa")) &&
           fines.captured(1).trimmed().toLongLong() <= 66666;
}

bool IsCivilDate(int day, int month, int year) {
    const std::chrono::year_month_day date{std::chrono::year{year},
                                           std::chrono::month{static_cast<unsigned>(month)},
                                           std::chrono::day{static_cast<unsigned>(day)}};
    return year >= 1 && date.ok();
}

} // namespace

MonkeyChecks::MonkeyChecks(ZarnApplication& app, QChar regionalSeparator, MonkeyTally& tally)
    : m_app(app)
    , m_regionalSeparator(regionalSeparator)
    , m_tally(tally) {}

// Checked after each event: the calendar cannot appear and be closed by its Sair within
// one event, since it opens with the keyboard in its start-date field.
void MonkeyChecks::WatchCalendar() {
    if (m_watchingCalendar || !m_app.Form3()) {
        return;
    }
    m_watchingCalendar = true;
    connect(m_app.Form3(), &TForm3::ClosedBySair, this,
            [this] { m_sairSinceSingleDefault = true; });
}

QStringList MonkeyChecks::Check() {
    WatchCalendar();
    m_calendarOpened = m_calendarOpened || m_app.Form3()->isVisible();
    QStringList broken;
    broken << CheckMaskedFields();
    broken << CheckMainDefaults();
    broken << CheckCalendarDefaults();
    broken << CheckResultField();
    broken << CheckEndDateField();
    return broken;
}

// Every masked field keeps its mask's width and its literals, in what it shows and in
// what the program reads from it.
QStringList MonkeyChecks::CheckMaskedFields() const {
    const TForm1& main = *m_app.Form1();
    struct Field {
        const char* Name;
        const MaskedField* Control;
        QList<const char*> Masks;
    };
    QList<Field> fields = {
        {"Form1.MaskEdit1", main.MaskEdit1, {kYearsMask}},
        {"Form1.MaskEdit2", main.MaskEdit2, {kMonthsMask}},
        {"Form1.MaskEdit3", main.MaskEdit3, {kDaysMask}},
        {"Form1.MaskEdit4", main.MaskEdit4, {kFinesMask}},
        {"Form1.MaskEdit5", main.MaskEdit5, {kOperationMask}},
    };
    if (const TForm3* calendar = m_app.Form3()) {
        fields << Field{"Form3.MaskEdit1", calendar->MaskEdit1, {kDateMask}}
               << Field{"Form3.MaskEdit2", calendar->MaskEdit2, {kDateMask, kEndDateErrorMask}};
    }
    const std::string separators = ToCp1252(QString(QLatin1Char('/')) + m_regionalSeparator);
    QStringList broken;
    for (const Field& field : fields) {
        const std::string mask = field.Control->EditMask();
        const bool expected = std::any_of(field.Masks.begin(), field.Masks.end(),
                                          [&mask](const char* m) { return mask == m; });
        if (!expected) {
            broken << QStringLiteral("%1 has the mask \"%2\"")
                          .arg(QLatin1String(field.Name), QString::fromStdString(mask));
            continue;
        }
        const std::string fault = testing::MaskShapeFault(
            MaskPattern(mask), ToCp1252(field.Control->text()), field.Control->Text(), separators);
        if (!fault.empty()) {
            broken << QStringLiteral("%1 shows \"%2\" under the mask \"%3\": %4")
                          .arg(QLatin1String(field.Name), field.Control->text(),
                               QString::fromStdString(mask), QString::fromStdString(fault));
        }
    }
    return broken;
}

// The main window's Default flag: on Calcula or on Continua, never elsewhere; on both only
// when the calendar's Sair set Calcula's while Continua's was set, until a command leaves a
// single one again.
QStringList MonkeyChecks::CheckMainDefaults() {
    const TForm1& main = *m_app.Form1();
    QStringList broken;
    for (const QPushButton* button : {main.Button3, main.Button4, main.Button5, main.Button6}) {
        if (button->isDefault()) {
            broken << QStringLiteral("Form1.%1 is a default button").arg(button->objectName());
        }
    }
    const bool calcula = main.Button1->isDefault();
    const bool continua = main.Button2->isDefault();
    if (calcula != continua) {
        m_sairSinceSingleDefault = false;
    } else if (!calcula) {
        broken << QStringLiteral("Form1 has neither Calcula nor Continua as its default button");
    } else if (!m_sairSinceSingleDefault) {
        broken << QStringLiteral("Form1 has Calcula and Continua as default buttons, but the "
                                 "calendar's Sair did not set them so");
    }
    return broken;
}

// The calendar's Default flag: no button carries it until the calendar first opens; each
// opening sets it on Calcula, each Calcula moves it to Sair, and Sair or closing the window
// leaves it where it is. So from the first opening on exactly one of Calcula and Sair
// carries it. (The window itself is made by the first opening.)
QStringList MonkeyChecks::CheckCalendarDefaults() const {
    const TForm3* calendar = m_app.Form3();
    if (!calendar) {
        return {};
    }
    const bool sair = calendar->Button1->isDefault();
    const bool calcula = calendar->Button2->isDefault();
    if (!m_calendarOpened) {
        return sair || calcula ? QStringList{QStringLiteral("Form3 has a default button before "
                                                            "its first opening")}
                               : QStringList{};
    }
    if (sair == calcula) {
        return {QStringLiteral("Form3 has %1 default buttons; expected Sair or Calcula alone")
                    .arg(sair ? 2 : 0)};
    }
    return {};
}

QStringList MonkeyChecks::CheckResultField() {
    const QString text = m_app.Form1()->Edit2->text();
    const bool changed = text != m_lastResult;
    m_lastResult = text;
    if (text.isEmpty()) {
        return {};
    }
    if (kMessages.contains(text)) {
        m_tally.Messages += changed ? 1 : 0;
        return {};
    }
    if (IsSentence(text)) {
        m_tally.Sentences += changed ? 1 : 0;
        return {};
    }
    return {QStringLiteral("Form1.Edit2 holds \"%1\"").arg(text)};
}

// The end-date field holds a date of the civil calendar, the error word or nothing.
QStringList MonkeyChecks::CheckEndDateField() {
    if (!m_app.Form3()) {
        return {};
    }
    const MaskedField& field = *m_app.Form3()->MaskEdit2;
    const QString shown = field.text();
    const std::string mask = field.EditMask();
    const bool changed = shown != m_lastEndDate;
    m_lastEndDate = shown;
    if (mask == kDateMask) {
        static const QRegularExpression date(QStringLiteral("^(\\d\\d)/(\\d\\d)/(\\d{4})$"));
        const QRegularExpressionMatch match = date.match(shown);
        if (match.hasMatch() && IsCivilDate(match.captured(1).toInt(), match.captured(2).toInt(),
                                            match.captured(3).toInt())) {
            m_tally.EndDates += changed ? 1 : 0;
            return {};
        }
        const QString blank = QStringLiteral("__/__/____");
        if (shown == blank ||
            shown == QString(blank).replace(QLatin1Char('/'), m_regionalSeparator)) {
            return {};
        }
    } else if (mask == kEndDateErrorMask) {
        if (shown == QStringLiteral("Erro!   ")) {
            m_tally.ErrorWords += changed ? 1 : 0;
            return {};
        }
        if (shown == QStringLiteral("        ")) {
            return {};
        }
    }
    return {QStringLiteral("Form3.MaskEdit2 shows \"%1\" under the mask \"%2\"")
                .arg(shown, QString::fromStdString(mask))};
}

QStringList MonkeyChecks::CheckBoxes(const QList<SeenBox>& boxes) {
    static const QRegularExpression notADate(
        QStringLiteral("^'[0-9 /]{10}' is not a valid date\\.$"));
    const QString title = QStringLiteral("Programa para cálculo de penas criminais");
    QStringList broken;
    for (const SeenBox& box : boxes) {
        const bool aboutBox = box.Caption == QStringLiteral("Sobre...") && box.Text.isEmpty();
        const bool dateError = box.Caption == title && box.Icon == QMessageBox::Critical &&
                               box.ButtonCount == 1 &&
                               (notADate.match(box.Text).hasMatch() ||
                                box.Text == QStringLiteral("Invalid argument to date encode."));
        // The Caso menu of the analysis windows: the question before unsaved changes of the
        // case are lost, and the dialogs and messages of its commands.
        static const QStringList caseBoxes = {
            QStringLiteral("Altera\u00e7\u00f5es n\u00e3o salvas"),
            QStringLiteral("Abrir caso"),
            QStringLiteral("Salvar caso"),
            QStringLiteral("Salvar caso como"),
            QStringLiteral("Exportar PDF"),
            QStringLiteral("Imprimir")};
        const bool caseBox = caseBoxes.contains(box.Caption);
        if (!aboutBox && !dateError && !caseBox) {
            broken << QStringLiteral("a box \"%1\" said \"%2\"").arg(box.Caption, box.Text);
        }
    }
    return broken;
}

} // namespace zarn::testing
