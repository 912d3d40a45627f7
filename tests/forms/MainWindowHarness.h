#pragma once

// Shared set-up of the main-window tests: a shown, active TForm1, a fixed notice clock that
// counts its readings, a help recorder, the error box, and a watch that closes any
// unexpected modal box.

#include "app/ErrorBox.h"
#include "forms/Unit1.h"
#include "help/HelpRequests.h"
#include "notices/Notices.h"
#include "support/ModalWatch.h"
#include "widgets/ErrorReport.h"
#include "widgets/MaskedField.h"
#include "widgets/NoticeBar.h"
#include "widgets/QtText.h"
#include "widgets/ResultField.h"

#include <QApplication>
#include <QClipboard>
#include <QPushButton>
#include <QTest>
#include <memory>

namespace zarn::testing {

class HelpRecorder : public HelpRequests {
public:
    void ShowContext(int context) override {
        Requests.append(QStringLiteral("context %1").arg(context));
    }
    void ShowContents() override { Requests.append(QStringLiteral("contents")); }
    void ShowIndex() override { Requests.append(QStringLiteral("index")); }
    QStringList Requests;
};

class MainWindowHarness {
public:
    MainWindowHarness() {
        SetNoticeClock([this] {
            ++m_clockReadings;
            return m_clock;
        });
        SetHelp(&Help);
        InstallErrorBox();
        QApplication::clipboard()->setText(QStringLiteral("sentinel"));
        Window = std::make_unique<TForm1>();
        Window->show();
        Window->activateWindow();
    }
    ~MainWindowHarness() {
        SetErrorReporter({});
        SetHelp(nullptr);
        SetNoticeClock({});
    }

    bool WaitActive() { return QTest::qWaitForWindowActive(Window.get()); }

    // Each Calcula reads the clock three times, once for each draw.
    int CalculaCount() const { return m_clockReadings / 3; }
    void SetClock(std::uint32_t ms) { m_clock = ms; }

    QWidget* Focus() const { return QApplication::focusWidget(); }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(Focus(), key, modifiers);
    }
    void Type(const QString& text) { QTest::keyClicks(Focus(), text); }
    void Enter() { Key(Qt::Key_Return); }

    // Types the inputs field by field from the years field, with Tab between them.
    void Fill(const QString& years, const QString& months, const QString& days,
              const QString& fines, const QString& operation) {
        Window->MaskEdit1->setFocus();
        for (const QString& text : {years, months, days, fines, operation}) {
            Type(text);
            Key(Qt::Key_Tab);
        }
        Window->MaskEdit5->setFocus();
    }

    static QString Text(const MaskedField* field) { return ToQString(field->Text()); }
    // Types into a masked field over its whole text, as a user does.
    static void TypeInto(MaskedField* field, const QString& text) {
        field->setFocus();
        field->SelectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        field->SelectAll();
        QTest::keyClicks(field, text);
    }
    QString Clipboard() const { return QApplication::clipboard()->text(); }
    QString Result() const { return Window->Edit2->text(); }
    // Only Calcula, or only Continua, carries the Default flag.
    bool OnlyCalculaIsDefault() const {
        return Window->Button1->isDefault() && !Window->Button2->isDefault() && NoOtherDefault();
    }
    bool OnlyContinuaIsDefault() const {
        return !Window->Button1->isDefault() && Window->Button2->isDefault() && NoOtherDefault();
    }
    bool NoOtherDefault() const {
        for (const QPushButton* button :
             {Window->Button3, Window->Button4, Window->Button5, Window->Button6}) {
            if (button->isDefault()) {
                return false;
            }
        }
        return true;
    }

    HelpRecorder Help;
    ModalWatch Watch;
    std::unique_ptr<TForm1> Window;

private:
    std::uint32_t m_clock = 0;
    int m_clockReadings = 0;
};

} // namespace zarn::testing
