#include "desktop/MailHandler.h"

// macOS always has a mail program registered for mailto: addresses (Mail is part of the
// system), so the launch itself decides.

namespace zarn {

bool IsMailHandlerRegistered() {
    return true;
}

} // namespace zarn
