#include "widgets/ReportPictureObject.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextCursor>
#include <QTextDocument>

namespace zarn {
namespace {

// The object type the document knows the picture by; Qt leaves the types from UserObject on
// to the program.
constexpr int kPictureType = QTextFormat::UserObject + 1;

// The text's font where the picture stands: what the format leaves unset, the document's.
QFont FontOf(const QTextFormat& format, const QTextDocument& document) {
    return format.toCharFormat().font().resolve(document.defaultFont());
}

} // namespace

ReportPictureObject::ReportPictureObject(ReportPicture picture, QTextDocument& document)
    : QObject(&document)
    , m_picture(std::move(picture)) {
    document.documentLayout()->registerHandler(kPictureType, this);
}

void ReportPictureObject::InsertAt(QTextCursor& cursor) const {
    QTextCharFormat format;
    format.setObjectType(kPictureType);
    cursor.insertText(QString(QChar::ObjectReplacementCharacter), format);
}

QSizeF ReportPictureObject::intrinsicSize(QTextDocument* document, int /*position*/,
                                          const QTextFormat& format) {
    const qreal width = document->textWidth() - 2 * document->documentMargin();
    const QFontMetricsF metrics(FontOf(format, *document),
                                document->documentLayout()->paintDevice());
    const qreal height = m_picture.Height ? m_picture.Height(metrics, width)
                                          : ReportPicture::kDefaultLines * metrics.height();
    return {width, height};
}

void ReportPictureObject::drawObject(QPainter* painter, const QRectF& rect, QTextDocument* document,
                                     int /*position*/, const QTextFormat& format) {
    if (m_picture.Empty()) {
        return;
    }
    painter->save();
    painter->setFont(FontOf(format, *document));
    painter->setPen(Qt::black);
    painter->setBrush(Qt::NoBrush);
    m_picture.Paint(*painter, rect);
    painter->restore();
}

} // namespace zarn
