#pragma once

// Labels hung under a line of time, each tied to its mark by a line from the mark down to
// the label: a label hangs to the right of its mark, or to its left where the right has no
// room, and goes down to the nearest row where it meets no other label of the row and
// covers no line that runs further down; where it can, also where its own line crosses no
// label above it. A row below all the others always takes a label, so every label has a
// row and no two labels meet.

#include <QList>

namespace zarn {

struct HangingLabel {
    qreal X;     // the mark
    qreal Width; // of the text, at most right - left
};

struct HungLabel {
    int Row; // 0 nearest the line
    qreal Left;
};

// Labels between `left` and `right`, kept `gap` apart from each other and from their marks.
QList<HungLabel> HangLabels(const QList<HangingLabel>& labels, qreal left, qreal right, qreal gap);

} // namespace zarn
