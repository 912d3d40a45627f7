#pragma once

// Where a row goes in a table kept in the order of its dates (the periods and events of an
// execution): after every dated row of its day or earlier, so that rows of one day keep the
// order they were entered in; a row without a date after all the others, where a new row
// waits for its date.

#include <algorithm>
#include <optional>
#include <vector>

namespace zarn {

// The place of `row` among the others, which are in order; DateOf gives a row's date as an
// optional.
template <typename Row, typename DateOf>
int DatedPlace(const std::vector<Row>& rows, int row, DateOf dateOf) {
    const auto count = static_cast<int>(rows.size());
    const auto moving = dateOf(rows[static_cast<std::size_t>(row)]);
    if (!moving) {
        return count - 1;
    }
    int place = 0;
    for (int i = 0; i < count; ++i) {
        const auto other = dateOf(rows[static_cast<std::size_t>(i)]);
        if (i != row && other && *other <= *moving) {
            ++place;
        }
    }
    return place;
}

// Moves the element at `from` to `to`, the others keeping their order.
template <typename Row>
void MoveElement(std::vector<Row>& rows, int from, int to) {
    const auto first = rows.begin() + from;
    const auto last = rows.begin() + to;
    if (to > from) {
        std::rotate(first, first + 1, last + 1);
    } else {
        std::rotate(last, first, first + 1);
    }
}

} // namespace zarn
