#pragma once

// A click on an empty masked field lands its caret where the click fell, and past the
// blanks' shown width that is the field's end, where typing does nothing: only a click on
// the field's left edge let the user type. On an empty field the click puts the caret on
// the first position instead, so that digits go in wherever the click lands.

namespace zarn {

class MaskedField;

// Every position the user types into is blank.
bool NothingTyped(const MaskedField& field);

void StartAtFirstPositionWhenEmpty(MaskedField* field);

} // namespace zarn
