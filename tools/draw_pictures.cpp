// Draws Fluvano's pictures with QPainter and writes them as PNG files into
// the directory given on the command line (resources/): each picture at its
// size and as name@2x.png at twice the size for high-DPI screens, and the
// program icon for the desktop's icon theme as icons/fluvano-<size>.png.
// Every size is drawn, never scaled from a bitmap.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>

#include <cstdio>
#include <utility>

namespace
{

// A transparent picture of width x height units at `scale` pixels per unit.
QImage blank(int width, int height, qreal scale)
{
    QImage image(qRound(width * scale), qRound(height * scale), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// A painter drawing in units on a picture made by blank().
void begin(QPainter& p, QImage& image, qreal scale)
{
    p.begin(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
}

// The program icon, 32 x 32 units: a steel elbow whose open end pours water.
QImage programIcon(qreal scale)
{
    QImage image = blank(32, 32, scale);
    QPainter p;
    begin(p, image, scale);

    QPainterPath pipe;
    pipe.moveTo(-2, 8.5);
    pipe.lineTo(13, 8.5);
    pipe.arcTo(QRectF(5, 8.5, 16, 16), 90, -90);
    pipe.lineTo(21, 19);

    // Water: a stream widening slightly as it falls, a pool and drops.
    QPainterPath stream;
    stream.moveTo(17.5, 19);
    stream.cubicTo(17.5, 24, 16.5, 26, 16, 29);
    stream.lineTo(26, 29);
    stream.cubicTo(25.5, 26, 24.5, 24, 24.5, 19);
    stream.closeSubpath();
    QLinearGradient water(16, 0, 26, 0);
    water.setColorAt(0, QColor(20, 80, 200));
    water.setColorAt(0.35, QColor(120, 190, 255));
    water.setColorAt(1, QColor(10, 60, 170));
    p.setPen(Qt::NoPen);
    p.setBrush(water);
    p.drawPath(stream);
    p.setBrush(QColor(40, 110, 220));
    p.drawEllipse(QRectF(10, 27.5, 22, 4.5));
    p.setBrush(QColor(150, 205, 255));
    p.drawEllipse(QRectF(15, 28.3, 10, 2));
    p.setBrush(QColor(40, 110, 220));
    p.drawEllipse(QRectF(12, 22, 2.2, 3));
    p.drawEllipse(QRectF(28, 23, 2.2, 3));

    // The pipe: dark outline, steel body, a highlight along the outer bend.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(60, 60, 70), 10, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.drawPath(pipe);
    QLinearGradient steel(0, 4, 0, 13);
    steel.setColorAt(0, QColor(235, 235, 240));
    steel.setColorAt(0.5, QColor(170, 172, 180));
    steel.setColorAt(1, QColor(110, 112, 122));
    p.setPen(QPen(QBrush(steel), 8, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.drawPath(pipe);
    QPainterPath shine;
    shine.moveTo(-2, 6.5);
    shine.lineTo(13, 6.5);
    shine.arcTo(QRectF(3, 6.5, 20, 20), 90, -90);
    shine.lineTo(23, 18);
    p.setPen(QPen(QColor(250, 250, 255, 200), 1.2));
    p.drawPath(shine);

    // Flange and the open end.
    p.setPen(QPen(QColor(50, 50, 60), 1));
    p.setBrush(QColor(150, 152, 160));
    p.drawRect(QRectF(15.5, 15.5, 11, 3));
    p.setBrush(QColor(20, 50, 120));
    p.drawEllipse(QRectF(17.5, 18, 7, 2));
    return image;
}

// The 16 x 16 help glyph: a red question mark on a yellow disc.
QImage questionMark(qreal scale)
{
    QImage image = blank(16, 16, scale);
    QPainter p;
    begin(p, image, scale);
    QRadialGradient disc(QPointF(6, 5), 10);
    disc.setColorAt(0, QColor(255, 255, 170));
    disc.setColorAt(0.6, QColor(255, 230, 0));
    disc.setColorAt(1, QColor(230, 170, 0));
    p.setPen(QPen(QColor(150, 110, 0), 1));
    p.setBrush(disc);
    p.drawEllipse(QRectF(0.5, 0.5, 15, 15));

    QPainterPath mark;
    mark.moveTo(5.2, 6.2);
    mark.cubicTo(5.2, 3.2, 10.8, 3.2, 10.8, 6.0);
    mark.cubicTo(10.8, 7.8, 8.0, 8.0, 8.0, 10.0);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(220, 0, 0), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(mark);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 0, 0));
    p.drawEllipse(QPointF(8.0, 12.6), 1.35, 1.35);
    return image;
}

// The glyph of a disabled button: the shape in flat greys over a white
// shadow one unit (`scale` pixels) down and right, as disabled buttons show it.
QImage disabledVariant(const QImage& glyph, int scale)
{
    const QImage source = glyph.convertToFormat(QImage::Format_ARGB32);
    QImage grey(source.size(), QImage::Format_ARGB32);
    QImage white(source.size(), QImage::Format_ARGB32);
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            const QRgb pixel = source.pixel(x, y);
            const int level = 80 + qGray(pixel) * 55 / 100;
            grey.setPixel(x, y, qRgba(level, level, level, qAlpha(pixel)));
            white.setPixel(x, y, qRgba(255, 255, 255, qAlpha(pixel)));
        }
    }
    QImage result = blank(glyph.width(), glyph.height(), 1);
    QPainter p(&result);
    p.drawImage(scale, scale, white);
    p.drawImage(0, 0, grey);
    return result;
}

// A green tick, 16 x 16 units.
QImage tick(qreal scale)
{
    QImage image = blank(16, 16, scale);
    QPainter p;
    begin(p, image, scale);
    QPainterPath path;
    path.moveTo(2.5, 8.5);
    path.lineTo(6.5, 12.5);
    path.lineTo(13.5, 3.5);
    p.setPen(QPen(QColor(0, 90, 0), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(QColor(0, 190, 0), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    return image;
}

// A red door, standing ajar in its frame, 16 x 16 units.
QImage door(qreal scale)
{
    QImage image = blank(16, 16, scale);
    QPainter p;
    begin(p, image, scale);
    p.setPen(QPen(QColor(70, 40, 20), 1));
    p.setBrush(QColor(40, 40, 40));
    p.drawRect(QRectF(3.5, 1.5, 9, 13));
    QPolygonF leaf({ QPointF(3.5, 1.5), QPointF(10.5, 3.0), QPointF(10.5, 15.5), QPointF(3.5, 14.5) });
    p.setPen(QPen(QColor(110, 0, 0), 1));
    p.setBrush(QColor(220, 20, 20));
    p.drawPolygon(leaf);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 210, 0));
    p.drawEllipse(QPointF(9.0, 9.0), 0.9, 0.9);
    p.setPen(QPen(QColor(70, 40, 20), 1));
    p.drawLine(QPointF(1, 15.5), QPointF(15, 15.5));
    return image;
}

// The close glyph of the "Beenden" buttons, 16 x 16 units: a dark cross of
// two brush strokes over a soft shadow.
QImage closeCross(qreal scale)
{
    QImage image = blank(16, 16, scale);
    QPainter p;
    begin(p, image, scale);
    const auto stroke = [&p](QPointF from, QPointF to, qreal width) {
        p.setPen(QPen(QColor(20, 20, 20), width, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(from, to);
    };
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 45));
    p.drawEllipse(QRectF(2.5, 12.5, 11, 2.5));
    stroke(QPointF(3.5, 2.5), QPointF(12.5, 12.0), 2.6);
    stroke(QPointF(12.8, 3.0), QPointF(3.2, 12.8), 2.6);
    return image;
}

// The standard 16-colour palette.
QList<QRgb> sixteenColours()
{
    return { qRgb(0, 0, 0), qRgb(128, 0, 0), qRgb(0, 128, 0), qRgb(128, 128, 0), qRgb(0, 0, 128), qRgb(128, 0, 128),
        qRgb(0, 128, 128), qRgb(192, 192, 192), qRgb(128, 128, 128), qRgb(255, 0, 0), qRgb(0, 255, 0),
        qRgb(255, 255, 0), qRgb(0, 0, 255), qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255) };
}

// The maker's 200 x 61 logo in 16 colours: a radiator beside the name.
QImage makerLogo(qreal scale)
{
    QImage image(qRound(200 * scale), qRound(61 * scale), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.scale(scale, scale);
    const QColor navy(0, 0, 128), red(255, 0, 0), maroon(128, 0, 0), grey(128, 128, 128), silver(192, 192, 192);

    p.setPen(navy);
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, 199, 60);
    p.drawRect(2, 2, 195, 56);

    // Radiator: five ribs on a feed and a return pipe.
    p.fillRect(10, 12, 40, 3, navy);
    p.fillRect(10, 34, 40, 3, navy);
    for (int rib = 0; rib < 5; ++rib) {
        const int x = 12 + rib * 7;
        p.fillRect(x, 8, 5, 33, maroon);
        p.fillRect(x + 1, 9, 3, 31, red);
        p.setPen(silver);
        p.drawLine(x + 1, 9, x + 1, 39);
    }
    p.fillRect(6, 34, 4, 8, grey);
    p.fillRect(50, 12, 4, 3, grey);
    p.fillRect(50, 34, 4, 3, grey);

    QFont name(QStringLiteral("Liberation Sans"));
    name.setPixelSize(42);
    name.setBold(true);
    name.setItalic(true);
    name.setStyleStrategy(QFont::NoAntialias);
    p.setFont(name);
    p.setPen(navy);
    p.drawText(QRect(64, 0, 130, 44), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("qel"));
    p.fillRect(140, 20, 50, 4, red);
    p.fillRect(140, 27, 50, 2, navy);

    QFont line(QStringLiteral("Liberation Sans"));
    line.setPixelSize(11);
    line.setBold(true);
    line.setStyleStrategy(QFont::NoAntialias);
    p.setFont(line);
    p.drawText(
        QRect(4, 44, 192, 13), Qt::AlignHCenter | Qt::AlignVCenter, QString::fromUtf8("SOFTWARE FÜR DIE HAUSTECHNIK"));
    p.end();
    return image.convertToFormat(QImage::Format_Indexed8, sixteenColours(), Qt::ThresholdDither);
}

bool save(const QImage& image, const QDir& dir, const QString& name)
{
    const QString path = dir.filePath(name);
    if (image.save(path, "PNG", 9)) return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw_pictures <resources directory>\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    bool written = true;
    for (const int scale : { 1, 2 }) {
        const QString suffix = scale == 1 ? QStringLiteral(".png") : QStringLiteral("@2x.png");
        const QImage ok = tick(scale);
        const QImage exit = door(scale);
        const std::pair<const char*, QImage> pictures[] = {
            { "fluvano", programIcon(scale) },
            { "question", questionMark(scale) },
            { "logo", makerLogo(scale) },
            { "ok", ok },
            { "ok_disabled", disabledVariant(ok, scale) },
            { "door", exit },
            { "door_disabled", disabledVariant(exit, scale) },
            { "close", closeCross(scale) },
        };
        for (const auto& [name, image] : pictures)
            written = save(image, dir, QString::fromLatin1(name) + suffix) && written;
    }
    // The desktop's icon theme (hicolor) asks for these sizes.
    written = dir.mkpath(QStringLiteral("icons")) && written;
    for (const int size : { 32, 48, 64, 128, 256 })
        written = save(programIcon(size / 32.0), dir, QStringLiteral("icons/fluvano-%1.png").arg(size)) && written;
    return written ? 0 : 1;
}
