#include "cli/SentenceFields.h"

#include "fields/ProgramMasks.h"

namespace zarn {
namespace {

struct FieldOfArgument {
    const char* Name;
    const char* Mask;
};

constexpr std::array<FieldOfArgument, kSentenceFieldCount> kFields = {{
    {"ANOS", kYearsMask},
    {"MESES", kMonthsMask},
    {"DIAS", kDaysMask},
    {"MULTA", kFinesMask},
    {"OPERACAO", kOperationMask},
}};
constexpr std::size_t kOperationField = kSentenceFieldCount - 1;

} // namespace

SentenceEntry TypeIntoSentenceFields(std::span<const std::string> args) {
    SentenceEntry sentence;
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        FieldEntry entry = TypeIntoField(kFields[i].Name, kFields[i].Mask, args[i]);
        if (!entry.Ok) {
            sentence.Refusal = std::move(entry.Refusal);
            return sentence;
        }
        sentence.Texts[i] = std::move(entry.Text);
    }
    sentence.Ok = true;
    return sentence;
}

SentenceEntry ContinueWithOperation(const TermFieldTexts& carried, std::string_view operation) {
    SentenceEntry sentence;
    FieldEntry entry =
        TypeIntoField(kFields[kOperationField].Name, kFields[kOperationField].Mask, operation);
    if (!entry.Ok) {
        sentence.Refusal = std::move(entry.Refusal);
        return sentence;
    }
    for (std::size_t i = 0; i < carried.size(); ++i) {
        sentence.Texts[i] = WriteIntoField(kFields[i].Mask, carried[i]);
    }
    sentence.Texts[kOperationField] = std::move(entry.Text);
    sentence.Ok = true;
    return sentence;
}

} // namespace zarn
