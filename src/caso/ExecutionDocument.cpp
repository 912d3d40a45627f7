#include "caso/ExecutionDocument.h"

#include "caso/DocumentNames.h"

#include <algorithm>
#include <array>

namespace zarn {
namespace {

// An option of law.md 10 and 11 and its values (caso.md), the default first.
struct ExecutionOption {
    std::string_view Key;
    std::array<std::string_view, 3> Values;
};

constexpr std::array kExecutionOptions{
    ExecutionOption{"imputacao", {"transito", "gravidade", "proporcional"}},
    ExecutionOption{"livramento_vedado", {"separado", "conjunto"}},
    ExecutionOption{"limite_art75", {"ultimo_crime", "mais_favoravel"}},
};

constexpr std::array<std::string_view, 3> kExecutionLists{"condenacoes", "periodos", "eventos"};

void CheckOption(const DocumentNode& node, const ExecutionOption& option) {
    const std::string text = node.Text();
    const auto end = std::find(option.Values.begin(), option.Values.end(), std::string_view());
    if (std::find(option.Values.begin(), end, text) == end) {
        node.RefuseValue(text);
    }
}

} // namespace

void ReadExecutionSection(const DocumentNode& document) {
    for (const std::string_view key : kExecutionLists) {
        if (const std::optional<DocumentNode> list = document.Member(key)) {
            for (const DocumentNode& item : list->Items()) {
                item.RequireObject();
            }
        }
    }
    if (const std::optional<DocumentNode> regime = document.Member("regime_inicial")) {
        if (!regime->IsNull()) {
            regime->Choice(kRegimeNames, &DocumentName<Regime>::Name);
        }
    }
    const std::optional<DocumentNode> options = document.Member("opcoes");
    for (const ExecutionOption& option : kExecutionOptions) {
        if (const std::optional<DocumentNode> value =
                options ? options->Member(option.Key) : std::nullopt) {
            CheckOption(*value, option);
        }
    }
}

} // namespace zarn
