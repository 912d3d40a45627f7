#pragma once

// Keeps a window test from hanging on a modal box: while it lives, any modal window that
// opens is noted (caption, text, icon) and closed at once. A test that expects no box
// checks that none was seen.

#include <QApplication>
#include <QMessageBox>
#include <QStringList>
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

private:
    void CloseModal() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
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
        modal->close();
    }

    QTimer m_timer;
    QList<SeenBox> m_seen;
};

} // namespace zarn::testing
