#include "widgets/FormLayout.h"

#include "widgets/MaskedField.h"
#include "widgets/QtText.h"

#include <QLabel>
#include <QPushButton>

namespace zarn {

QLabel* NewLabel(QWidget* parent, const char* caption, int fontHeight, const QColor* colour) {
    auto* label = new QLabel(ToQString(caption), parent);
    label->setTextFormat(Qt::PlainText);
    label->setFont(LayoutFont(parent, fontHeight, true));
    if (colour) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, *colour);
        label->setPalette(palette);
    }
    return label;
}

QPushButton* NewButton(QWidget* parent, const char* caption, int fontHeight) {
    auto* button = new QPushButton(ToQString(caption), parent);
    button->setFont(LayoutFont(parent, fontHeight, true));
    button->setAutoDefault(false);
    return button;
}

MaskedField* NewMaskedField(QWidget* parent, const MaskSetup& setup) {
    auto* field = new MaskedField(parent);
    field->SetEditMask(setup.Mask);
    field->SetText(setup.BlankText);
    return field;
}

void NameComponents(std::initializer_list<ComponentName> names) {
    for (const ComponentName& name : names) {
        name.Component->setObjectName(QString::fromLatin1(name.Name));
    }
}

void PlaceWidget(QWidget* widget, const Place& place) {
    const QWidget* scale = widget->parentWidget();
    widget->setGeometry(Scaled(scale, place.Left), Scaled(scale, place.Top),
                        Scaled(scale, place.Width), Scaled(scale, place.Height));
}

void ChainTabOrder(const QList<QWidget*>& order) {
    for (qsizetype i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

void PlaceLabel(QLabel* label, const Place& place) {
    const QWidget* scale = label->parentWidget();
    label->move(Scaled(scale, place.Left), Scaled(scale, place.Top));
    label->adjustSize();
}

void PlaceCaptions(const QList<QPair<QLabel*, Place>>& labels,
                   const QList<QPair<QPushButton*, Place>>& buttons) {
    FitGroup(labels, 0);
    FitGroup(buttons, kButtonTextMargin);
    for (const auto& [label, place] : labels) {
        PlaceLabel(label, place);
    }
    for (const auto& [button, place] : buttons) {
        PlaceWidget(button, place);
    }
}

} // namespace zarn
