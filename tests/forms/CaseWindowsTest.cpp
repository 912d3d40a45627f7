// The case the execution, prescription and dosimetria windows share, driven through real key
// events as a user drives it: a case typed in the three windows and saved from the Caso menu
// comes back whole after the program is started again, every field and every answer as
// before, and zarn-calc gives the same answers from the saved file and the same PDF the
// window exports; the titles mark unsaved changes; closing asks before they are lost (the
// modal-box watch answers); a save that fails says why and leaves the earlier file byte for
// byte; a file that is not a case is named with its problem and left alone. The file dialogs
// are the test's (CaseDialogs); the recent cases and the data folder are the test's own.

#include "MainWindowHarness.h"
#include "forms/ExecutionWindow.h"
#include "forms/PrescriptionWindow.h"
#include "forms/SentencingCrimePanel.h"
#include "forms/SentencingWindow.h"
#include "widgets/CellValues.h"
#include "widgets/EditableTable.h"
#include "widgets/ExecutionConvictionsModel.h"
#include "widgets/ExecutionPeriodsModel.h"
#include "widgets/PrescriptionCrimesModel.h"
#include "widgets/PrescriptionMarcosModel.h"
#include "widgets/TermFieldsRow.h"

#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QTableView>
#include <QTemporaryDir>
#include <memory>

namespace zarn {

using testing::MainWindowHarness;

namespace {

const QString kQuestion = QStringLiteral("Altera\u00e7\u00f5es n\u00e3o salvas");
const QString kClosingLine = QStringLiteral(
    "Conferir com o caso concreto: o c\u00e1lculo n\u00e3o substitui o exame dos requisitos "
    "subjetivos.");

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A program's standard output, or nothing when it is missing or fails.
QString Output(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        qWarning("%s: %s", qPrintable(program), process.readAllStandardError().constData());
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

bool Mount(const QStringList& arguments) {
    return QProcess::execute(QStringLiteral("mount"), arguments) == 0;
}

// Unmounts the folder when the test ends, however it ends.
struct Unmount {
    QString Folder;
    ~Unmount() { QProcess::execute(QStringLiteral("umount"), {Folder}); }
};

class CaseHarness : public MainWindowHarness {
public:
    CaseHarness() { UseDialogs(); }

    // The program started again: a new main window, nothing of the old one's case.
    void Restart() {
        Window = std::make_unique<TForm1>();
        Window->show();
        Window->activateWindow();
        UseDialogs();
    }

    ExecutionWindow* Execution() {
        Window->FerramentasExecucao->trigger();
        return Window->Execution();
    }
    PrescriptionWindow* Prescription() {
        Window->FerramentasPrescricao->trigger();
        return Window->Prescription();
    }
    SentencingWindow* Sentencing() {
        Window->FerramentasDosimetria->trigger();
        return Window->Sentencing();
    }

    // Each character to whatever has the keyboard when it comes.
    void TypeKeys(const QString& text) {
        for (const QChar c : text) {
            if (c.unicode() < 0x80) {
                QTest::keyClicks(Focus(), QString(c));
            } else {
                QTest::sendKeyEvent(QTest::Click, Focus(), Qt::Key_unknown, QString(c),
                                    Qt::NoModifier);
            }
        }
    }
    // Keys into a cell, from its table, and Enter.
    void CellInto(EditableTable* table, int row, int column, const QString& keys) {
        table->View->setFocus();
        table->View->setCurrentIndex(table->Model()->index(row, column));
        TypeKeys(keys);
        Enter();
        QApplication::processEvents();
    }
    void InsertRow(EditableTable* table) {
        table->View->setFocus();
        QTest::keyClick(table->View, Qt::Key_Insert);
    }
    // The window in front with the keyboard, as a user's click leaves it.
    static bool Activate(QWidget* window) {
        window->activateWindow();
        return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
    }
    // A command of the window's Caso menu by its keys, from the window.
    void CaseKeys(QWidget* window, const QKeySequence& keys) {
        QVERIFY(Activate(window));
        QTest::keySequence(window, keys);
    }
    static void Trigger(QWidget* window, const char* item) {
        window->findChild<QAction*>(QString::fromLatin1(item))->trigger();
    }

    QString NextFile;         // what the file dialog chooses
    QString PrintedTo;        // the printer's file
    QStringList DialogsShown; // which file dialogs were asked for

private:
    void UseDialogs() {
        CaseDialogs dialogs;
        dialogs.ChooseFile = [this](QWidget*, CaseDialogs::FileUse use, const QString&) {
            DialogsShown << QString::number(static_cast<int>(use));
            return NextFile;
        };
        dialogs.SetUpPrinter = [this](QWidget*, QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(PrintedTo);
            return true;
        };
        Window->CaseMenuCommands().SetDialogs(dialogs);
    }
};

// What each window holds and answers, to compare after a restart.
struct Shown {
    ExecutionCase Execution;
    PrescriptionInput Prescription;
    SentencingInput Sentencing;
    QStringList Texts; // answers and date fields

    static Shown Of(CaseHarness& h) {
        ExecutionWindow* e = h.Execution();
        PrescriptionWindow* p = h.Prescription();
        SentencingWindow* s = h.Sentencing();
        return {e->Input(),
                p->Input(),
                s->Input(),
                {e->AnswerText->toPlainText(), p->AnswerText->toPlainText(),
                 s->AnswerText->toPlainText(), h.Text(e->CalculationField),
                 h.Text(p->CalculationField), h.Text(p->BirthField)}};
    }
};

} // namespace

class CaseWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void ACaseTypedInTheThreeWindowsComesBackWhole();
    void ClosingAsksBeforeUnsavedChangesAreLost();
    void AFailedSaveSaysWhyAndKeepsTheEarlierFile_data();
    void AFailedSaveSaysWhyAndKeepsTheEarlierFile();
    void AFileThatIsNotACaseIsNamedAndLeftAlone_data();
    void AFileThatIsNotACaseIsNamedAndLeftAlone();

private:
    QString Path(const QString& name) const { return m_dir->filePath(name); }
    // The case typed from the keyboard: a conviction in the execution, a crime and its marcos
    // in the prescription, a crime's range in the dosimetria.
    static void TypeTheCase(CaseHarness& h);

    QTemporaryDir m_home; // the recent cases and the data folder
    std::unique_ptr<QTemporaryDir> m_dir;
};

void CaseWindowsTest::initTestCase() {
    qputenv("XDG_CONFIG_HOME", m_home.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", m_home.filePath(QStringLiteral("data")).toLocal8Bit());
}

void CaseWindowsTest::init() {
    m_dir = std::make_unique<QTemporaryDir>();
}

void CaseWindowsTest::TypeTheCase(CaseHarness& h) {
    h.Fill(QStringLiteral("6"), {}, {}, {}, QStringLiteral("x1/1"));
    h.Enter();
    ExecutionWindow* e = h.Execution();
    QVERIFY(CaseHarness::Activate(e));
    h.TypeInto(e->CalculationField, QStringLiteral("08122026"));
    h.CellInto(e->PeriodsTable, 0, ExecutionPeriodsModel::StartColumn, QStringLiteral("10012021"));
    h.CellInto(e->ConvictionsTable, 0, ExecutionConvictionsModel::ProcessoColumn,
               QStringLiteral("0001111-11.2021.8.26.0050"));

    PrescriptionWindow* p = h.Prescription();
    QVERIFY(CaseHarness::Activate(p));
    // The date of the calculation is the case's: typed in one window, it is in the other.
    QCOMPARE(h.Text(p->CalculationField), QStringLiteral("08/12/2026"));
    h.TypeInto(p->BirthField, QStringLiteral("10101990"));
    h.InsertRow(p->CrimesTable);
    h.CellInto(p->CrimesTable, 0, PrescriptionCrimesModel::DescriptionColumn,
               QStringLiteral("homic\u00eddio"));
    h.CellInto(p->CrimesTable, 0, PrescriptionCrimesModel::FactColumn, QStringLiteral("01112010"));
    h.CellInto(p->CrimesTable, 0, PrescriptionCrimesModel::MaximumColumn, QStringLiteral("30"));
    int row = 0;
    for (const char* date : {"05052014", "12102014", "12122014"}) {
        h.InsertRow(p->MarcosTable);
        h.CellInto(p->MarcosTable, row++, PrescriptionMarcosModel::DateColumn,
                   QString::fromLatin1(date));
    }

    SentencingWindow* s = h.Sentencing();
    QVERIFY(CaseHarness::Activate(s));
    SentencingCrimePanel* crime = s->PanelAt(0);
    crime->Description->setFocus();
    h.TypeKeys(QStringLiteral("homic\u00eddio simples"));
    h.TypeInto(crime->Minimum->Fields()[0], QStringLiteral("6"));
    h.TypeInto(crime->Maximum->Fields()[0], QStringLiteral("20"));
}

void CaseWindowsTest::ACaseTypedInTheThreeWindowsComesBackWhole() {
    CaseHarness h;
    QVERIFY(h.WaitActive());
    TypeTheCase(h);
    SentencingWindow* s = h.Window->Sentencing();
    QCOMPARE(s->windowTitle(), QStringLiteral("Dosimetria \u2014 Novo caso*"));
    QVERIFY(h.Window->Execution()->windowTitle().endsWith(QLatin1Char('*')));

    // Saved from the dosimetria: the case takes the file's name; no window marks it now.
    h.NextFile = Path(QStringLiteral("fulano"));
    h.CaseKeys(s, QKeySequence::Save);
    const QString file = Path(QStringLiteral("fulano.zarn"));
    QVERIFY2(QFileInfo::exists(file),
             qPrintable(h.Watch.Seen().isEmpty() ? QString() : h.Watch.Seen().front().Text));
    QCOMPARE(s->windowTitle(), QStringLiteral("Dosimetria \u2014 fulano"));
    QCOMPARE(h.Window->Prescription()->windowTitle(),
             QStringLiteral("Prescri\u00e7\u00e3o \u2014 fulano"));
    const Shown before = Shown::Of(h);
    QVERIFY2(before.Texts[0].contains(QStringLiteral("0001111-11.2021.8.26.0050")),
             qPrintable(before.Texts[0]));
    QVERIFY2(before.Texts[1].contains(QStringLiteral("prescrita em 11/12/2024")),
             qPrintable(before.Texts[1]));
    QVERIFY2(before.Texts[2].contains(QStringLiteral("pena-base no m\u00ednimo legal, em 6 anos")),
             qPrintable(before.Texts[2]));

    // Started again: the execution window, made first, opens the file; the other two, made
    // after, show it as they open.
    h.Restart();
    QVERIFY(h.WaitActive());
    ExecutionWindow* e = h.Execution();
    h.NextFile = file;
    h.CaseKeys(e, QKeySequence::Open);
    QCOMPARE(e->windowTitle(), QStringLiteral("Execu\u00e7\u00e3o penal \u2014 fulano"));
    const Shown after = Shown::Of(h);
    QVERIFY(after.Execution == before.Execution);
    QVERIFY(after.Prescription == before.Prescription);
    QVERIFY(after.Sentencing == before.Sentencing);
    QCOMPARE(after.Texts, before.Texts);
    QVERIFY(!h.Window->Case().Modified());

    // zarn-calc gives the windows' answers from the saved file.
    const QStringList commands = {QStringLiteral("execucao"), QStringLiteral("prescricao"),
                                  QStringLiteral("dosimetria")};
    for (int i = 0; i < commands.size(); ++i) {
        const QString calc = Output(QStringLiteral(ZARN_CALC), {commands[i], "--caso", file});
        QCOMPARE(calc, after.Texts[i] + QLatin1Char('\n'));
    }

    // The report: the window's PDF and zarn-calc's read the same, A4, fonts embedded.
    h.NextFile = Path(QStringLiteral("janela.pdf"));
    CaseHarness::Trigger(e, "CaseExport");
    const QString calcPdf = Path(QStringLiteral("zarn-calc.pdf"));
    Output(QStringLiteral(ZARN_CALC), {"execucao", "--caso", file, "--pdf", calcPdf});
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
        QSKIP("pdftotext (poppler-utils) is not installed");
    }
    const QString text = Output(QStringLiteral("pdftotext"), {h.NextFile, "-"});
    QCOMPARE(Output(QStringLiteral("pdftotext"), {calcPdf, "-"}), text);
    for (const QString& expected :
         {QStringLiteral("Execu\u00e7\u00e3o penal"), QStringLiteral("Caso: fulano"),
          QStringLiteral("Processo: 0001111-11.2021.8.26.0050"),
          QStringLiteral("Data do c\u00e1lculo: 08/12/2026"),
          QStringLiteral("Zarn " EXPECTED_VERSION), QStringLiteral("10/01/2021 in\u00edcio"),
          kClosingLine}) {
        QVERIFY2(text.simplified().contains(expected), qPrintable(expected));
    }
    QVERIFY(Output(QStringLiteral("pdfinfo"), {calcPdf}).contains(QStringLiteral("(A4)")));
    const QStringList fonts =
        Output(QStringLiteral("pdffonts"), {calcPdf}).split(QLatin1Char('\n')).mid(2);
    for (const QString& font : fonts) {
        QVERIFY2(font.isEmpty() || font.contains(QStringLiteral(" yes ")), qPrintable(font));
    }
    // Printed, the same report.
    h.PrintedTo = Path(QStringLiteral("impresso.pdf"));
    CaseHarness::Trigger(e, "CasePrint");
    QVERIFY(Output(QStringLiteral("pdftotext"), {h.PrintedTo, "-"})
                .contains(QStringLiteral("Caso: fulano")));
    QVERIFY(h.Watch.Seen().isEmpty());
}

void CaseWindowsTest::ClosingAsksBeforeUnsavedChangesAreLost() {
    CaseHarness h;
    QVERIFY(h.WaitActive());
    ExecutionWindow* e = h.Execution();
    PrescriptionWindow* p = h.Prescription();
    h.TypeInto(p->BirthField, QStringLiteral("10101990"));
    QVERIFY(h.Window->Case().Modified());

    // The prescription still shows the case: the execution closes without a question.
    e->close();
    QVERIFY(e->isHidden());
    QVERIFY(h.Watch.Seen().isEmpty());
    // The last window that shows it asks; the watch cancels, and it stays.
    p->close();
    QCOMPARE(h.Watch.Seen().size(), 1);
    QCOMPARE(h.Watch.Seen().last().Caption, kQuestion);
    QCOMPARE(h.Watch.Seen().last().ButtonCount, 3);
    QVERIFY(p->isVisible());
    // The program asks once; cancelled, it goes on with the case.
    h.Window->close();
    QCOMPARE(h.Watch.Seen().size(), 2);
    QVERIFY(h.Window->isVisible());
    QCOMPARE(h.Text(p->BirthField), QStringLiteral("10/10/1990"));
    // Descartar: the program ends.
    h.Watch.Answer(kQuestion, QStringLiteral("Descartar"));
    h.Window->close();
    QCOMPARE(h.Watch.Seen().size(), 3);
    QVERIFY(!h.Window->isVisible());
}

void CaseWindowsTest::AFailedSaveSaysWhyAndKeepsTheEarlierFile_data() {
    QTest::addColumn<bool>("full");
    QTest::addColumn<QString>("cause");
    QTest::newRow("read-only folder") << false << QStringLiteral("sem permiss\u00e3o para gravar");
    QTest::newRow("full disk") << true << QStringLiteral("disco cheio");
}

void CaseWindowsTest::AFailedSaveSaysWhyAndKeepsTheEarlierFile() {
    QFETCH(bool, full);
    QFETCH(QString, cause);
    const QString folder = Path(QStringLiteral("casos"));
    QVERIFY(QDir().mkpath(folder));
    const bool mounted = Mount({"-t", "tmpfs", "-o", "size=64k", "zarn-test", folder});
    if (!mounted) {
        QSKIP("a small disk cannot be mounted here: the failure is injected in CaseSessionTest");
    }
    const Unmount unmount{folder};
    CaseHarness h;
    PrescriptionWindow* p = h.Prescription();
    h.TypeInto(p->BirthField, QStringLiteral("10101990"));
    h.NextFile = folder + QStringLiteral("/caso.zarn");
    h.CaseKeys(p, QKeySequence::Save);
    const QByteArray earlier = Contents(h.NextFile);
    QVERIFY(!earlier.isEmpty());

    if (full) { // what is left is less than the case needs
        QFile filler(folder + QStringLiteral("/cheio"));
        QVERIFY(filler.open(QIODevice::WriteOnly));
        filler.write(QByteArray(QStorageInfo(folder).bytesAvailable(), '\0'));
    } else {
        QVERIFY(Mount({"-o", "remount,ro", folder}));
    }
    h.TypeInto(p->BirthField, QStringLiteral("11111991"));
    h.CaseKeys(p, QKeySequence::Save);

    QCOMPARE(h.Watch.Seen().size(), 1);
    const QString said = h.Watch.Seen().front().Text;
    QCOMPARE(h.Watch.Seen().front().Caption, QStringLiteral("Salvar caso"));
    QVERIFY2(said.contains(cause) && said.contains(QStringLiteral("caso.zarn")), qPrintable(said));
    QVERIFY(p->windowTitle().endsWith(QLatin1Char('*')));
    QCOMPARE(Contents(h.NextFile), earlier);
}

void CaseWindowsTest::AFileThatIsNotACaseIsNamedAndLeftAlone_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("problem");
    QTest::newRow("a refused key")
        << QByteArray(R"({"formato": "zarn-caso", "versao": 1, "condenacoes": [)"
                      R"({"pena": {"anos": 2}, "fatos": {"natureza": "hediondos"}}]})")
        << QStringLiteral("condenacoes[0].fatos.natureza: valor desconhecido \"hediondos\"");
    QTest::newRow("cut short") << QByteArray(R"({"formato": "zarn-caso", "versao": 1, "no)")
                               << QStringLiteral("n\u00e3o \u00e9 um documento JSON");
    QTest::newRow("binary") << QByteArray("\x7F"
                                          "ELF\x02\x01\x01\x00\x00\x00",
                                          10)
                            << QStringLiteral("n\u00e3o \u00e9 um documento JSON");
    QTest::newRow("version 2") << QByteArray(R"({"formato": "zarn-caso", "versao": 2})")
                               << QStringLiteral("vers\u00e3o 2, mais nova");
}

void CaseWindowsTest::AFileThatIsNotACaseIsNamedAndLeftAlone() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, problem);
    const QString file = Path(QStringLiteral("outro.zarn"));
    QFile written(file);
    QVERIFY(written.open(QIODevice::WriteOnly));
    written.write(bytes);
    written.close();
    CaseHarness h;
    PrescriptionWindow* p = h.Prescription();
    h.TypeInto(p->BirthField, QStringLiteral("10101990"));
    h.NextFile = file;
    h.CaseKeys(p, QKeySequence::Open);

    QCOMPARE(h.Watch.Seen().size(), 1);
    QCOMPARE(h.Watch.Seen().front().Caption, QStringLiteral("Abrir caso"));
    const QString said = h.Watch.Seen().front().Text;
    QVERIFY2(said.contains(problem) && said.contains(file), qPrintable(said));
    QCOMPARE(Contents(file), bytes);
    // The case is still the one typed, its changes still unsaved.
    QCOMPARE(h.Text(p->BirthField), QStringLiteral("10/10/1990"));
    QCOMPARE(p->windowTitle(), QStringLiteral("Prescri\u00e7\u00e3o \u2014 Novo caso*"));
}

} // namespace zarn

QTEST_MAIN(zarn::CaseWindowsTest)
#include "CaseWindowsTest.moc"
