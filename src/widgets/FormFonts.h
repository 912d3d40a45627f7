#pragma once

// The windows' fonts: "MS Sans Serif" where the system has it, otherwise the nearest sans
// serif face of similar width, at a character height given in layout pixels and scaled
// like the layout. Captions that the fallback face would draw wider than their place are
// drawn a little smaller, so that nothing is cut or runs into a neighbour.

#include <QFont>
#include <QList>
#include <QString>

class QWidget;

namespace zarn {

// The font at a character height in pixels of the 120 pixels-per-inch layout.
QFont LayoutFont(const QWidget* widget, int layoutPixelHeight, bool bold);

// A caption as it is shown: without the "&" that marks its shortcut letter ("&&" stays
// one "&").
QString WithoutMnemonics(QString caption);

// The width of a caption as the widget's font draws it, without its "&" marks.
int CaptionWidth(const QFont& font, const QString& caption);

// Shrinks the widget's font, one pixel at a time, until the caption fits the width.
void FitFontToWidth(QWidget* widget, const QString& caption, int width);

struct CaptionPlace {
    QWidget* Widget;
    QString Caption;
    int Width;
};

// One size for a group of captions drawn alike (the labels of a row, the buttons): the
// largest, not above the group's font, at which every caption fits its width.
void FitCommonFont(const QList<CaptionPlace>& places);

} // namespace zarn
