#pragma once

// The help engine: the program hands it requests for the help file -- show a topic by
// context number, open the contents or the index, quit -- and can ask whether the
// engine's help window is open. The engine decides what it shows and how it finds the
// file; the program only makes requests.

#include <QString>

namespace zarn {

// The request kinds, with the command codes the help engine has always used.
enum class HelpCommand : int {
    Context = 1, // data: the context number
    Quit = 2,    // data: 0; names no file
    Tab = 15,    // data: kHelpContentsTab or kHelpIndexTab
};

inline constexpr int kHelpContentsTab = -3;
inline constexpr int kHelpIndexTab = -2;

class HelpEngine {
public:
    virtual ~HelpEngine() = default;
    // One request. file is the help file's name as the program knows it (empty for Quit).
    virtual void Request(const QString& file, HelpCommand command, int data) = 0;
    // Whether the engine's help window is on screen.
    virtual bool HelpWindowOpen() const = 0;
};

} // namespace zarn
