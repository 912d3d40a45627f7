#pragma once

// Window layouts are drawn in pixels of a 120 pixels-per-inch display; on any other
// density positions, sizes and font heights are scaled in proportion.

#include <QWidget>
#include <cmath>

namespace zarn {

inline constexpr double kLayoutDpi = 120.0;

inline double LayoutScale(const QWidget* widget) {
    return widget->logicalDpiY() / kLayoutDpi;
}

inline int Scaled(const QWidget* widget, int layoutPixels) {
    return static_cast<int>(std::lround(layoutPixels * LayoutScale(widget)));
}

} // namespace zarn
