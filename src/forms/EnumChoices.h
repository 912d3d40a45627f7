#pragma once

// A combo box over one of the dosimetria's tables of names (sentencing/SentencingNames.h): its
// entries are the names the window shows, in the table's order, after any entries of its own.

#include "sentencing/SentencingNames.h"
#include "widgets/QtText.h"

#include <QComboBox>
#include <algorithm>
#include <array>
#include <optional>

namespace zarn {

template <typename Enum, std::size_t N>
void AddNames(QComboBox* choice, const std::array<EnumName<Enum>, N>& names) {
    for (const EnumName<Enum>& name : names) {
        choice->addItem(ToQString(name.DisplayName));
    }
}

// The value chosen; none while an entry of the box's own, before the table's, is.
template <typename Enum, std::size_t N>
std::optional<Enum> ChosenValue(const QComboBox* choice, const std::array<EnumName<Enum>, N>& names,
                                int ownEntries = 0) {
    const int place = choice->currentIndex() - ownEntries;
    if (place < 0) {
        return std::nullopt;
    }
    return names[std::min(static_cast<std::size_t>(place), N - 1)].Value;
}

template <typename Enum, std::size_t N>
void Choose(QComboBox* choice, const std::array<EnumName<Enum>, N>& names, Enum value,
            int ownEntries = 0) {
    for (std::size_t i = 0; i < N; ++i) {
        if (names[i].Value == value) {
            choice->setCurrentIndex(static_cast<int>(i) + ownEntries);
        }
    }
}

} // namespace zarn
