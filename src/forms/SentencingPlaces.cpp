#include "forms/SentencingPlaces.h"

#include "forms/SentencingCaptions.h"
#include "sentencing/Sentencing.h"
#include "sentencing/SentencingNames.h"
#include "sentencing/SentencingTexts.h"
#include "widgets/QtText.h"

#include <array>
#include <charconv>
#include <string_view>

namespace zarn {
namespace {

struct KeyCaption {
    std::string_view Key;
    std::string_view Caption;
};

// The keys of a crime and of the concurso, by the captions of the window's fields and lists.
constexpr std::array kKeyCaptions{
    KeyCaption{"crimes", "Crimes"},
    KeyCaption{"crime", kDescriptionCaption},
    KeyCaption{"minimo", kMinimumCaption},
    KeyCaption{"maximo", kMaximumCaption},
    KeyCaption{"multa_minimo", kFinesMinimumCaption},
    KeyCaption{"multa_maximo", kFinesMaximumCaption},
    KeyCaption{"dias_multa", kFinesInformedCaption},
    KeyCaption{"circunstancias", kCircumstancesCaption},
    KeyCaption{"agravantes", "Agravantes"},
    KeyCaption{"atenuantes", "Atenuantes"},
    KeyCaption{"causas", "Causas"},
    KeyCaption{"nome", "Nome"},
    KeyCaption{"fracao", "Fra\xE7\xE3o"},
    KeyCaption{"aumento", "Aumento"},
    KeyCaption{"concurso", kConcursoCaption},
};

constexpr std::string_view kRowWord = ", linha ";

std::string CaptionOf(std::string_view key) {
    for (const KeyCaption& row : kKeyCaptions) {
        if (row.Key == key) {
            return std::string(row.Caption);
        }
    }
    for (const CircumstanceName& row : kCircumstanceNames) {
        if (row.CasoName == key) {
            return std::string(row.DisplayName);
        }
    }
    return std::string(key);
}

// "causas[1]" into its key and index; no index for "maximo".
std::pair<std::string_view, std::optional<std::size_t>> Split(std::string_view part) {
    const std::size_t open = part.find('[');
    if (open == std::string_view::npos || part.back() != ']') {
        return {part, std::nullopt};
    }
    std::size_t index = 0;
    const std::string_view digits = part.substr(open + 1, part.size() - open - 2);
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), index);
    if (error != std::errc() || end != digits.data() + digits.size()) {
        return {part, std::nullopt};
    }
    return {part.substr(0, open), index};
}

std::string PlaceWords(std::string_view place, const std::vector<CrimeInput>& crimes) {
    std::vector<std::string> words;
    std::size_t start = 0;
    while (start <= place.size()) {
        const std::size_t dot = std::min(place.find('.', start), place.size());
        const auto [key, index] = Split(place.substr(start, dot - start));
        start = dot + 1;
        if (key == kDosimetriaPath) {
            continue;
        }
        if (key == kCrimesKey && index) {
            const std::string name = *index < crimes.size() ? crimes[*index].Crime : std::string();
            words.push_back(CrimeLabel(*index, name));
        } else if (index) {
            words.push_back(CaptionOf(key) + std::string(kRowWord) + std::to_string(*index + 1));
        } else {
            words.push_back(CaptionOf(key));
        }
    }
    std::string joined;
    for (const std::string& word : words) {
        joined += (joined.empty() ? "" : ", ") + word;
    }
    return joined;
}

} // namespace

QString WithWindowPlaces(const std::string& message, const std::vector<CrimeInput>& crimes) {
    const std::size_t separator = message.find(kPathSeparator);
    const std::string_view root = kDosimetriaPath;
    if (separator == std::string::npos || message.compare(0, root.size(), root) != 0) {
        return ToQString(message);
    }
    return ToQString(PlaceWords(std::string_view(message).substr(0, separator), crimes) +
                     message.substr(separator));
}

} // namespace zarn
