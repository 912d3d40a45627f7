#pragma once

// The calendar window "Calendário": a top-level window created hidden at start-up and shown,
// without blocking the main window, by its Calendário button. Closing it only hides it.

#include <QWidget>

namespace zarn {

class TForm3 : public QWidget {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);
};

} // namespace zarn
