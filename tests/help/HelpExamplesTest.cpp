// The help pages' example tables say what the program does: each operation of the
// operations page is laid into the operation field and run through the calculation, each
// row of the calendar page through the end date, and the outcome must be the one printed.

#include "dates/DateSettings.h"
#include "dates/EndDate.h"
#include "engine/Calculation.h"
#include "fields/MaskModel.h"
#include "fields/ProgramMasks.h"
#include "widgets/QtText.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <gtest/gtest.h>

namespace zarn {
namespace {

const QString kHelpSource = QStringLiteral(ZARN_HELP_SOURCE_DIR);

QString ReadPage(const QString& page) {
    QFile file(kHelpSource + QLatin1Char('/') + page);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// A cell as the reader sees it: tags dropped, &nbsp; and the "␣" that marks a space read
// as spaces, every other space kept.
QString CellText(QString cell) {
    static const QRegularExpression tags(QStringLiteral("<[^>]*>"));
    cell.remove(tags);
    cell.replace(QStringLiteral("&nbsp;"), QStringLiteral(" "));
    cell.replace(QChar(0x2423), QLatin1Char(' '));
    return cell;
}

// The rows of every table of the given class on the page, each as its cells.
QList<QStringList> TableRows(const QString& page, const QString& tableClass) {
    const QString html = ReadPage(page);
    const QRegularExpression table(QStringLiteral("<table class=\"%1\".*?</table>").arg(tableClass),
                                   QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression row(QStringLiteral("<tr>(.*?)</tr>"),
                                        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression cell(QStringLiteral("<td>(.*?)</td>"),
                                         QRegularExpression::DotMatchesEverythingOption);
    QList<QStringList> rows;
    for (const auto& tableMatch : table.globalMatch(html)) {
        for (const auto& rowMatch : row.globalMatch(tableMatch.captured(0))) {
            QStringList cells;
            for (const auto& cellMatch : cell.globalMatch(rowMatch.captured(1))) {
                cells << CellText(cellMatch.captured(1));
            }
            if (!cells.isEmpty()) { // the heading row has no <td>
                rows << cells;
            }
        }
    }
    return rows;
}

TEST(HelpExamples, EveryOperationOfTheOperationsPageGivesWhatItSays) {
    const QList<QStringList> rows =
        TableRows(QStringLiteral("operacoes.html"), QStringLiteral("exemplos"));
    ASSERT_GE(rows.size(), 10);
    for (const QStringList& row : rows) {
        ASSERT_EQ(row.size(), 2);
        MaskedFieldModel field(kOperationMask);
        field.SetText(ToCp1252(row[0]));
        CalcState state;
        const CalcOutcome outcome = RunCalculation(state, "1", "", "", "10", field.Text());
        EXPECT_EQ(ToQString(outcome.OutcomeText).toStdString(), row[1].toStdString())
            << "operation \"" << field.Text() << "\"";
    }
}

TEST(HelpExamples, EveryRowOfTheCalendarPageEndsWhereItSays) {
    const QList<QStringList> rows =
        TableRows(QStringLiteral("calendario.html"), QStringLiteral("termino"));
    ASSERT_GE(rows.size(), 10);
    for (const QStringList& row : rows) {
        ASSERT_EQ(row.size(), 5);
        UseCalendarDateSettings();
        const EndDateOutcome outcome =
            ComputeEndDate(ToCp1252(row[1]), ToCp1252(row[2]), ToCp1252(row[3]), ToCp1252(row[0]));
        EXPECT_EQ(outcome.Text, ToCp1252(row[4])) << row.join(QLatin1Char('|')).toStdString();
    }
}

} // namespace
} // namespace zarn
