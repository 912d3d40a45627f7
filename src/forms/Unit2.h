#pragma once

// The about box: a modal box captioned "Sobre...", created hidden at start-up and shown by
// Ajuda > Sobre... on the main window. Closing it only hides it.

#include <QDialog>

namespace zarn {

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);
};

} // namespace zarn
