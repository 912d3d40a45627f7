#pragma once

// A framed panel with a lowered outer bevel and a raised inner bevel, one pixel each,
// drawn in the window's shadow and highlight colours on the window's own colour.

#include <QWidget>

namespace zarn {

class BevelPanel : public QWidget {
    Q_OBJECT
public:
    explicit BevelPanel(QWidget* parent = nullptr);

    // Width of the two bevels together: children placed inside stay clear of it.
    static constexpr int kBevelWidth = 2;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace zarn
