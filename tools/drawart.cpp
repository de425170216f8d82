// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

// Draws the program's pictures: the sign picture of the main window and the program
// icon at every size it is shown at, plus the same icon sizes as one Windows .ico, and
// the picture and the small icons once more, ready to draw, as the program embeds them.
// Everything is vector drawing with fonts from fonts-dejavu-core, so the output is
// the same on every run and every machine.
//
//   qvz-drawart [<output folder> [<windows icon file>]]
//
// The defaults, relative to the source tree, are resources and
// packaging/windows/qvzodiqa.ico.
#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QSaveFile>
#include <QTextStream>
#include <algorithm>
#include <cmath>

namespace {

// The picture's palette: everything is a shade of blue.
const QColor kNight(8, 22, 64);
const QColor kDeep(18, 48, 112);
const QColor kMid(52, 104, 178);
const QColor kSky(120, 170, 228);
const QColor kPale(206, 226, 250);
const QColor kInk(6, 16, 46);

bool saveImage(const QImage& image, const QDir& folder, const QString& name, int quality = -1)
{
    const QString path = folder.filePath(name);
    const bool saved = image.save(path, nullptr, quality);
    QTextStream(stdout) << (saved ? "wrote " : "FAILED ") << path << Qt::endl;
    return saved;
}

// ---------------------------------------------------------------- sign picture

void drawSky(QPainter& p, const QRectF& r)
{
    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    sky.setColorAt(0.0, kNight);
    sky.setColorAt(0.45, kDeep);
    sky.setColorAt(1.0, kMid);
    p.fillRect(r, sky);

    // A soft halo behind the figure lifts it off the background.
    QRadialGradient halo(QPointF(r.center().x(), 150), 78);
    halo.setColorAt(0.0, QColor(150, 195, 245, 150));
    halo.setColorAt(0.6, QColor(110, 160, 230, 50));
    halo.setColorAt(1.0, QColor(110, 160, 230, 0));
    p.fillRect(r, halo);

    // Fixed star positions keep the picture identical from run to run.
    static const struct {
        qreal x, y, size;
    } stars[] = {{12, 8, 1.2}, {34, 62, 0.9},  {140, 12, 1.0}, {128, 66, 1.3},
                 {9, 92, 1.0}, {143, 98, 0.8}, {22, 134, 0.9}, {136, 150, 1.1},
                 {70, 4, 0.8}, {101, 70, 0.8}, {50, 70, 0.7},  {118, 4, 0.7}};
    p.setPen(Qt::NoPen);
    for (const auto& star : stars) {
        p.setBrush(QColor(225, 238, 255, 210));
        p.drawEllipse(QPointF(star.x, star.y), star.size, star.size);
        p.setBrush(QColor(225, 238, 255, 60));
        p.drawEllipse(QPointF(star.x, star.y), star.size * 2.4, star.size * 2.4);
    }
}

QPainterPath titlePath(const QRectF& box)
{
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(40);
    font.setBold(true);
    font.setItalic(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1);
    if (!QFontInfo(font).family().startsWith(QLatin1String("DejaVu Serif")))
        QTextStream(stderr) << "warning: DejaVu Serif not found, the title will differ" << Qt::endl;
    QPainterPath path;
    path.addText(0, 0, font, QStringLiteral("Libra"));
    const QRectF bounds = path.boundingRect();
    path.translate(box.center() - bounds.center());
    return path;
}

void drawTitle(QPainter& p)
{
    const QPainterPath text = titlePath(QRectF(0, 6, 150, 46));

    // Drop shadow, then a wide dark outline under a thin pale one, then the face.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 20, 150));
    p.drawPath(text.translated(2.0, 2.5));

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kInk, 4.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(text);
    p.setPen(QPen(kSky, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(text);

    const QRectF b = text.boundingRect();
    QLinearGradient face(b.topLeft(), b.bottomLeft());
    face.setColorAt(0.0, QColor(255, 255, 255));
    face.setColorAt(0.5, kPale);
    face.setColorAt(0.52, QColor(160, 200, 245));
    face.setColorAt(1.0, QColor(96, 150, 222));
    p.setPen(Qt::NoPen);
    p.setBrush(face);
    p.drawPath(text);
}

void drawDiamond(QPainter& p, QPointF c, qreal r)
{
    QPainterPath d;
    d.moveTo(c.x(), c.y() - r);
    d.lineTo(c.x() + r, c.y());
    d.lineTo(c.x(), c.y() + r);
    d.lineTo(c.x() - r, c.y());
    d.closeSubpath();
    p.drawPath(d);
}

// A swash under the name: two mirrored curls meeting at the sign's glyph.
void drawFlourish(QPainter& p)
{
    const qreal y = 60;
    QPainterPath right;
    right.moveTo(88, y);
    right.cubicTo(104, y - 6, 122, y + 6, 136, y - 1);
    right.cubicTo(142, y - 4, 141, y - 10, 135, y - 9);
    right.cubicTo(131, y - 8, 131, y - 4, 134, y - 4);
    QPainterPath swash = right;
    swash.addPath(QTransform(-1, 0, 0, 1, 150, 0).map(right));

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kInk, 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(swash.translated(0.8, 1.0));
    p.setPen(QPen(kSky, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(swash);

    QFont glyphFont(QStringLiteral("DejaVu Sans"));
    glyphFont.setPixelSize(15);
    QPainterPath glyph;
    glyph.addText(0, 0, glyphFont, QString(QChar(0x264E)));
    glyph.translate(QPointF(75, y) - glyph.boundingRect().center());
    p.setPen(QPen(kInk, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(glyph);
    p.setPen(Qt::NoPen);
    p.setBrush(kPale);
    p.drawPath(glyph);

    p.setBrush(kPale);
    drawDiamond(p, QPointF(86, y), 1.8);
    drawDiamond(p, QPointF(64, y), 1.8);
}

// The balance: beam above the figure's head, pans hanging on three cords each.
struct Balance {
    QPointF pivot{75, 90};
    qreal halfBeam = 52;
    qreal drop = 42; // from beam to pan rim
    qreal panHalf = 17;
};

void drawPan(QPainter& p, const Balance& b, qreal x)
{
    const QPointF hook(x, b.pivot.y() + 1);
    const qreal rimY = b.pivot.y() + b.drop;

    p.setPen(QPen(kPale, 0.8));
    for (qreal dx : {-b.panHalf + 1, 0.0, b.panHalf - 1})
        p.drawLine(hook, QPointF(x + dx, rimY));

    QPainterPath bowl;
    bowl.moveTo(x - b.panHalf, rimY);
    bowl.cubicTo(x - b.panHalf + 3, rimY + 11, x + b.panHalf - 3, rimY + 11, x + b.panHalf, rimY);
    bowl.closeSubpath();
    QLinearGradient metal(x - b.panHalf, 0, x + b.panHalf, 0);
    metal.setColorAt(0.0, kSky);
    metal.setColorAt(0.35, QColor(240, 247, 255));
    metal.setColorAt(1.0, kMid);
    p.setPen(QPen(kInk, 1.0));
    p.setBrush(metal);
    p.drawPath(bowl);
    p.setPen(QPen(QColor(240, 247, 255), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(x - b.panHalf, rimY), QPointF(x + b.panHalf, rimY));
}

void drawBalance(QPainter& p, const Balance& b)
{
    drawPan(p, b, b.pivot.x() - b.halfBeam);
    drawPan(p, b, b.pivot.x() + b.halfBeam);

    // The beam thins towards its ends, with a ring at each tip.
    QPainterPath beam;
    const qreal x0 = b.pivot.x() - b.halfBeam, x1 = b.pivot.x() + b.halfBeam, y = b.pivot.y();
    beam.moveTo(x0, y - 0.9);
    beam.quadTo(b.pivot.x(), y - 3.2, x1, y - 0.9);
    beam.lineTo(x1, y + 0.9);
    beam.quadTo(b.pivot.x(), y + 3.2, x0, y + 0.9);
    beam.closeSubpath();
    QLinearGradient metal(0, y - 3, 0, y + 3);
    metal.setColorAt(0.0, QColor(240, 247, 255));
    metal.setColorAt(1.0, kSky);
    p.setPen(QPen(kInk, 0.8));
    p.setBrush(metal);
    p.drawPath(beam);
    p.drawEllipse(QPointF(x0, y), 2.0, 2.0);
    p.drawEllipse(QPointF(x1, y), 2.0, 2.0);

    // Pointer and pivot knob.
    QPainterPath pointer;
    pointer.moveTo(b.pivot.x() - 2.2, y - 2);
    pointer.lineTo(b.pivot.x(), y - 13);
    pointer.lineTo(b.pivot.x() + 2.2, y - 2);
    pointer.closeSubpath();
    p.drawPath(pointer);
    p.drawEllipse(b.pivot, 3.4, 3.4);
}

// Draws a limb as a pale stroke inside a dark outline.
void drawLimb(QPainter& p, const QPainterPath& path, qreal width, const QColor& colour)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kInk, width + 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

QPainterPath gownOutline()
{
    // Narrow at the waist, flaring to a wavy hem; symmetric about x = 75.
    QPainterPath gown;
    gown.moveTo(64, 135);
    gown.quadTo(75, 131, 86, 135);
    gown.cubicTo(90, 140, 86, 156, 81, 166);
    gown.cubicTo(92, 190, 110, 214, 118, 236);
    gown.quadTo(107, 231, 97, 237);
    gown.quadTo(86, 231, 75, 237);
    gown.quadTo(64, 231, 53, 237);
    gown.quadTo(43, 231, 32, 236);
    gown.cubicTo(40, 214, 58, 190, 69, 166);
    gown.cubicTo(64, 156, 60, 140, 64, 135);
    gown.closeSubpath();
    return gown;
}

void drawGown(QPainter& p)
{
    QLinearGradient fill(40, 132, 112, 240);
    fill.setColorAt(0.0, QColor(184, 212, 248));
    fill.setColorAt(0.55, QColor(92, 144, 214));
    fill.setColorAt(1.0, QColor(40, 84, 160));
    p.setPen(QPen(kInk, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(gownOutline());

    // Folds of the skirt fanning out from the waist, and a sash.
    p.setPen(QPen(QColor(30, 70, 140, 170), 0.9, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (qreal hemX : {53.0, 75.0, 97.0}) {
        QPainterPath fold;
        fold.moveTo(75 + (hemX - 75) * 0.12, 172);
        fold.quadTo(75 + (hemX - 75) * 0.55, 205, hemX, 232);
        p.drawPath(fold);
    }
    p.setPen(QPen(kPale, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(69.5, 165.5), QPointF(80.5, 165.5));
    p.setBrush(kPale);
    p.setPen(QPen(kInk, 0.6));
    drawDiamond(p, QPointF(75, 165.5), 2.2);
}

void drawHead(QPainter& p, QPointF head, qreal r)
{
    p.setPen(QPen(kInk, 1.0));
    p.setBrush(QColor(196, 220, 250));
    p.drawRect(QRectF(head.x() - 2.5, head.y() + r - 2, 5, 7));

    // Hair falling behind the shoulders.
    QPainterPath hair;
    hair.moveTo(head.x() - r - 1, head.y());
    hair.cubicTo(head.x() - r - 3, head.y() + 12, head.x() - 13, head.y() + 18, head.x() - 10,
                 head.y() + 20);
    hair.lineTo(head.x() - 4, head.y() + 10);
    hair.lineTo(head.x() + 4, head.y() + 10);
    hair.lineTo(head.x() + 10, head.y() + 20);
    hair.cubicTo(head.x() + 13, head.y() + 18, head.x() + r + 3, head.y() + 12, head.x() + r + 1,
                 head.y());
    hair.arcTo(QRectF(head.x() - r - 1, head.y() - r - 2, 2 * r + 2, 2 * r + 3), 0, 180);
    hair.closeSubpath();
    p.setBrush(kDeep);
    p.drawPath(hair);

    QRadialGradient skin(head + QPointF(-2.5, -3), r * 1.3);
    skin.setColorAt(0.0, QColor(236, 244, 255));
    skin.setColorAt(1.0, QColor(150, 190, 240));
    p.setBrush(skin);
    p.drawEllipse(head + QPointF(0, 1), r - 1.5, r - 0.5);

    // A fringe swept across the brow and a small diadem.
    QPainterPath fringe;
    fringe.moveTo(head.x() - r + 0.5, head.y() - 1);
    fringe.quadTo(head.x() - 2, head.y() - 6, head.x() + 2, head.y() - 3.5);
    fringe.quadTo(head.x() + 5, head.y() - 6, head.x() + r - 0.5, head.y() - 1);
    fringe.lineTo(head.x() + r - 0.5, head.y() - 4);
    fringe.quadTo(head.x(), head.y() - 12, head.x() - r + 0.5, head.y() - 4);
    fringe.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(kDeep);
    p.drawPath(fringe);
    p.setBrush(QColor(240, 247, 255));
    drawDiamond(p, QPointF(head.x(), head.y() - r - 1), 1.8);

    // Closed eyes: two short arcs keep the face calm at this size.
    p.setPen(QPen(kInk, 0.8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(head.x() - 4.5, head.y() - 0.5, 3, 2), 180 * 16, 180 * 16);
    p.drawArc(QRectF(head.x() + 1.5, head.y() - 0.5, 3, 2), 180 * 16, 180 * 16);
}

// A stylised woman in a long gown, her right hand raised to hold the balance.
void drawFigure(QPainter& p, const Balance& b)
{
    const QPointF handR(b.pivot.x() + 2, b.pivot.y() + 6);

    // The raised arm goes first so the shoulder sits under the gown.
    QPainterPath armR;
    armR.moveTo(85, 139);
    armR.quadTo(95, 116, handR.x(), handR.y());
    drawLimb(p, armR, 4.4, QColor(196, 220, 250));

    drawGown(p);

    QPainterPath armL;
    armL.moveTo(65, 140);
    armL.quadTo(56, 156, 62, 170);
    drawLimb(p, armL, 3.8, QColor(170, 202, 244));

    drawHead(p, QPointF(75, 120), 8.5);

    // The hand closes over the balance's stem.
    p.setPen(QPen(kInk, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(b.pivot + QPointF(0, 3), handR + QPointF(-1, 0));
    p.setPen(QPen(kInk, 0.9));
    p.setBrush(QColor(210, 230, 252));
    p.drawEllipse(handR, 2.6, 2.6);
}

void drawGround(QPainter& p)
{
    QRadialGradient shadow(QPointF(76, 238), 46);
    shadow.setColorAt(0.0, QColor(4, 14, 40, 150));
    shadow.setColorAt(1.0, QColor(4, 14, 40, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(QPointF(76, 239), 46, 6);
}

QImage signPicture()
{
    QImage image(150, 244, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    drawSky(p, image.rect());
    drawTitle(p);
    drawFlourish(p);
    drawGround(p);
    const Balance balance;
    drawBalance(p, balance);
    drawFigure(p, balance);
    return image;
}

// ---------------------------------------------------------------- program icon

// The icon is drawn on a 64-unit grid and scaled per size. Up to 64 pixels, line
// widths are whole pixels and straight lines sit on the pixel grid; small sizes also
// drop the fine details. So each size stays crisp rather than being a blurred copy
// of a bigger one.
struct IconScale {
    int size;
    qreal unit() const { return size / 64.0; }
    bool snapped() const { return size <= 64; }
    bool detailed() const { return size >= 32; }

    // A line width in grid units, never thinner than `minPx` pixels.
    qreal width(qreal units, qreal minPx = 1.0) const
    {
        qreal px = std::max(units * unit(), minPx);
        if (snapped())
            px = std::max(1.0, std::round(px));
        return px / unit();
    }

    // Moves the centre of a straight line of width `widthUnits` so that its edges
    // fall on pixel boundaries.
    qreal align(qreal units, qreal widthUnits) const
    {
        if (!snapped())
            return units;
        const qreal px = units * unit();
        const bool odd = int(std::round(widthUnits * unit())) % 2 == 1;
        return (odd ? std::floor(px) + 0.5 : std::round(px)) / unit();
    }
};

const QColor kGold(246, 196, 64);
const QColor kGoldLight(255, 236, 150);
const QColor kGoldDark(150, 100, 20);

void drawBadge(QPainter& p, const IconScale& s)
{
    const QPointF c(32, 32);
    const qreal rim = s.width(2.4, 1.0);
    const qreal radius = 32 - rim / 2;
    QRadialGradient face(QPointF(26, 22), 40);
    face.setColorAt(0.0, QColor(96, 156, 236));
    face.setColorAt(0.6, QColor(30, 80, 176));
    face.setColorAt(1.0, QColor(12, 36, 100));
    p.setPen(Qt::NoPen);
    p.setBrush(face);
    p.drawEllipse(c, radius, radius);

    if (s.detailed()) {
        // A gloss across the upper half, fading out before its own lower edge.
        QLinearGradient gloss(0, 5, 0, 30);
        gloss.setColorAt(0.0, QColor(255, 255, 255, 80));
        gloss.setColorAt(1.0, QColor(255, 255, 255, 0));
        p.setBrush(gloss);
        p.drawEllipse(QRectF(11, 5, 42, 28));
    }

    QLinearGradient ring(0, 0, 64, 64);
    ring.setColorAt(0.0, kGoldLight);
    ring.setColorAt(0.5, kGold);
    ring.setColorAt(1.0, kGoldDark);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(ring), rim));
    p.drawEllipse(c, radius, radius);
}

void drawIconPan(QPainter& p, const IconScale& s, qreal x, qreal beamY, const QBrush& gold)
{
    const qreal rimY = beamY + 20, half = 10;
    const qreal cordWidth = s.width(1.0, 1.0);
    p.setPen(QPen(kGoldLight, cordWidth));
    if (s.detailed()) {
        p.drawLine(QPointF(x, beamY), QPointF(x - half + 1, rimY));
        p.drawLine(QPointF(x, beamY), QPointF(x + half - 1, rimY));
    } else {
        const qreal cx = s.align(x, cordWidth);
        p.drawLine(QPointF(cx, beamY), QPointF(cx, rimY));
    }
    QPainterPath bowl;
    bowl.moveTo(x - half, rimY);
    bowl.cubicTo(x - half + 2, rimY + 8, x + half - 2, rimY + 8, x + half, rimY);
    bowl.closeSubpath();
    p.setPen(s.detailed() ? QPen(kGoldDark, s.width(0.8, 0.6)) : Qt::NoPen);
    p.setBrush(gold);
    p.drawPath(bowl);
}

void drawIconBalance(QPainter& p, const IconScale& s)
{
    QLinearGradient goldGrad(0, 10, 0, 56);
    goldGrad.setColorAt(0.0, kGoldLight);
    goldGrad.setColorAt(0.5, kGold);
    goldGrad.setColorAt(1.0, QColor(214, 150, 36));
    const QBrush gold(goldGrad);
    const qreal beam = s.width(3.0, 1.0);
    const qreal beamY = s.align(20, beam);
    const qreal column = s.width(3.2, 2.0);
    const qreal columnX = s.align(32, column);
    const qreal reach = s.snapped() ? std::round(16 * s.unit()) / s.unit() : 16;

    drawIconPan(p, s, columnX - reach, beamY, gold);
    drawIconPan(p, s, columnX + reach, beamY, gold);

    // Column and foot.
    p.setPen(Qt::NoPen);
    p.setBrush(gold);
    p.drawRect(QRectF(columnX - column / 2, beamY, column, 52 - beamY));
    QPainterPath foot;
    foot.moveTo(22, 52);
    foot.quadTo(32, 44, 42, 52);
    foot.lineTo(42, 54);
    foot.lineTo(22, 54);
    foot.closeSubpath();
    p.drawPath(foot);

    // Beam, with a knob at the pivot where there is room for it.
    p.setPen(QPen(gold, beam, Qt::SolidLine, s.detailed() ? Qt::RoundCap : Qt::FlatCap));
    p.drawLine(QPointF(columnX - reach - 2, beamY), QPointF(columnX + reach + 2, beamY));
    if (s.detailed()) {
        p.setPen(QPen(kGoldDark, s.width(0.8, 0.6)));
        p.setBrush(kGoldLight);
        p.drawEllipse(QPointF(columnX, beamY - 1), 4, 4);
        p.setPen(Qt::NoPen);
        p.setBrush(kGold);
        drawDiamond(p, QPointF(columnX, beamY - 8), 2.4);
    }
}

QImage programIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const IconScale s{size};
    p.scale(s.unit(), s.unit());
    drawBadge(p, s);
    drawIconBalance(p, s);
    p.end();
    return image;
}

// ---------------------------------------------------------------- windows icon

constexpr int kIcoHeaderSize = 6;
constexpr int kIcoEntrySize = 16;

quint32 readLe32(const QByteArray& bytes, int at)
{
    const auto* b = reinterpret_cast<const uchar*>(bytes.constData()) + at;
    return b[0] | b[1] << 8 | b[2] << 16 | quint32(b[3]) << 24;
}

void writeLe(QByteArray& bytes, int at, quint32 value, int width)
{
    for (int i = 0; i < width; ++i)
        bytes[at + i] = char((value >> (8 * i)) & 0xff);
}

// Qt's ico plugin writes one image per file, but Windows picks the best of several
// sizes from a single file. So every size is encoded by the plugin on its own, and
// the single-image files are merged: one header, all directory entries, all images.
QByteArray windowsIcon(const QList<QImage>& images)
{
    QList<QByteArray> singles;
    for (const QImage& image : images) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "ico");
        if (!writer.write(image)) {
            QTextStream(stderr) << "ico: " << writer.errorString() << Qt::endl;
            return {};
        }
        singles.append(buffer.data());
    }

    const int count = int(singles.size());
    QByteArray icon(kIcoHeaderSize + kIcoEntrySize * count, '\0');
    writeLe(icon, 2, 1, 2); // type: icon
    writeLe(icon, 4, quint32(count), 2);
    for (int i = 0; i < count; ++i) {
        const QByteArray& single = singles[i];
        const int entry = kIcoHeaderSize + kIcoEntrySize * i;
        const quint32 size = readLe32(single, kIcoHeaderSize + 8);
        const quint32 offset = readLe32(single, kIcoHeaderSize + 12);
        icon.replace(entry, kIcoEntrySize, single.mid(kIcoHeaderSize, kIcoEntrySize));
        writeLe(icon, entry + 12, quint32(icon.size()), 4);
        icon.append(single.mid(int(offset), int(size)));
    }
    return icon;
}

bool saveWindowsIcon(const QList<QImage>& images, const QString& path)
{
    const QByteArray icon = windowsIcon(images);
    QDir().mkpath(QFileInfo(path).path());
    QSaveFile file(path);
    const bool saved = !icon.isEmpty() && file.open(QIODevice::WriteOnly) &&
                       file.write(icon) == icon.size() && file.commit();
    QTextStream(stdout) << (saved ? "wrote " : "FAILED ") << path << Qt::endl;
    return saved;
}

// ---------------------------------------------------------------- ready to draw

// The pixels of a saved picture as the program embeds them (src/ui/common/ReadyImage.h):
// read back from the file, so that they are what the decoder made of it, in the form
// QPixmap draws without converting.
bool saveReadyToDraw(const QDir& folder, const QString& name, const QString& savedSuffix)
{
    QImage image(folder.filePath(name + QLatin1Char('.') + savedSuffix));
    image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                            : QImage::Format_RGB32);
    QByteArray bytes(12, '\0');
    writeLe(bytes, 0, quint32(image.width()), 4);
    writeLe(bytes, 4, quint32(image.height()), 4);
    writeLe(bytes, 8, quint32(image.format()), 4);
    for (int y = 0; y < image.height(); ++y)
        bytes.append(reinterpret_cast<const char*>(image.constScanLine(y)), image.width() * 4);
    const QString path = folder.filePath(name + QStringLiteral(".argb32"));
    QSaveFile file(path);
    const bool saved = !image.isNull() && file.open(QIODevice::WriteOnly) &&
                       file.write(bytes) == bytes.size() && file.commit();
    QTextStream(stdout) << (saved ? "wrote " : "FAILED ") << path << Qt::endl;
    return saved;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("resources"));
    QDir().mkpath(folder.path());

    const QString icoPath = argc > 2 ? QString::fromLocal8Bit(argv[2])
                                     : QStringLiteral("packaging/windows/qvzodiqa.ico");

    bool ok = saveImage(signPicture(), folder, QStringLiteral("picZodiac.jpg"), 92) &&
              saveReadyToDraw(folder, QStringLiteral("picZodiac"), QStringLiteral("jpg"));
    QList<QImage> icons;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        icons.append(programIcon(size));
        const QString name = QStringLiteral("icon-%1").arg(size);
        ok &= saveImage(icons.last(), folder, name + QStringLiteral(".png"));
        if (size <= 64)
            ok &= saveReadyToDraw(folder, name, QStringLiteral("png"));
    }
    ok &= saveWindowsIcon(icons, icoPath);
    return ok ? 0 : 1;
}
