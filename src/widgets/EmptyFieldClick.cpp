#include "widgets/EmptyFieldClick.h"

#include "fields/MaskModel.h"
#include "widgets/MaskedField.h"

namespace zarn {

bool NothingTyped(const MaskedField& field) {
    const std::string text = field.Text();
    const MaskPattern& pattern = field.Model().Pattern();
    for (int i = 0; i < static_cast<int>(text.size()); ++i) {
        if (pattern.IsEditable(i) && text[static_cast<std::size_t>(i)] != ' ') {
            return false;
        }
    }
    return true;
}

void StartAtFirstPositionWhenEmpty(MaskedField* field) {
    // Clicked comes before the field restores its overwrite caret, so the caret set here is
    // the one the click leaves.
    QObject::connect(field, &MaskedField::Clicked, field, [field] {
        if (NothingTyped(*field)) {
            field->SetCaretToStart();
        }
    });
}

} // namespace zarn
