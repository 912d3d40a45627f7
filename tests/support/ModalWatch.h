#pragma once

// Keeps a window test from hanging on a modal box: while it lives, any modal window that
// opens is noted (caption, text, icon) and closed at once. A test that expects no box
// checks that none was seen. A box of a given caption may be answered by one of its buttons
// instead (the question before unsaved changes are lost, say). On request it also closes a
// popup menu that waits in an event loop of its own (a tool button's menu), which would
// otherwise wait for the mouse forever.

#include <QAbstractButton>
#include <QApplication>
#include <QHash>
#include <QMessageBox>
#include <QStringList>
#include <QThread>
#include <QTimer>
#include <QWidget>

namespace zarn::testing {

struct SeenBox {
    QString Caption;
    QString Text;
    QMessageBox::Icon Icon = QMessageBox::NoIcon;
    int ButtonCount = 0;
};

class ModalWatch : public QObject {
public:
    ModalWatch() {
        m_timer.setInterval(20);
        QObject::connect(&m_timer, &QTimer::timeout, this, [this] { CloseModal(); });
        m_timer.start();
    }

    const QList<SeenBox>& Seen() const { return m_seen; }

    // From now on a message box with this caption is answered by the button of this text
    // (its accelerator's "&" left out), not closed; an empty button closes it again.
    void Answer(const QString& caption, const QString& button) { m_answers[caption] = button; }

    // From now on, a popup menu that is open while an event loop deeper than the present
    // one runs (a menu waiting in its own loop) is closed; popups opened at the present
    // level are the test's to drive and are left alone.
    void CloseBlockingPopups() { m_popupLoopLevel = QThread::currentThread()->loopLevel() + 1; }

private:
    void CloseModal() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
            ClosePopupInItsOwnLoop();
            return;
        }
        SeenBox seen;
        seen.Caption = modal->windowTitle();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            seen.Text = box->text();
            seen.Icon = box->icon();
            seen.ButtonCount = static_cast<int>(box->buttons().size());
        }
        m_seen.append(seen);
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            for (QAbstractButton* button : box->buttons()) {
                if (!m_answers.value(seen.Caption).isEmpty() &&
                    button->text().remove(QLatin1Char('&')) == m_answers.value(seen.Caption)) {
                    button->click();
                    return;
                }
            }
        }
        modal->close();
    }

    void ClosePopupInItsOwnLoop() {
        if (m_popupLoopLevel == 0 || QThread::currentThread()->loopLevel() < m_popupLoopLevel) {
            return;
        }
        if (QWidget* popup = QApplication::activePopupWidget()) {
            popup->close();
        }
    }

    QTimer m_timer;
    QList<SeenBox> m_seen;
    QHash<QString, QString> m_answers; // caption: the button that answers it
    int m_popupLoopLevel = 0;          // 0: popups are never closed
};

} // namespace zarn::testing
