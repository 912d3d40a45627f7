#include "widgets/HangingLabels.h"

#include <algorithm>
#include <numeric>

namespace zarn {
namespace {

bool Meet(qreal leftA, qreal rightA, qreal leftB, qreal rightB) {
    return leftA < rightB && leftB < rightA;
}

qreal LeftOf(const HangingLabel& label, qreal left, qreal right, qreal gap) {
    qreal at = label.X + gap;
    if (at + label.Width > right) {
        at = label.X - gap - label.Width;
    }
    return std::clamp(at, left, std::max(left, right - label.Width));
}

} // namespace

QList<HungLabel> HangLabels(const QList<HangingLabel>& labels, qreal left, qreal right, qreal gap) {
    const auto count = static_cast<int>(labels.size());
    QList<HungLabel> hung(count, HungLabel{-1, 0});
    for (int i = 0; i < count; ++i) {
        hung[i].Left = LeftOf(labels[i], left, right, gap);
    }
    // From the right: the lines of the labels placed later, to the left, pass under the
    // labels that hang to the right of their marks.
    QList<int> order(count);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&labels](int a, int b) { return labels[a].X > labels[b].X; });
    QList<int> placed;
    for (const int i : order) {
        const qreal from = hung[i].Left - gap;
        const qreal to = hung[i].Left + labels[i].Width + gap;
        int fallback = -1;
        for (int row = 0; row <= count; ++row) {
            bool free = true;
            bool ownLineCrosses = false;
            for (const int j : placed) {
                const qreal otherFrom = hung[j].Left;
                const qreal otherTo = hung[j].Left + labels[j].Width;
                free = free && !(hung[j].Row == row && Meet(from, to, otherFrom, otherTo)) &&
                       !(hung[j].Row > row && labels[j].X >= from && labels[j].X <= to);
                ownLineCrosses =
                    ownLineCrosses || (hung[j].Row < row && labels[i].X >= otherFrom - gap &&
                                       labels[i].X <= otherTo + gap);
            }
            if (free && !ownLineCrosses) {
                fallback = row;
                break;
            }
            if (free && fallback < 0) {
                fallback = row;
            }
        }
        hung[i].Row = fallback;
        placed.append(i);
    }
    return hung;
}

} // namespace zarn
