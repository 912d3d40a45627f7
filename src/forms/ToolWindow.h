#pragma once

// The window that every analysis window of the Ferramentas menu is: a top-level window of
// the main window with its object name, its title (the menu item's caption without the
// "&"), the analysis windows' font and its help context; closing it only hides it and never
// ends the program; it first opens over the main window.

#include <QList>
#include <QWidget>
#include <array>
#include <optional>
#include <span>
#include <string>

class QPlainTextEdit;
class QScrollArea;
class QSplitter;

namespace zarn {

class MaskedField;

// The character height of the analysis windows' font, in pixels of the 120 pixels-per-inch
// layout.
inline constexpr int kToolFontHeight = 13;

// Captions the analysis windows share.
inline constexpr const char* kToolYearsCaption = "Pena - ANOS:";
inline constexpr const char* kToolMonthsCaption = "MESES:";
inline constexpr const char* kToolDaysCaption = "DIAS:";
inline constexpr const char* kToolCalculaCaption = "&Calcula";
inline constexpr const char* kToolCopyCaption = "&Copiar";
// Copiar beside a Calcula, which has the C.
inline constexpr const char* kToolCopyBesideCalculaCaption = "C&opiar";
inline constexpr const char* kToolCloseCaption = "&Fechar";

class ToolWindow : public QWidget {
    Q_OBJECT
protected:
    ToolWindow(QWidget* parent, const char* name, const char* menuCaption, int helpContext);

    // A read-only text for the window's answer, which Tab leaves for the next control.
    QPlainTextEdit* NewAnswerText();

    // Writes a term's years, months and days into the three fields, when there is a term;
    // without one the fields keep what was typed there.
    static void SeedTerm(const std::array<MaskedField*, 3>& fields,
                         const std::optional<std::array<std::string, 3>>& term);

    // Shows the window, out of its minimised state and in front of the others, with the
    // keyboard.
    void Present();

    // A date field (dd/mm/aaaa), wide enough for a date and its caret whatever the font,
    // that selects its text when it takes the focus.
    MaskedField* NewDateField();
    // The timeline in an area that scrolls it, named for screen readers and left out of Tab.
    QScrollArea* NewTimelineArea(QWidget* timeline);

    // Resizes the window to a first size in characters and lines of its font, within nine
    // tenths of its screen and never under its minimum size; the size it took.
    QSize ResizeInCharacters(int widthInCharacters, int heightInLines);
    // A splitter's panes grow by their shares, and `length` is spread among them by those
    // shares, whatever their size hints (a splitter spreads any sizes by their weights).
    static void SetPaneShares(QSplitter& splitter, std::span<const int> shares);
    static void SpreadPanes(QSplitter& splitter, std::span<const int> shares, int length);

    // Where the window goes the first time it is shown: over the middle of the main window,
    // inside the screen. Later it opens where the user left it.
    virtual void PlaceOnFirstShow();

    void showEvent(QShowEvent* event) override;

private:
    bool m_placed = false;
};

} // namespace zarn
