#include "Monkey.h"

#include "app/ZarnApplication.h"
#include "forms/Unit1.h"
#include "forms/Unit2.h"
#include "forms/Unit3.h"
#include "widgets/BevelPanel.h"
#include "widgets/MaskedField.h"
#include "widgets/NoticeBar.h"
#include "widgets/ResultField.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <array>

namespace zarn::testing {
namespace {

struct NamedKey {
    Qt::Key Key;
    Qt::KeyboardModifiers Modifiers;
    const char* Name;
};

const std::array<NamedKey, 36> kKeys = {{
    {Qt::Key_Return, Qt::NoModifier, "Enter"},
    {Qt::Key_Return, Qt::NoModifier, "Enter"},
    {Qt::Key_Enter, Qt::KeypadModifier, "keypad Enter"},
    {Qt::Key_Return, Qt::ShiftModifier, "Shift+Enter"},
    {Qt::Key_Tab, Qt::NoModifier, "Tab"},
    {Qt::Key_Tab, Qt::NoModifier, "Tab"},
    {Qt::Key_Backtab, Qt::ShiftModifier, "Shift+Tab"},
    {Qt::Key_Escape, Qt::NoModifier, "Esc"},
    {Qt::Key_Backspace, Qt::NoModifier, "Backspace"},
    {Qt::Key_Backspace, Qt::NoModifier, "Backspace"},
    {Qt::Key_Delete, Qt::NoModifier, "Delete"},
    {Qt::Key_Delete, Qt::ShiftModifier, "Shift+Delete"},
    {Qt::Key_Left, Qt::NoModifier, "Left"},
    {Qt::Key_Right, Qt::NoModifier, "Right"},
    {Qt::Key_Up, Qt::NoModifier, "Up"},
    {Qt::Key_Down, Qt::NoModifier, "Down"},
    {Qt::Key_Left, Qt::ShiftModifier, "Shift+Left"},
    {Qt::Key_Right, Qt::ShiftModifier, "Shift+Right"},
    {Qt::Key_Left, Qt::ControlModifier, "Ctrl+Left"},
    {Qt::Key_Right, Qt::ControlModifier, "Ctrl+Right"},
    {Qt::Key_Home, Qt::NoModifier, "Home"},
    {Qt::Key_End, Qt::NoModifier, "End"},
    {Qt::Key_Home, Qt::ShiftModifier, "Shift+Home"},
    {Qt::Key_End, Qt::ShiftModifier, "Shift+End"},
    {Qt::Key_C, Qt::ControlModifier, "Ctrl+C"},
    {Qt::Key_V, Qt::ControlModifier, "Ctrl+V"},
    {Qt::Key_X, Qt::ControlModifier, "Ctrl+X"},
    {Qt::Key_A, Qt::ControlModifier, "Ctrl+A"},
    {Qt::Key_Z, Qt::ControlModifier, "Ctrl+Z"},
    {Qt::Key_Insert, Qt::ControlModifier, "Ctrl+Insert"},
    {Qt::Key_Insert, Qt::ShiftModifier, "Shift+Insert"},
    {Qt::Key_F1, Qt::NoModifier, "F1"},
    {Qt::Key_Space, Qt::NoModifier, "Space"},
    {Qt::Key_Alt, Qt::NoModifier, "Alt"},
    {Qt::Key_PageUp, Qt::NoModifier, "PageUp"},
    {Qt::Key_PageDown, Qt::NoModifier, "PageDown"},
}};

// The letters that press a button or open a menu in one of the windows.
const QString kAccelerators = QStringLiteral("CMNVLSA");

// Pieces a user might type or paste: operations, dates, numbers, and texts that no field
// takes whole.
const std::array<const char*, 22> kTokens = {{
    "+1/6",     "-1/3",       "x2",         "+ 1/6",    "-2/3", "x00/", "+12/10", "07122026",
    "29022008", "01/05/2 08", "31/12/9999", "31129999", "5",    "10",   "999",    "66666",
    "12",       "30",         "$A",         "-5",       "1 ",   "0x1F",
}};

const QString kLatinLetters = QStringLiteral("ãçéÁÜñõôêíúàÇÃÿ×÷ºª¿");
const QString kPunctuation = QStringLiteral(".,;:'\"!?@#$%&*()[]{}<>=_\\|~^`");
const QStringList kBeyondLatin1 = {QStringLiteral("€"),  QStringLiteral("–"),
                                   QStringLiteral("“"),  QStringLiteral("Ω"),
                                   QStringLiteral("中"), QStringLiteral("\U0001F600")};

// A key click as the windowing system delivers it: the modifiers go down, the key goes
// down and up, the modifiers come up. Any of these can close the window that took it (Alt
// closes a popup menu, a menu command deletes its menu); the rest then goes nowhere.
void ClickKey(QWindow* target, Qt::Key key, const QString& text, Qt::KeyboardModifiers modifiers) {
    const QPointer<QWindow> window(target);
    struct Modifier {
        Qt::KeyboardModifier Flag;
        Qt::Key Key;
    };
    const std::array<Modifier, 3> order = {{{Qt::ShiftModifier, Qt::Key_Shift},
                                            {Qt::ControlModifier, Qt::Key_Control},
                                            {Qt::AltModifier, Qt::Key_Alt}}};
    Qt::KeyboardModifiers held = Qt::NoModifier;
    for (const Modifier& modifier : order) {
        if (modifiers.testFlag(modifier.Flag) && window) {
            QTest::simulateEvent(window, true, modifier.Key, held, QString(), false);
            held |= modifier.Flag;
        }
    }
    const Qt::KeyboardModifiers all = modifiers;
    if (window) {
        QTest::simulateEvent(window, true, key, all, text, false);
    }
    if (window) {
        QTest::simulateEvent(window, false, key, all, text, false);
    }
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        if (modifiers.testFlag(it->Flag) && window) {
            held &= ~Qt::KeyboardModifiers(it->Flag);
            QTest::simulateEvent(window, false, it->Key, held, QString(), false);
        }
    }
}

// The text a key carries when pressed alone: its character, or none.
QString KeyText(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    if (modifiers.testFlag(Qt::ControlModifier) || modifiers.testFlag(Qt::AltModifier)) {
        return {};
    }
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return QStringLiteral("\r");
    case Qt::Key_Tab:
        return QStringLiteral("\t");
    case Qt::Key_Backspace:
        return QStringLiteral("\b");
    case Qt::Key_Escape:
        return QStringLiteral("\x1b");
    case Qt::Key_Delete:
        return QStringLiteral("\x7f");
    case Qt::Key_Space:
        return QStringLiteral(" ");
    default:
        break;
    }
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        const QChar letter(static_cast<char16_t>(u'a' + (key - Qt::Key_A)));
        return modifiers.testFlag(Qt::ShiftModifier) ? QString(letter.toUpper()) : QString(letter);
    }
    return {};
}

void ClickKey(QWindow* target, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    ClickKey(target, key, KeyText(key, modifiers), modifiers);
}

QWidget* TopLevel(QWidget* widget) {
    return widget ? widget->window() : nullptr;
}

QPoint RandomPointIn(const QRect& rect, std::mt19937& random) {
    const auto coordinate = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, std::max(low, high))(random);
    };
    return {coordinate(rect.left(), rect.right()), coordinate(rect.top(), rect.bottom())};
}

} // namespace

Monkey::Monkey(ZarnApplication& app, std::uint32_t seed)
    : m_app(app)
    , m_seed(seed)
    , m_random(seed) {}

int Monkey::Pick(int count) {
    return std::uniform_int_distribution<int>(0, count - 1)(m_random);
}

bool Monkey::Chance(int percent) {
    return Pick(100) < percent;
}

void Monkey::WatchAboutBox() {
    m_aboutBox = m_app.AboutBox();
    if (m_aboutBox) {
        m_aboutBox->installEventFilter(this);
    }
}

bool Monkey::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_aboutBox && event->type() == QEvent::Show) {
        QTimer::singleShot(0, this, [this] { VisitAboutBox(); });
    }
    return false;
}

QString Monkey::Step() {
    m_visitLog.clear();
    QString done;
    QWidget* popup = QApplication::activePopupWidget();
    if (popup && Chance(70)) {
        done = ActInPopup(popup);
    } else {
        const int roll = Pick(100);
        if (roll < 30) {
            done = PressKey();
        } else if (roll < 46) {
            done = TypeCharacters();
        } else if (roll < 53) {
            done = FillField();
        } else if (roll < 59) {
            done = Paste();
        } else if (roll < 78) {
            done = ClickControl();
        } else if (roll < 84) {
            done = ClickMenu();
        } else if (roll < 93) {
            done = ChangeFocus();
        } else {
            done = WindowCommand();
        }
    }
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (!m_visitLog.isEmpty()) {
        done += QStringLiteral(" [about box: %1]").arg(m_visitLog.join(QStringLiteral(", ")));
    }
    return done;
}

QWindow* Monkey::KeyWindow() {
    QWindow* window = QGuiApplication::focusWindow();
    if (window && window->isVisible()) {
        return window;
    }
    TForm1* main = m_app.Form1();
    main->activateWindow();
    QCoreApplication::processEvents();
    return main->windowHandle();
}

QList<QWidget*> Monkey::OpenWindows() const {
    QList<QWidget*> windows;
    for (QWidget* window :
         {static_cast<QWidget*>(m_app.Form1()), static_cast<QWidget*>(m_app.Form3())}) {
        if (window && window->isVisible() && window->isEnabled() && window->windowHandle()) {
            windows << window;
        }
    }
    return windows;
}

QString Monkey::Describe(const QWidget* widget) {
    if (!widget) {
        return QStringLiteral("nothing");
    }
    const QWidget* window = widget->window();
    QString name = widget->objectName();
    if (name.isEmpty()) {
        name = QString::fromLatin1(widget->metaObject()->className());
    }
    if (window == widget) {
        return name;
    }
    return window->objectName() + QLatin1Char('.') + name;
}

QString Monkey::PressKey() {
    QWindow* window = KeyWindow();
    const QString where = Describe(QApplication::focusWidget());
    if (Chance(12)) {
        const QChar letter = Chance(60)
                                 ? kAccelerators.at(Pick(static_cast<int>(kAccelerators.size())))
                                 : QChar(u'A' + Pick(26));
        ClickKey(window, static_cast<Qt::Key>(letter.unicode()), Qt::AltModifier);
        return QStringLiteral("key Alt+%1 in %2").arg(letter, where);
    }
    const NamedKey& key = kKeys[static_cast<std::size_t>(Pick(static_cast<int>(kKeys.size())))];
    ClickKey(window, key.Key, key.Modifiers);
    return QStringLiteral("key %1 in %2").arg(QLatin1String(key.Name), where);
}

QString Monkey::TypeOne(QWindow* window, const QString& character) {
    Qt::Key key = Qt::Key_unknown;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    if (character.size() == 1) {
        const char16_t c = character.at(0).unicode();
        if (c >= u'a' && c <= u'z') {
            key = static_cast<Qt::Key>(Qt::Key_A + (c - u'a'));
        } else if (c >= u'A' && c <= u'Z') {
            key = static_cast<Qt::Key>(c);
            modifiers = Qt::ShiftModifier;
        } else if (c >= u' ' && c < 0x7F) {
            key = static_cast<Qt::Key>(c); // digits, space and punctuation share their codes
        } else if (c >= 0xC0 && c <= 0xFF) {
            // Latin-1 letters: the key is the capital letter's code.
            const char16_t upper = QChar(c).toUpper().unicode();
            key = static_cast<Qt::Key>(upper <= 0xFF ? upper : c);
            modifiers = QChar(c).isUpper() ? Qt::ShiftModifier : Qt::NoModifier;
        }
    }
    ClickKey(window, key, character, modifiers);
    QString shown;
    for (QChar c : character) {
        shown +=
            c.unicode() < 0x20 || c.unicode() == 0x7F || (c.unicode() >= 0x80 && c.unicode() < 0xA0)
                ? QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'))
                : QString(c);
    }
    return shown;
}

QString Monkey::TypeCharacters() {
    const QString where = Describe(QApplication::focusWidget());
    QStringList characters;
    const int roll = Pick(100);
    if (roll < 20) {
        const QString token = QString::fromLatin1(
            kTokens[static_cast<std::size_t>(Pick(static_cast<int>(kTokens.size())))]);
        for (QChar c : token) {
            characters << QString(c);
        }
    } else {
        const int count = 1 + Pick(4);
        for (int i = 0; i < count; ++i) {
            const int kind = Pick(100);
            if (kind < 45) {
                characters << QString(QChar(u'0' + Pick(10)));
            } else if (kind < 55) {
                characters << QString(QStringLiteral("+-x/ ").at(Pick(5)));
            } else if (kind < 67) {
                const QChar letter(u'a' + Pick(26));
                characters << QString(Chance(30) ? letter.toUpper() : letter);
            } else if (kind < 77) {
                characters << QString(
                    kLatinLetters.at(Pick(static_cast<int>(kLatinLetters.size()))));
            } else if (kind < 85) {
                characters << QString(kPunctuation.at(Pick(static_cast<int>(kPunctuation.size()))));
            } else if (kind < 93) {
                // Control characters, C0 and C1.
                const int code =
                    Pick(3) == 0 ? 0x80 + Pick(32) : (Pick(33) == 32 ? 0x7F : Pick(32));
                characters << QString(QChar(static_cast<char16_t>(code)));
            } else {
                characters << kBeyondLatin1.at(Pick(static_cast<int>(kBeyondLatin1.size())));
            }
        }
    }
    QString typed;
    for (const QString& character : characters) {
        // A character can close the window that took the one before it (a popup menu).
        typed += TypeOne(KeyWindow(), character);
    }
    return QStringLiteral("type \"%1\" in %2").arg(typed, where);
}

QString Monkey::Paste() {
    QString text;
    const int roll = Pick(100);
    if (roll < 10) {
        // nothing: an empty clipboard
    } else if (roll < 20) {
        const int length = 50 + Pick(250);
        for (int i = 0; i < length; ++i) {
            text += QChar(static_cast<char16_t>(Chance(50) ? u'0' + Pick(10) : 0x20 + Pick(0xE0)));
        }
    } else {
        const int pieces = 1 + Pick(3);
        for (int i = 0; i < pieces; ++i) {
            const int kind = Pick(100);
            if (kind < 50) {
                text += QString::fromLatin1(
                    kTokens[static_cast<std::size_t>(Pick(static_cast<int>(kTokens.size())))]);
            } else if (kind < 70) {
                text += QString::number(Pick(100000));
            } else if (kind < 80) {
                text += QStringLiteral("\n\t\r ").at(Pick(4));
            } else if (kind < 90) {
                text += kLatinLetters.at(Pick(static_cast<int>(kLatinLetters.size())));
            } else {
                text += kBeyondLatin1.at(Pick(static_cast<int>(kBeyondLatin1.size())));
            }
        }
    }
    QGuiApplication::clipboard()->setText(text);
    QWindow* window = KeyWindow();
    QWidget* focus = QApplication::focusWidget();
    const QString where = Describe(focus);
    const QString shown = text.size() > 40 ? text.left(40) + QStringLiteral("...") : text;
    const int how = Pick(100);
    if (how < 70) {
        ClickKey(window, Qt::Key_V, Qt::ControlModifier);
        return QStringLiteral("paste \"%1\" with Ctrl+V in %2").arg(shown, where);
    }
    if (how < 85 || !qobject_cast<QLineEdit*>(focus) || !focus->isVisible()) {
        ClickKey(window, Qt::Key_Insert, Qt::ShiftModifier);
        return QStringLiteral("paste \"%1\" with Shift+Insert in %2").arg(shown, where);
    }
    // The field's own context menu; a later event picks its command.
    QWidget* top = TopLevel(focus);
    QTest::mouseClick(top->windowHandle(), Qt::RightButton, Qt::NoModifier,
                      focus->mapTo(top, RandomPointIn(focus->rect(), m_random)));
    return QStringLiteral("clipboard \"%1\", context menu of %2").arg(shown, where);
}

QString Monkey::ClickControl() {
    QList<QWidget*> controls;
    for (QWidget* window : OpenWindows()) {
        controls << window;
        if (window == m_app.Form1()) {
            const TForm1& main = *m_app.Form1();
            controls << QList<QWidget*>{
                main.Label1,    main.Label2,    main.Label3,     main.Label4,    main.Label5,
                main.Label6,    main.Label7,    main.StatusBar1, main.Edit1,     main.Edit2,
                main.MaskEdit1, main.MaskEdit2, main.MaskEdit3,  main.MaskEdit4, main.MaskEdit5,
                main.Button1,   main.Button2,   main.Button3,    main.Button4,   main.Button5,
                main.Button6};
        } else {
            const TForm3& calendar = *m_app.Form3();
            controls << QList<QWidget*>{
                calendar.MonthCalendar1, calendar.MaskEdit1, calendar.Button2, calendar.Button1,
                calendar.Edit1,          calendar.Edit2,     calendar.Edit3,   calendar.MaskEdit2,
                calendar.Label1,         calendar.Label4,    calendar.Label5,  calendar.Label2,
                calendar.Label3};
        }
    }
    if (controls.isEmpty()) {
        return WindowCommand();
    }
    QWidget* control = controls.at(Pick(static_cast<int>(controls.size())));
    if (control == m_app.Form1()->Button6 && Chance(75)) {
        // Sai ends the program: most of its turns go to another control.
        control = controls.at(Pick(static_cast<int>(controls.size())));
    }
    if (!control->isVisible()) {
        return QStringLiteral("no click: %1 is hidden").arg(Describe(control));
    }
    QWidget* top = TopLevel(control);
    const QPoint at = control->mapTo(top, RandomPointIn(control->rect(), m_random));
    QWindow* window = top->windowHandle();
    const int how = Pick(100);
    const QString what =
        QStringLiteral("%1 at %2,%3").arg(Describe(control)).arg(at.x()).arg(at.y());
    if (how < 80) {
        QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, at);
        return QStringLiteral("click on ") + what;
    }
    if (how < 90) {
        QTest::mouseDClick(window, Qt::LeftButton, Qt::NoModifier, at);
        return QStringLiteral("double-click on ") + what;
    }
    QTest::mouseClick(window, Qt::RightButton, Qt::NoModifier, at);
    return QStringLiteral("right click on ") + what;
}

QString Monkey::ClickMenu() {
    TForm1* main = m_app.Form1();
    if (!main->isVisible()) {
        return WindowCommand();
    }
    QMenuBar* bar = main->MainMenu1;
    // Sair, Editar, then the menus after it (Ferramentas, Ajuda) alike; Sair ends the
    // program, so it comes up less often.
    const QList<QAction*> items = bar->actions();
    const int count = static_cast<int>(items.size());
    const int roll = Pick(100);
    const int later = count > 2 ? 2 + roll % (count - 2) : 1;
    QAction* item = items.at((roll < 4 ? 0 : (roll < 40 ? 1 : later)) % count);
    const QRect place = bar->actionGeometry(item);
    if (place.isEmpty()) {
        return QStringLiteral("no menu click: %1 has no place").arg(item->text());
    }
    QTest::mouseClick(main->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                      bar->mapTo(main, RandomPointIn(place, m_random)));
    return QStringLiteral("menu bar: %1").arg(item->text());
}

QString Monkey::ActInPopup(QWidget* popup) {
    QWindow* window = popup->windowHandle();
    auto* menu = qobject_cast<QMenu*>(popup);
    const int roll = Pick(100);
    if (menu && window && roll < 60) {
        const QList<QAction*> items = menu->actions();
        if (!items.isEmpty()) {
            QAction* item = items.at(Pick(static_cast<int>(items.size())));
            const QRect place = menu->actionGeometry(item);
            if (!place.isEmpty()) {
                const QString name =
                    item->isSeparator() ? QStringLiteral("separator") : item->text();
                QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier,
                                  RandomPointIn(place, m_random));
                return QStringLiteral("menu item %1").arg(name);
            }
        }
    }
    if (window && roll < 90) {
        static const std::array<NamedKey, 9> popupKeys = {{
            {Qt::Key_Down, Qt::NoModifier, "Down"},
            {Qt::Key_Down, Qt::NoModifier, "Down"},
            {Qt::Key_Up, Qt::NoModifier, "Up"},
            {Qt::Key_Return, Qt::NoModifier, "Enter"},
            {Qt::Key_Return, Qt::NoModifier, "Enter"},
            {Qt::Key_Escape, Qt::NoModifier, "Esc"},
            {Qt::Key_Left, Qt::NoModifier, "Left"},
            {Qt::Key_Right, Qt::NoModifier, "Right"},
            {Qt::Key_F1, Qt::NoModifier, "F1"},
        }};
        const NamedKey& key =
            popupKeys[static_cast<std::size_t>(Pick(static_cast<int>(popupKeys.size())))];
        ClickKey(window, key.Key, key.Modifiers);
        return QStringLiteral("key %1 in a popup menu").arg(QLatin1String(key.Name));
    }
    return QStringLiteral("popup open, ") + ClickControl();
}

QString Monkey::FillField() {
    struct Target {
        QLineEdit* Field;
        int Kind;
    };
    enum { Years, Months, Days, Fines, Operation, Date, CalendarTerm };
    QList<Target> targets;
    for (QWidget* window : OpenWindows()) {
        if (window == m_app.Form1()) {
            const TForm1& main = *m_app.Form1();
            targets << Target{main.MaskEdit1, Years} << Target{main.MaskEdit2, Months}
                    << Target{main.MaskEdit3, Days} << Target{main.MaskEdit4, Fines}
                    << Target{main.MaskEdit5, Operation};
        } else {
            const TForm3& calendar = *m_app.Form3();
            targets << Target{calendar.Edit1, CalendarTerm} << Target{calendar.Edit2, CalendarTerm}
                    << Target{calendar.Edit3, CalendarTerm} << Target{calendar.MaskEdit1, Date};
        }
    }
    if (targets.isEmpty()) {
        return WindowCommand();
    }
    const Target target = targets.at(Pick(static_cast<int>(targets.size())));
    static const QStringList operations = {
        QStringLiteral("+1/6"), QStringLiteral("-1/3"), QStringLiteral("x2"),
        QStringLiteral("+2/3"), QStringLiteral("-1/2"), QStringLiteral("x3"),
        QStringLiteral("+1/2"), QStringLiteral("-2/3"), QStringLiteral("+1/3"),
        QStringLiteral("x10"),  QStringLiteral("-7/6"), QStringLiteral("-21/20")};
    QString value;
    switch (target.Kind) {
    case Years:
        value = QString::number(Chance(80) ? Pick(30) : Pick(1000));
        break;
    case Months:
        value = QString::number(Pick(14));
        break;
    case Days:
        value = QString::number(Pick(32));
        break;
    case Fines:
        value = QString::number(Chance(80) ? 10 + Pick(500) : Pick(70000));
        break;
    case Operation:
        value = operations.at(Pick(static_cast<int>(operations.size())));
        break;
    case Date:
        if (Chance(20)) {
            // Dates that read as a date only in part, or that a term carries past 9999,
            // pasted whole.
            static const QStringList awkward = {
                QStringLiteral("01/05/2 08"), QStringLiteral("31/12/9999"),
                QStringLiteral("15/06/99 9"), QStringLiteral("28/02/9998"),
                QStringLiteral("01/01/0001"), QStringLiteral("1/1/1"),
                QStringLiteral("29/02/2009")};
            value = awkward.at(Pick(static_cast<int>(awkward.size())));
            target.Field->window()->activateWindow();
            QCoreApplication::processEvents();
            target.Field->setFocus(Qt::TabFocusReason);
            QGuiApplication::clipboard()->setText(value);
            ClickKey(KeyWindow(), Qt::Key_V, Qt::ControlModifier);
            return QStringLiteral("paste \"%1\" over %2").arg(value, Describe(target.Field));
        }
        value = QStringLiteral("%1%2%3")
                    .arg(1 + Pick(31), 2, 10, QLatin1Char('0'))
                    .arg(1 + Pick(12), 2, 10, QLatin1Char('0'))
                    .arg(Chance(90) ? 1900 + Pick(200) : 1 + Pick(9999), 4, 10, QLatin1Char('0'));
        break;
    default:
        value = QString::number(Chance(80) ? Pick(31) : Pick(1000) - 100);
        break;
    }
    target.Field->window()->activateWindow();
    QCoreApplication::processEvents();
    target.Field->setFocus(Qt::TabFocusReason);
    for (QChar c : value) {
        TypeOne(KeyWindow(), QString(c));
    }
    return QStringLiteral("fill %1 with \"%2\"").arg(Describe(target.Field), value);
}

QString Monkey::ChangeFocus() {
    QList<QWidget*> candidates;
    for (QWidget* window : OpenWindows()) {
        const auto children = window->findChildren<QWidget*>();
        for (QWidget* child : children) {
            if (child->focusPolicy() != Qt::NoFocus && child->isVisible() && child->isEnabled()) {
                candidates << child;
            }
        }
    }
    if (candidates.isEmpty()) {
        return WindowCommand();
    }
    QWidget* target = candidates.at(Pick(static_cast<int>(candidates.size())));
    const std::array<Qt::FocusReason, 3> reasons = {Qt::TabFocusReason, Qt::BacktabFocusReason,
                                                    Qt::OtherFocusReason};
    const Qt::FocusReason reason = reasons[static_cast<std::size_t>(Pick(3))];
    if (Chance(30)) {
        target->window()->activateWindow();
        QCoreApplication::processEvents();
    }
    target->setFocus(reason);
    return QStringLiteral("focus to %1").arg(Describe(target));
}

QString Monkey::WindowCommand() {
    TForm1* main = m_app.Form1();
    TForm3* calendar = m_app.Form3();
    const bool calendarShown = calendar && calendar->isVisible();
    const int roll = Pick(100);
    if (!calendarShown && roll < 50 && main->Button5->isVisible()) {
        const QPoint centre = main->Button5->mapTo(main, main->Button5->rect().center());
        QTest::mouseClick(main->windowHandle(), Qt::LeftButton, Qt::NoModifier, centre);
        return QStringLiteral("click on Form1.Button5 (Calendario)");
    }
    if (roll < 35 || (roll < 98 && !calendarShown)) {
        main->activateWindow();
        return QStringLiteral("activate the main window");
    }
    if (roll < 65) {
        calendar->activateWindow();
        return QStringLiteral("activate the calendar");
    }
    if (roll < 98) {
        calendar->close();
        return QStringLiteral("close box of the calendar");
    }
    main->close();
    return QStringLiteral("close box of the main window");
}

void Monkey::VisitAboutBox() {
    auto* box = qobject_cast<TAboutBox*>(m_aboutBox.data());
    if (!box) {
        return;
    }
    // Its own generator: whether the visit gets to act before the modal watch closes the
    // box must not change the main stream.
    std::mt19937 random(m_seed * 7919U + static_cast<std::uint32_t>(++m_visits));
    const auto pick = [&random](int count) {
        return std::uniform_int_distribution<int>(0, count - 1)(random);
    };
    static const std::array<NamedKey, 12> boxKeys = {{
        {Qt::Key_Tab, Qt::NoModifier, "Tab"},
        {Qt::Key_Backtab, Qt::ShiftModifier, "Shift+Tab"},
        {Qt::Key_Space, Qt::NoModifier, "Space"},
        {Qt::Key_Return, Qt::NoModifier, "Enter"},
        {Qt::Key_Escape, Qt::NoModifier, "Esc"},
        {Qt::Key_F1, Qt::NoModifier, "F1"},
        {Qt::Key_Left, Qt::NoModifier, "Left"},
        {Qt::Key_Right, Qt::NoModifier, "Right"},
        {Qt::Key_Down, Qt::NoModifier, "Down"},
        {Qt::Key_O, Qt::NoModifier, "O"},
        {Qt::Key_O, Qt::AltModifier, "Alt+O"},
        {Qt::Key_S, Qt::AltModifier, "Alt+S"},
    }};
    const int count = 1 + pick(5);
    for (int i = 0; i < count; ++i) {
        if (!box || !box->isVisible() || QApplication::activeModalWidget() != box) {
            return;
        }
        QWindow* window = box->windowHandle();
        const int roll = pick(100);
        if (roll < 55) {
            const NamedKey& key = boxKeys[static_cast<std::size_t>(pick(12))];
            m_visitLog << QLatin1String(key.Name);
            ClickKey(window, key.Key, key.Modifiers);
        } else if (roll < 92) {
            const std::array<QWidget*, 8> targets = {
                box->OKButton, box->Panel1,    box->ProductName, box->Version,
                box->Label1,   box->Copyright, box->ProgramIcon, box};
            QWidget* target = targets[static_cast<std::size_t>(pick(8))];
            const QPoint at = target->mapTo(box, RandomPointIn(target->rect(), random));
            // Never the site or e-mail button: they would reach the browser or mail program.
            const QWidget* hit = box->childAt(at);
            if (hit == box->Button1 || hit == box->Button2 ||
                (hit && (box->Button1->isAncestorOf(hit) || box->Button2->isAncestorOf(hit)))) {
                m_visitLog << QStringLiteral("no click on an author button");
                continue;
            }
            m_visitLog << QStringLiteral("click on ") + Describe(target);
            QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, at);
        } else {
            m_visitLog << QStringLiteral("close box");
            box->close();
        }
    }
}

} // namespace zarn::testing
