#include "cli/JsonLine.h"

#include "engine/CodePage.h"

namespace zarn {

CommandResult JsonLine(const JsonValue& value) {
    const std::string utf8 = WriteJsonLine(value);
    // Every text of the value came from the program's code page, so it goes back whole.
    return SingleLine(Cp1252FromUtf8(utf8).value_or(utf8), kExitResult);
}

} // namespace zarn
