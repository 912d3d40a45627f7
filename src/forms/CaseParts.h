#pragma once

// What each analysis window holds of the shared case, and how it moves between the window
// and the document (caso/CaseDocument.h): the window's section, and the values the document
// holds once (the date of birth, the date of the calculation, the convention and the
// options) where the window shows them. The date of the calculation is in two windows, the
// execution's and the prescription's: an edit in one shows in the other. An empty date field
// is the document's null, today; a date field or cell that does not read leaves the
// document's value as it was.

#include "caso/CaseDocument.h"
#include "widgets/CaseReports.h"

#include <functional>
#include <string>

namespace zarn {

class ExecutionWindow;
class PrescriptionWindow;
class SentencingWindow;

struct CasePart {
    // Writes what the window holds of the case into the document.
    std::function<void(CaseDocument&)> Take;
    // Shows the whole case, the window's section emptied where the document has none.
    std::function<void(const CaseDocument&)> Show;
    // Shows the case in a window made just now; Show where it is not set.
    std::function<void(const CaseDocument&)> ShowFirst;
    // Shows what another window may have changed: the values the windows share.
    std::function<void(const CaseDocument&)> ShowShared;
    // The report of the window's analysis of the case; refused while the window's answer is
    // a message rather than the analysis of the case.
    std::function<CaseReportOutcome(const CaseDocument&, std::string caseName)> Report;
};

// The execution window made just now keeps its seeding from the main window's last result
// when the case has no execution yet.
CasePart ExecutionPart(ExecutionWindow& window);
CasePart PrescriptionPart(PrescriptionWindow& window);
CasePart SentencingPart(SentencingWindow& window);

} // namespace zarn
