#include "cli/FieldTyping.h"

#include "fields/MaskModel.h"

namespace zarn {

std::string TypeIntoEmptyField(std::string_view mask, std::string_view typed) {
    MaskedFieldModel field(mask);
    field.SetText({});
    field.FocusIn(true);
    for (const char c : typed) {
        field.TypeChar(c);
    }
    return field.Text();
}

} // namespace zarn
