#pragma once

// The window that every analysis window of the Ferramentas menu is: a top-level window of
// the main window with its object name, its title (the menu item's caption without the
// "&"), the window font at a character height of the 120 pixels-per-inch layout and its
// help context; closing it only hides it and never ends the program; it first opens over
// the main window.

#include <QWidget>

namespace zarn {

class ToolWindow : public QWidget {
    Q_OBJECT
protected:
    ToolWindow(QWidget* parent, const char* name, const char* menuCaption, int helpContext,
               int fontHeight);

    // Shows the window, out of its minimised state and in front of the others, with the
    // keyboard.
    void Present();

    // Where the window goes the first time it is shown: over the middle of the main window,
    // inside the screen. Later it opens where the user left it.
    virtual void PlaceOnFirstShow();

    void showEvent(QShowEvent* event) override;

private:
    bool m_placed = false;
};

} // namespace zarn
