#include "widgets/FormFonts.h"

#include "widgets/Scaling.h"

#include <QFontMetrics>
#include <QStringList>
#include <QWidget>

namespace zarn {
namespace {

// The layout's face first, then faces of about its width, then any sans serif.
const QStringList& FontFamilies() {
    static const QStringList families = {QStringLiteral("MS Sans Serif"),
                                         QStringLiteral("Microsoft Sans Serif"),
                                         QStringLiteral("Liberation Sans"),
                                         QStringLiteral("Arial"),
                                         QStringLiteral("DejaVu Sans Condensed"),
                                         QStringLiteral("DejaVu Sans"),
                                         QStringLiteral("Sans Serif")};
    return families;
}

constexpr int kSmallestPixelSize = 6;

} // namespace

QString WithoutMnemonics(QString caption) {
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            ++i; // the marked letter, or the second "&" of a literal one
            if (i == caption.size()) {
                break;
            }
        }
        shown.append(caption[i]);
    }
    return shown;
}

QFont LayoutFont(const QWidget* widget, int layoutPixelHeight, bool bold) {
    QFont font;
    font.setFamilies(FontFamilies());
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(Scaled(widget, layoutPixelHeight));
    font.setBold(bold);
    return font;
}

int CaptionWidth(const QFont& font, const QString& caption) {
    return QFontMetrics(font).horizontalAdvance(WithoutMnemonics(caption));
}

void FitFontToWidth(QWidget* widget, const QString& caption, int width) {
    QFont font = widget->font();
    while (CaptionWidth(font, caption) > width && font.pixelSize() > kSmallestPixelSize) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    widget->setFont(font);
}

void FitCommonFont(const QList<CaptionPlace>& places) {
    if (places.isEmpty()) {
        return;
    }
    QFont font = places.front().Widget->font();
    auto allFit = [&places](const QFont& candidate) {
        for (const CaptionPlace& place : places) {
            if (CaptionWidth(candidate, place.Caption) > place.Width) {
                return false;
            }
        }
        return true;
    };
    while (!allFit(font) && font.pixelSize() > kSmallestPixelSize) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    for (const CaptionPlace& place : places) {
        place.Widget->setFont(font);
    }
}

} // namespace zarn
