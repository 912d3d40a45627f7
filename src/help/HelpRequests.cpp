#include "help/HelpRequests.h"

namespace zarn {
namespace {

HelpRequests*& HelpSlot() {
    static HelpRequests* help = nullptr;
    return help;
}

} // namespace

HelpRequests* Help() {
    return HelpSlot();
}

void SetHelp(HelpRequests* help) {
    HelpSlot() = help;
}

} // namespace zarn
