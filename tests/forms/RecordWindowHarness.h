#pragma once

// Shared set-up of the calculation record's window tests: the main window of
// MainWindowHarness, steps of a chain run on it, and the record's window opened as a user
// opens it, by Ctrl+M.

#include "MainWindowHarness.h"
#include "forms/CalculationRecordWindow.h"

#include <QCheckBox>
#include <QPlainTextEdit>

namespace zarn::testing {

class RecordWindowHarness : public MainWindowHarness {
public:
    CalculationRecordWindow* Record() const { return Window->RecordWindow(); }

    // Ctrl+M from wherever the main window's focus is.
    bool Open() {
        Key(Qt::Key_M, Qt::ControlModifier);
        return WaitRecordActive();
    }
    // A window with a parent counts as active for Qt Test's own wait while its parent is;
    // the keyboard is the record window's only once it is the active window.
    bool WaitRecordActive() {
        return QTest::qWaitFor(
            [this] { return Record() && QApplication::activeWindow() == Record(); });
    }
    bool WaitMainActive() {
        return QTest::qWaitFor([this] { return QApplication::activeWindow() == Window.get(); });
    }
    bool BackToMain() {
        Window->activateWindow();
        return WaitMainActive();
    }

    // One step of a chain on the main window:
    //   "Y|M|D|F|OP"  types the five fields (still empty) and presses Enter (Calcula);
    //   "op:OP"       types the operation and presses Enter (Calcula);
    //   "continua", "volta", "novo"  presses that button.
    void Run(const QString& step) {
        if (step.startsWith(QLatin1String("op:"))) {
            Window->MaskEdit5->setFocus();
            Window->MaskEdit5->SelectAll();
            Type(step.mid(3));
            Enter();
        } else if (step.contains(QLatin1Char('|'))) {
            const QStringList fields = step.split(QLatin1Char('|'));
            Fill(fields[0], fields[1], fields[2], fields[3], fields[4]);
            Enter();
        } else if (step == QLatin1String("continua")) {
            Window->Button2->click();
        } else if (step == QLatin1String("volta")) {
            Window->Button4->click();
        } else if (step == QLatin1String("novo")) {
            Window->Button3->click();
        } else {
            qFatal("unknown step %s", qPrintable(step));
        }
    }
    void Run(const QStringList& steps) {
        for (const QString& step : steps) {
            Run(step);
        }
    }

    // The lines the window shows.
    QStringList Shown() const {
        const QString text = Record()->StepsText->toPlainText();
        return text.isEmpty() ? QStringList{} : text.split(QLatin1Char('\n'));
    }
};

} // namespace zarn::testing
