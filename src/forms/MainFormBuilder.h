#pragma once

// Builds the main window from its layout: the controls with their captions, fonts, colours,
// places and help context numbers; the actions with their pictures and shortcut; the menu.
// Everything is drawn in pixels of a 120 pixels-per-inch display and scaled to this one.

class QAction;

namespace zarn {

class CopyCommand;
class TForm1;

// Help context numbers of the main window.
inline constexpr int kMainWindowHelpContext = 1;
inline constexpr int kResultHelpContext = 6;
inline constexpr int kInputHelpContext = 8;
inline constexpr int kButtonHelpContext = 11;

class MainFormBuilder {
public:
    explicit MainFormBuilder(TForm1& form)
        : m_form(form) {}

    void CreateControls();
    void PlaceControls();
    void CreateActions();
    void CreateMenu();
    // The window's first size: the layout's client area under the menu bar.
    void SizeWindow();

    // The copy command behind EditCopy1, made by CreateActions.
    CopyCommand* Copy() const { return m_copy; }

private:
    // The Ferramentas menu, one item for each analysis window.
    void CreateToolsMenu();
    // An item of the Ferramentas menu, with its help context number.
    QAction* AddTool(const char* name, const char* caption, int helpContext);

    TForm1& m_form;
    CopyCommand* m_copy = nullptr;
};

} // namespace zarn
