// Paints Zarn's program icon -- a golden balance on a navy tile -- and writes it as
// zarn.svg, as zarn-<size>.png for every size the program and its packages use, and as
// zarn.ico (the same bitmaps in one file) for the Windows executable.
// The shapes are described once; the same description drives QPainter and the SVG,
// so the bitmaps and the scalable file always agree.
//
// The files are committed; rebuild them only when the picture changes:
//   cmake --build --preset default --target zarn_paint_icon
//   build/default/src/desktop/zarn_paint_icon resources/icons

#include <QByteArray>
#include <QColor>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLinearGradient>
#include <QList>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <QTextStream>
#include <array>
#include <cstdio>

namespace {

// The picture is drawn on a 256 x 256 canvas.
constexpr double kCanvas = 256.0;

constexpr std::array<int, 7> kSizes = {16, 24, 32, 48, 64, 128, 256};

const QColor kTileTop(0x2C, 0x5A, 0xA0);
const QColor kTileBottom(0x16, 0x2E, 0x5C);
const QColor kTileEdge(0x0E, 0x1E, 0x3E);
const QColor kGold(0xF2, 0xC1, 0x4E);
const QColor kGoldShade(0xC8, 0x93, 0x1E);

struct Rect {
    double x, y, w, h, r;
};
struct Circle {
    double cx, cy, r;
};
struct Line {
    double x1, y1, x2, y2, width;
};
// A bowl: the lower half of an ellipse whose top edge runs from (x, y) to (x + w, y).
struct Bowl {
    double x, y, w, depth;
};
struct Polygon {
    std::array<double, 8> xy; // four corners
};

constexpr Rect kTile{8, 8, 240, 240, 44};
constexpr Rect kPillar{121, 56, 14, 150, 4};
constexpr Circle kKnob{128, 52, 15};
constexpr Rect kBeam{40, 74, 176, 13, 6};
constexpr std::array<Line, 4> kStrings = {{
    {62, 86, 32, 156, 5},
    {62, 86, 92, 156, 5},
    {194, 86, 164, 156, 5},
    {194, 86, 224, 156, 5},
}};
constexpr std::array<Bowl, 2> kPans = {{{26, 154, 72, 30}, {158, 154, 72, 30}}};
constexpr Polygon kBase{{98, 204, 158, 204, 184, 226, 72, 226}};

QString Num(double v) {
    return QString::number(v, 'g', 6);
}

QPainterPath BowlPath(const Bowl& b) {
    QPainterPath path;
    path.moveTo(b.x, b.y);
    path.arcTo(QRectF(b.x, b.y - b.depth, b.w, 2 * b.depth), 180, 180);
    path.closeSubpath();
    return path;
}

void Paint(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient tile(0, kTile.y, 0, kTile.y + kTile.h);
    tile.setColorAt(0, kTileTop);
    tile.setColorAt(1, kTileBottom);
    p.setPen(QPen(kTileEdge, 6));
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(kTile.x, kTile.y, kTile.w, kTile.h), kTile.r, kTile.r);

    p.setPen(Qt::NoPen);
    p.setBrush(kGold);
    for (const Rect& r : {kPillar, kBeam}) {
        p.drawRoundedRect(QRectF(r.x, r.y, r.w, r.h), r.r, r.r);
    }
    p.drawEllipse(QPointF(kKnob.cx, kKnob.cy), kKnob.r, kKnob.r);

    for (const Line& l : kStrings) {
        p.setPen(QPen(kGold, l.width, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(l.x1, l.y1), QPointF(l.x2, l.y2));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(kGoldShade);
    for (const Bowl& b : kPans) {
        p.drawPath(BowlPath(b));
    }
    p.setBrush(kGold);
    QPolygonF base;
    for (std::size_t i = 0; i < kBase.xy.size(); i += 2) {
        base << QPointF(kBase.xy[i], kBase.xy[i + 1]);
    }
    p.drawPolygon(base);
}

QString Svg() {
    QString s;
    QTextStream out(&s);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
        << "viewBox=\"0 0 256 256\">\n"
        << "  <title>Zarn</title>\n"
        << "  <defs>\n"
        << "    <linearGradient id=\"tile\" x1=\"0\" y1=\"" << Num(kTile.y) << "\" x2=\"0\" y2=\""
        << Num(kTile.y + kTile.h) << "\" gradientUnits=\"userSpaceOnUse\">\n"
        << "      <stop offset=\"0\" stop-color=\"" << kTileTop.name() << "\"/>\n"
        << "      <stop offset=\"1\" stop-color=\"" << kTileBottom.name() << "\"/>\n"
        << "    </linearGradient>\n"
        << "  </defs>\n";
    out << "  <rect x=\"" << Num(kTile.x) << "\" y=\"" << Num(kTile.y) << "\" width=\""
        << Num(kTile.w) << "\" height=\"" << Num(kTile.h) << "\" rx=\"" << Num(kTile.r)
        << "\" fill=\"url(#tile)\" stroke=\"" << kTileEdge.name() << "\" stroke-width=\"6\"/>\n";
    for (const Rect& r : {kPillar, kBeam}) {
        out << "  <rect x=\"" << Num(r.x) << "\" y=\"" << Num(r.y) << "\" width=\"" << Num(r.w)
            << "\" height=\"" << Num(r.h) << "\" rx=\"" << Num(r.r) << "\" fill=\"" << kGold.name()
            << "\"/>\n";
    }
    out << "  <circle cx=\"" << Num(kKnob.cx) << "\" cy=\"" << Num(kKnob.cy) << "\" r=\""
        << Num(kKnob.r) << "\" fill=\"" << kGold.name() << "\"/>\n";
    for (const Line& l : kStrings) {
        out << "  <line x1=\"" << Num(l.x1) << "\" y1=\"" << Num(l.y1) << "\" x2=\"" << Num(l.x2)
            << "\" y2=\"" << Num(l.y2) << "\" stroke=\"" << kGold.name() << "\" stroke-width=\""
            << Num(l.width) << "\" stroke-linecap=\"round\"/>\n";
    }
    for (const Bowl& b : kPans) {
        out << "  <path d=\"M" << Num(b.x) << "," << Num(b.y) << " A" << Num(b.w / 2) << ","
            << Num(b.depth) << " 0 0 0 " << Num(b.x + b.w) << "," << Num(b.y) << " Z\" fill=\""
            << kGoldShade.name() << "\"/>\n";
    }
    out << "  <polygon points=\"";
    for (std::size_t i = 0; i < kBase.xy.size(); i += 2) {
        out << (i ? " " : "") << Num(kBase.xy[i]) << "," << Num(kBase.xy[i + 1]);
    }
    out << "\" fill=\"" << kGold.name() << "\"/>\n"
        << "</svg>\n";
    return s;
}

bool WritePng(const QDir& dir, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.scale(size / kCanvas, size / kCanvas);
    Paint(p);
    p.end();
    return image.save(dir.filePath(QStringLiteral("zarn-%1.png").arg(size)));
}

// A Windows icon file holding every bitmap as a PNG image: the icon directory (reserved 0,
// type 1, count), one 16-byte entry per image, then the images. A width or height of 256
// is written as 0.
bool WriteIco(const QDir& dir) {
    QList<QByteArray> images;
    for (int size : kSizes) {
        QFile png(dir.filePath(QStringLiteral("zarn-%1.png").arg(size)));
        if (!png.open(QIODevice::ReadOnly)) {
            return false;
        }
        images << png.readAll();
    }
    constexpr quint32 kDirectorySize = 6;
    constexpr quint32 kEntrySize = 16;
    QFile ico(dir.filePath(QStringLiteral("zarn.ico")));
    if (!ico.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    QDataStream out(&ico);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(images.size());
    auto offset = static_cast<quint32>(kDirectorySize + kEntrySize * kSizes.size());
    for (std::size_t i = 0; i < kSizes.size(); ++i) {
        const auto side = static_cast<quint8>(kSizes[i] >= 256 ? 0 : kSizes[i]);
        const auto bytes = static_cast<quint32>(images[static_cast<qsizetype>(i)].size());
        out << side << side << quint8(0) << quint8(0) << quint16(1) << quint16(32) << bytes
            << offset;
        offset += bytes;
    }
    for (const QByteArray& image : images) {
        out.writeRawData(image.constData(), static_cast<int>(image.size()));
    }
    return out.status() == QDataStream::Ok;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    for (int size : kSizes) {
        if (!WritePng(dir, size)) {
            std::fprintf(stderr, "cannot write the %d pixel icon\n", size);
            return 1;
        }
    }
    QFile svg(dir.filePath(QStringLiteral("zarn.svg")));
    if (!svg.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "cannot write zarn.svg\n");
        return 1;
    }
    svg.write(Svg().toUtf8());
    if (!WriteIco(dir)) {
        std::fprintf(stderr, "cannot write zarn.ico\n");
        return 1;
    }
    return 0;
}
