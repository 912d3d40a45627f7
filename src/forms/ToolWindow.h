#pragma once

// The window that every analysis window of the Ferramentas menu is: a top-level window of
// the main window with its object name, its title (the menu item's caption without the
// "&"), the window font at a character height of the 120 pixels-per-inch layout and its
// help context; closing it only hides it and never ends the program.

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
};

} // namespace zarn
