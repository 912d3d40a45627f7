#pragma once

// What the windows ask of help: a topic by context number, the contents, the index.
// Start-up installs the one bridge to the help engine; tests install a recorder.

namespace zarn {

class HelpRequests {
public:
    virtual ~HelpRequests() = default;
    virtual void ShowContext(int context) = 0;
    virtual void ShowContents() = 0;
    virtual void ShowIndex() = 0;
};

// The process-wide help bridge; null until start-up (or a test) installs one.
HelpRequests* Help();
void SetHelp(HelpRequests* help);

} // namespace zarn
