#pragma once

// What every analysis window of the Ferramentas menu starts with: its object name, its
// title (the menu item's caption without the "&"), the window font at a character height of
// the 120 pixels-per-inch layout, its help context, and that closing it never ends the
// program.

class QWidget;

namespace zarn {

void SetUpToolWindow(QWidget* window, const char* name, const char* menuCaption, int helpContext,
                     int fontHeight);

} // namespace zarn
