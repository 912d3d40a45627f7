#pragma once

// The windows' fonts: "MS Sans Serif" where the system has it, otherwise the nearest sans
// serif face of similar width, at a character height given in layout pixels and scaled
// like the layout. Captions that the fallback face would draw wider than their place are
// drawn a little smaller, so that nothing is cut or runs into a neighbour.

#include <QFont>
#include <QString>

class QWidget;

namespace zarn {

// The font at a character height in pixels of the 120 pixels-per-inch layout.
QFont LayoutFont(const QWidget* widget, int layoutPixelHeight, bool bold);

// The width of a caption as the widget's font draws it, without its "&" marks.
int CaptionWidth(const QFont& font, const QString& caption);

// Shrinks the widget's font, one pixel at a time, until the caption fits the width.
void FitFontToWidth(QWidget* widget, const QString& caption, int width);

} // namespace zarn
