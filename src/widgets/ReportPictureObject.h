#pragma once

// Puts a ReportPicture into a QTextDocument as an object of the text: the layout asks it for
// its size and hands it the painter and the place where it falls, so the picture is drawn
// on the page as lines and text (a PDF keeps it in vectors, not as an image) and moves to
// the next page with the text around it.

#include "widgets/ReportPicture.h"

#include <QObject>
#include <QTextObjectInterface>

class QTextCursor;
class QTextDocument;

namespace zarn {

class ReportPictureObject : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)
public:
    // The object belongs to the document, whose layout it registers with.
    ReportPictureObject(ReportPicture picture, QTextDocument& document);

    // Inserts the picture at the cursor, as wide as the text.
    void InsertAt(QTextCursor& cursor) const;

    QSizeF intrinsicSize(QTextDocument* document, int position, const QTextFormat& format) override;
    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument* document, int position,
                    const QTextFormat& format) override;

private:
    ReportPicture m_picture;
};

} // namespace zarn
