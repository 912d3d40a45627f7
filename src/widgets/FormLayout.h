#pragma once

// Building a window from its layout: labels and push buttons with their captions and fonts,
// and places given in pixels of the 120 pixels-per-inch layout, scaled to this display.

#include "fields/ProgramMasks.h"
#include "widgets/FormFonts.h"
#include "widgets/Scaling.h"

#include <QList>
#include <QPair>
#include <initializer_list>

class QColor;
class QObject;
class QLabel;
class QPushButton;
class QWidget;

namespace zarn {

class MaskedField;

// Left, top, width and height in pixels of the layout.
struct Place {
    int Left, Top, Width, Height;
};

// A bold label in the window font at the given character height; a colour of its own when
// one is given.
QLabel* NewLabel(QWidget* parent, const char* caption, int fontHeight, const QColor* colour);

// A masked field under its mask, showing its blank form.
struct MaskSetup {
    const char* Mask;
    const char* BlankText;
};
MaskedField* NewMaskedField(QWidget* parent, const MaskSetup& setup);

// The term fields of the main window, which the analysis windows repeat.
inline constexpr MaskSetup kYearsFieldSetup = {kYearsMask, "   "};
inline constexpr MaskSetup kMonthsFieldSetup = {kMonthsMask, "  "};
inline constexpr MaskSetup kDaysFieldSetup = {kDaysMask, "  "};
// A date field, dd/mm/aaaa.
inline constexpr MaskSetup kDateFieldSetup = {kDateMask, "  /  /    "};

// A bold push button that is never made the default by the focus: only the window's commands
// move the Default flag.
QPushButton* NewButton(QWidget* parent, const char* caption, int fontHeight);

// Gives each component its name (the window's own, such as "MaskEdit1").
struct ComponentName {
    QObject* Component;
    const char* Name;
};
void NameComponents(std::initializer_list<ComponentName> names);

void PlaceWidget(QWidget* widget, const Place& place);

// Tab goes from each control to the next one of the list, in its order.
void ChainTabOrder(const QList<QWidget*>& order);

// A label's size follows its caption.
void PlaceLabel(QLabel* label, const Place& place);

// Captions that the font would draw wider than the layout's places (less the margin) are
// drawn a little smaller, all of a group alike, instead of running into their neighbours.
// The room a button keeps between its caption and its edges.
inline constexpr int kButtonTextMargin = 8;
// The space a label keeps between its caption and the control on its right.
inline constexpr int kLabelGap = 4;

template <typename Control>
void FitGroup(const QList<QPair<Control*, Place>>& group, int margin) {
    QList<CaptionPlace> captions;
    for (const auto& [control, place] : group) {
        const QWidget* scale = control->parentWidget();
        captions.append(
            {control, control->text(), Scaled(scale, place.Width) - Scaled(scale, margin)});
    }
    FitCommonFont(captions);
}

// Labels and push buttons at their places, the captions of each group first fitted alike
// (FitGroup), the buttons' with their margin.
void PlaceCaptions(const QList<QPair<QLabel*, Place>>& labels,
                   const QList<QPair<QPushButton*, Place>>& buttons);

} // namespace zarn
