// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/render_pictures/Pictograms.h"

#include "tools/render_pictures/PictureRenderer.h"

#include <QPainter>
#include <QPainterPath>
#include <functional>
#include <map>
#include <stdexcept>

namespace {

using Draw = std::function<void(QPainter&, const PictureRenderer&)>;

const QColor outline(0x33, 0x33, 0x33);
const QColor wood(0xb0, 0x7a, 0x45);
const QColor darkWood(0x79, 0x4e, 0x2a);
const QColor metal(0xb0, 0xbe, 0xc5);

void style(QPainter& p, const QColor& fill, qreal penWidth = 2.5)
{
    p.setPen(QPen(outline, penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
}

void line(QPainter& p, QPointF a, QPointF b, const QColor& colour, qreal width)
{
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(a, b);
}

void grass(QPainter& p)
{
    style(p, QColor(0x81, 0xc7, 0x84), 0);
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(0, 90, 100, 10));
}

void wheel(QPainter& p, QPointF centre, qreal radius)
{
    style(p, QColor(0x42, 0x42, 0x42));
    p.drawEllipse(centre, radius, radius);
    style(p, QColor(0xcf, 0xd8, 0xdc), 1.5);
    p.drawEllipse(centre, radius * 0.35, radius * 0.35);
}

// A door or oven mouth: upright sides from `bottom` up to the middle of `arch`, the arch's upper half on top.
QPainterPath archedOpening(const QRectF& arch, qreal bottom)
{
    QPainterPath path;
    path.moveTo(arch.left(), bottom);
    path.lineTo(arch.left(), arch.center().y());
    path.arcTo(arch, 180, -180);
    path.lineTo(arch.right(), bottom);
    path.closeSubpath();
    return path;
}

void kinderwagen(QPainter& p, const PictureRenderer&)
{
    style(p, QColor(0x6f, 0xa8, 0xdc));
    QPainterPath body;
    body.moveTo(12, 46);
    body.lineTo(80, 46);
    body.quadTo(80, 74, 56, 74);
    body.lineTo(34, 74);
    body.quadTo(12, 74, 12, 46);
    p.drawPath(body);
    style(p, QColor(0x3d, 0x85, 0xc6));
    p.drawPie(QRectF(12, 18, 56, 56), 90 * 16, 90 * 16);
    line(p, {80, 46}, {90, 22}, outline, 4);
    line(p, {84, 22}, {96, 22}, outline, 6);
    wheel(p, {30, 84}, 10);
    wheel(p, {66, 84}, 10);
}

void buegeleisen(QPainter& p, const PictureRenderer&)
{
    QPainterPath handle;
    handle.moveTo(34, 50);
    handle.cubicTo(34, 20, 74, 20, 78, 50);
    p.setPen(QPen(QColor(0x26, 0x32, 0x38), 8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(handle);
    style(p, QColor(0x4f, 0xc3, 0xf7));
    QPainterPath body;
    body.moveTo(8, 78);
    body.lineTo(90, 78);
    body.lineTo(84, 50);
    body.quadTo(60, 42, 38, 46);
    body.quadTo(14, 54, 8, 78);
    p.drawPath(body);
    style(p, metal);
    p.drawRoundedRect(QRectF(6, 78, 86, 8), 3, 3);
    style(p, QColor(0xff, 0x70, 0x43), 1.5);
    p.drawEllipse(QPointF(62, 62), 5, 5);
    for (int i = 0; i < 3; ++i) {
        QPainterPath steam;
        steam.moveTo(14 + i * 10, 40);
        steam.cubicTo(8 + i * 10, 32, 20 + i * 10, 26, 14 + i * 10, 16);
        p.setPen(QPen(QColor(0x90, 0xa4, 0xae), 2.5, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(steam);
    }
}

void hundehuette(QPainter& p, const PictureRenderer&)
{
    style(p, wood);
    p.drawRect(QRectF(14, 44, 64, 46));
    style(p, QColor(0xc0, 0x39, 0x2b));
    p.drawPolygon(QPolygonF({{6, 50}, {46, 12}, {86, 50}}));
    style(p, QColor(0x3b, 0x24, 0x13));
    p.drawPath(archedOpening(QRectF(32, 56, 28, 24), 90));
    grass(p);
}

void kleiderbuegel(QPainter& p, const PictureRenderer&)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x75, 0x75, 0x75), 4, Qt::SolidLine, Qt::RoundCap));
    QPainterPath hook;
    hook.moveTo(50, 36);
    hook.lineTo(50, 26);
    hook.arcTo(QRectF(42, 10, 16, 16), 270, 270);
    p.drawPath(hook);
    p.setPen(QPen(darkWood, 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({{50, 36}, {8, 70}, {92, 70}, {50, 36}}));
    p.setPen(QPen(wood, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({{50, 36}, {8, 70}, {92, 70}, {50, 36}}));
}

void naehmaschine(QPainter& p, const PictureRenderer&)
{
    style(p, QColor(0x45, 0x5a, 0x64));
    p.drawRoundedRect(QRectF(6, 74, 88, 12), 3, 3);
    style(p, QColor(0xf4, 0x8f, 0xb1));
    QPainterPath arm;
    arm.moveTo(66, 74);
    arm.lineTo(66, 40);
    arm.lineTo(34, 40);
    arm.lineTo(34, 58);
    arm.lineTo(18, 58);
    arm.lineTo(18, 30);
    arm.quadTo(18, 24, 24, 24);
    arm.lineTo(76, 24);
    arm.quadTo(82, 24, 82, 30);
    arm.lineTo(82, 74);
    arm.closeSubpath();
    p.drawPath(arm);
    line(p, {26, 58}, {26, 70}, outline, 2);
    style(p, metal);
    p.drawEllipse(QPointF(88, 40), 8, 8);
}

void vogelkaefig(QPainter& p, const PictureRenderer& emoji)
{
    emoji.paintEmoji(p, QStringLiteral("🐦"), QRectF(28, 40, 44, 42));
    QPainterPath cage;
    cage.moveTo(16, 84);
    cage.lineTo(16, 42);
    cage.cubicTo(16, 8, 84, 8, 84, 42);
    cage.lineTo(84, 84);
    cage.closeSubpath();
    const QColor gold(0xc9, 0xa2, 0x27);
    p.save();
    p.setClipPath(cage);
    for (int x = 16; x <= 84; x += 11)
        line(p, {qreal(x), 0}, {qreal(x), 90}, gold, 2.5);
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(gold, 3));
    p.drawPath(cage);
    style(p, gold);
    p.drawRect(QRectF(10, 84, 80, 8));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(gold, 3));
    p.drawEllipse(QPointF(50, 12), 5, 5);
}

void waescheleine(QPainter& p, const PictureRenderer& emoji)
{
    line(p, {8, 18}, {8, 96}, darkWood, 5);
    line(p, {92, 18}, {92, 96}, darkWood, 5);
    QPainterPath rope;
    rope.moveTo(8, 24);
    rope.quadTo(50, 48, 92, 24);
    p.setPen(QPen(QColor(0x61, 0x61, 0x61), 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(rope);
    emoji.paintEmoji(p, QStringLiteral("👕"), QRectF(12, 30, 28, 28));
    emoji.paintEmoji(p, QStringLiteral("🧦"), QRectF(40, 36, 22, 26));
    emoji.paintEmoji(p, QStringLiteral("👗"), QRectF(62, 30, 26, 34));
}

void indianer(QPainter& p, const PictureRenderer& emoji)
{
    p.save();
    p.translate(62, 26);
    p.rotate(20);
    emoji.paintEmoji(p, QStringLiteral("🪶"), QRectF(-14, -26, 28, 44));
    p.restore();
    emoji.paintEmoji(p, QStringLiteral("🧒"), QRectF(12, 22, 76, 76));
    style(p, QColor(0xe5, 0x39, 0x35), 1.5);
    p.drawRoundedRect(QRectF(24, 38, 52, 7), 3, 3);
}

void waschmaschine(QPainter& p, const PictureRenderer&)
{
    style(p, QColor(0xf5, 0xf5, 0xf5));
    p.drawRoundedRect(QRectF(14, 6, 72, 88), 6, 6);
    line(p, {14, 26}, {86, 26}, outline, 2);
    style(p, QColor(0x90, 0xa4, 0xae), 1.5);
    p.drawEllipse(QPointF(26, 16), 4, 4);
    p.drawEllipse(QPointF(38, 16), 4, 4);
    style(p, QColor(0x26, 0xa6, 0x9a), 1.5);
    p.drawRect(QRectF(58, 12, 20, 8));
    style(p, QColor(0xcf, 0xd8, 0xdc));
    p.drawEllipse(QPointF(50, 60), 27, 27);
    style(p, QColor(0x64, 0xb5, 0xf6), 2);
    p.drawEllipse(QPointF(50, 60), 19, 19);
    p.setPen(QPen(Qt::white, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(38, 48, 24, 24), 100 * 16, 70 * 16);
}

void iglu(QPainter& p, const PictureRenderer&)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xbb, 0xde, 0xfb));
    p.drawRoundedRect(QRectF(0, 0, 100, 100), 8, 8);
    p.setBrush(QColor(0xf5, 0xfb, 0xff));
    p.drawRect(QRectF(0, 82, 100, 18));
    style(p, QColor(0xfa, 0xfd, 0xff));
    p.setPen(QPen(QColor(0x64, 0x8f, 0xb5), 2.5));
    p.drawChord(QRectF(4, 24, 84, 116), 0, 180 * 16);
    p.setPen(QPen(QColor(0x90, 0xb4, 0xd4), 1.5));
    p.drawArc(QRectF(12, 42, 68, 98), 10 * 16, 160 * 16);
    p.drawArc(QRectF(22, 62, 48, 76), 15 * 16, 150 * 16);
    for (qreal x : {26.0, 46.0, 66.0})
        p.drawLine(QPointF(x, 44), QPointF(x, 56));
    style(p, QColor(0x37, 0x47, 0x4f));
    p.drawChord(QRectF(10, 62, 28, 40), 0, 180 * 16);
}

void vogelhaus(QPainter& p, const PictureRenderer&)
{
    style(p, darkWood);
    p.drawRect(QRectF(45, 62, 10, 36));
    style(p, QColor(0xe6, 0xa3, 0x5c));
    p.drawRect(QRectF(24, 34, 52, 32));
    style(p, QColor(0x8d, 0x4b, 0x2a));
    p.drawPolygon(QPolygonF({{14, 38}, {50, 8}, {86, 38}}));
    style(p, QColor(0x3b, 0x24, 0x13));
    p.drawEllipse(QPointF(50, 48), 7, 7);
    line(p, {50, 58}, {50, 62}, outline, 3);
}

void windmuehle(QPainter& p, const PictureRenderer&)
{
    style(p, QColor(0xd7, 0xcc, 0xc8));
    p.drawPolygon(QPolygonF({{38, 40}, {62, 40}, {72, 96}, {28, 96}}));
    style(p, darkWood);
    p.drawChord(QRectF(34, 28, 32, 24), 0, 180 * 16);
    p.drawChord(QRectF(42, 78, 16, 24), 0, 180 * 16);
    style(p, QColor(0xff, 0xf8, 0xe1), 2);
    for (int i = 0; i < 4; ++i) {
        p.save();
        p.translate(50, 38);
        p.rotate(45 + 90 * i);
        p.drawRect(QRectF(5, -6, 38, 12));
        line(p, {5, 0}, {43, 0}, QColor(0x8d, 0x6e, 0x63), 1.5);
        p.restore();
    }
    style(p, outline);
    p.drawEllipse(QPointF(50, 38), 4, 4);
}

void giesskanne(QPainter& p, const PictureRenderer&)
{
    const QColor green(0x43, 0xa0, 0x47);
    line(p, {62, 72}, {88, 40}, outline, 10);
    line(p, {62, 72}, {88, 40}, green, 6);
    p.save();
    p.translate(90, 37);
    p.rotate(-50);
    style(p, green);
    p.drawRoundedRect(QRectF(-4, -9, 9, 18), 3, 3);
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(outline, 9, Qt::SolidLine, Qt::RoundCap));
    QPainterPath handle;
    handle.moveTo(22, 46);
    handle.cubicTo(22, 14, 62, 14, 62, 44);
    p.drawPath(handle);
    p.setPen(QPen(green, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(handle);
    style(p, green);
    p.drawRoundedRect(QRectF(14, 42, 54, 46), 8, 8);
    style(p, QColor(0x4f, 0xc3, 0xf7), 0);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(95, 52), 2.5, 3.5);
    p.drawEllipse(QPointF(89, 58), 2.5, 3.5);
    p.drawEllipse(QPointF(97, 64), 2.5, 3.5);
}

void apfelbaum(QPainter& p, const PictureRenderer& emoji)
{
    emoji.paintEmoji(p, QStringLiteral("🌳"), QRectF(2, 2, 96, 96));
    const QPointF apples[] = {{30, 22}, {58, 16}, {70, 38}, {44, 42}, {20, 44}, {56, 56}};
    for (QPointF at : apples)
        emoji.paintEmoji(p, QStringLiteral("🍎"), QRectF(at, QSizeF(15, 15)));
}

void zaun(QPainter& p, const PictureRenderer&)
{
    grass(p);
    style(p, QColor(0xd7, 0xa8, 0x6e), 2);
    p.drawRect(QRectF(2, 44, 96, 8));
    p.drawRect(QRectF(2, 72, 96, 8));
    for (int i = 0; i < 5; ++i) {
        const qreal x = 6 + i * 19;
        p.drawPolygon(QPolygonF({{x, 92}, {x, 30}, {x + 7, 20}, {x + 14, 30}, {x + 14, 92}}));
    }
}

// A kitchen oven baking rolls: no flame, so it is not taken for the fireplace.
void ofen(QPainter& p, const PictureRenderer&)
{
    style(p, QColor(0xec, 0xef, 0xf1));
    p.drawRoundedRect(QRectF(14, 8, 72, 86), 5, 5);
    style(p, QColor(0x90, 0xa4, 0xae));
    p.drawRoundedRect(QRectF(14, 8, 72, 18), 5, 5);
    style(p, QColor(0x37, 0x47, 0x4f), 1.5);
    for (qreal x : {30.0, 50.0, 70.0})
        p.drawEllipse(QPointF(x, 17), 4.5, 4.5);
    style(p, metal, 2);
    p.drawRoundedRect(QRectF(26, 31, 48, 5), 2, 2);
    style(p, QColor(0x37, 0x47, 0x4f));
    p.drawRoundedRect(QRectF(20, 40, 60, 46), 4, 4);
    QLinearGradient glow(0, 46, 0, 80);
    glow.setColorAt(0, QColor(0xff, 0xe0, 0x82));
    glow.setColorAt(1, QColor(0xff, 0x8a, 0x3d));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawRect(QRectF(26, 46, 48, 34));
    line(p, {28, 72}, {72, 72}, QColor(0x61, 0x61, 0x61), 2.5);
    style(p, QColor(0xa0, 0x5a, 0x2c), 1.5);
    for (qreal x : {37.0, 50.0, 63.0})
        p.drawEllipse(QPointF(x, 64), 6.5, 7);
}

void tisch(QPainter& p, const PictureRenderer&)
{
    style(p, darkWood);
    p.drawRect(QRectF(12, 50, 7, 42));
    p.drawRect(QRectF(81, 50, 7, 42));
    p.drawRect(QRectF(26, 46, 6, 34));
    p.drawRect(QRectF(68, 46, 6, 34));
    style(p, wood);
    p.drawPolygon(QPolygonF({{22, 30}, {92, 30}, {96, 44}, {4, 44}}));
    style(p, darkWood);
    p.drawRect(QRectF(4, 44, 92, 8));
}

void tafel(QPainter& p, const PictureRenderer&)
{
    line(p, {22, 70}, {14, 97}, darkWood, 5);
    line(p, {78, 70}, {86, 97}, darkWood, 5);
    style(p, QColor(0x8d, 0x6e, 0x63));
    p.drawRect(QRectF(6, 10, 88, 64));
    style(p, QColor(0x2e, 0x6b, 0x3a), 1.5);
    p.drawRect(QRectF(12, 16, 76, 52));
    QFont chalk(QStringLiteral("Liberation Sans"));
    chalk.setPixelSize(20);
    p.setFont(chalk);
    p.setPen(QColor(0xf5, 0xf5, 0xf5));
    p.drawText(QRectF(12, 18, 76, 26), Qt::AlignCenter, QStringLiteral("1 + 2 = 3"));
    p.drawText(QRectF(12, 40, 76, 26), Qt::AlignCenter, QStringLiteral("a b c"));
    style(p, QColor(0x8d, 0x6e, 0x63), 1.5);
    p.drawRect(QRectF(10, 74, 80, 5));
}

void ast(QPainter& p, const PictureRenderer&)
{
    const QColor bark(0x6d, 0x4c, 0x41);
    line(p, {6, 86}, {94, 26}, bark, 9);
    line(p, {46, 59}, {60, 88}, bark, 5);
    line(p, {70, 43}, {76, 12}, bark, 5);
    style(p, QColor(0x66, 0xbb, 0x6a), 1.5);
    const QPointF leaves[] = {{94, 24}, {60, 90}, {76, 10}, {30, 70}, {84, 40}};
    const qreal angles[] = {-30, 60, -70, 20, 40};
    for (int i = 0; i < 5; ++i) {
        p.save();
        p.translate(leaves[i]);
        p.rotate(angles[i]);
        p.drawEllipse(QRectF(-6, -12, 12, 20));
        p.restore();
    }
}

void nagel(QPainter& p, const PictureRenderer&)
{
    p.save();
    p.translate(50, 50);
    p.rotate(30);
    QLinearGradient shine(-6, 0, 6, 0);
    shine.setColorAt(0, QColor(0x78, 0x90, 0x9c));
    shine.setColorAt(0.5, QColor(0xec, 0xef, 0xf1));
    shine.setColorAt(1, QColor(0x78, 0x90, 0x9c));
    p.setPen(QPen(outline, 2));
    p.setBrush(shine);
    p.drawPolygon(QPolygonF({{-5, -36}, {5, -36}, {5, 30}, {0, 44}, {-5, 30}}));
    p.drawRoundedRect(QRectF(-17, -44, 34, 9), 3, 3);
    p.restore();
}

void schaukel(QPainter& p, const PictureRenderer&)
{
    grass(p);
    line(p, {12, 94}, {22, 10}, darkWood, 7);
    line(p, {88, 94}, {78, 10}, darkWood, 7);
    line(p, {8, 12}, {92, 12}, darkWood, 8);
    line(p, {38, 14}, {36, 70}, QColor(0x75, 0x75, 0x75), 2.5);
    line(p, {62, 14}, {64, 70}, QColor(0x75, 0x75, 0x75), 2.5);
    style(p, QColor(0xe5, 0x39, 0x35));
    p.drawRoundedRect(QRectF(28, 68, 44, 8), 3, 3);
}

void lampe(QPainter& p, const PictureRenderer&)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xf5, 0x9d, 0xa0));
    p.drawPolygon(QPolygonF({{22, 50}, {78, 50}, {92, 80}, {8, 80}}));
    style(p, QColor(0x45, 0x5a, 0x64));
    p.drawRect(QRectF(46, 50, 8, 32));
    p.drawEllipse(QRectF(26, 80, 48, 14));
    style(p, QColor(0xff, 0xca, 0x28));
    p.drawPolygon(QPolygonF({{32, 12}, {68, 12}, {82, 52}, {18, 52}}));
}

void gabel(QPainter& p, const PictureRenderer&)
{
    p.save();
    p.translate(50, 50);
    p.rotate(25);
    style(p, metal);
    p.drawRoundedRect(QRectF(-6, 4, 12, 46), 6, 6);
    QPainterPath head;
    head.moveTo(-16, -44);
    head.lineTo(-16, -14);
    head.quadTo(-16, 2, -4, 6);
    head.lineTo(4, 6);
    head.quadTo(16, 2, 16, -14);
    head.lineTo(16, -44);
    for (qreal x : {10.5, 2.5, -5.5}) {
        head.lineTo(x + 3, -44);
        head.lineTo(x + 3, -20);
        head.lineTo(x, -20);
        head.lineTo(x, -44);
    }
    head.closeSubpath();
    p.drawPath(head);
    p.restore();
}

void kamin(QPainter& p, const PictureRenderer& emoji)
{
    style(p, QColor(0xc1, 0x69, 0x4f));
    p.drawRect(QRectF(10, 18, 80, 78));
    p.setPen(QPen(QColor(0x8d, 0x3f, 0x2b), 1.2));
    for (int row = 0; row < 8; ++row) {
        const qreal y = 18 + row * 10;
        p.drawLine(QPointF(10, y), QPointF(90, y));
        for (qreal x = 10 + (row % 2) * 8; x < 90; x += 16)
            p.drawLine(QPointF(x, y), QPointF(x, y + 10));
    }
    style(p, darkWood);
    p.drawRect(QRectF(4, 10, 92, 10));
    style(p, QColor(0x21, 0x15, 0x12));
    p.drawPath(archedOpening(QRectF(26, 40, 48, 32), 96));
    emoji.paintEmoji(p, QStringLiteral("🔥"), QRectF(32, 52, 36, 36));
    style(p, darkWood, 1.5);
    p.drawRoundedRect(QRectF(30, 86, 40, 7), 3, 3);
}

void schaufel(QPainter& p, const PictureRenderer&)
{
    p.save();
    p.translate(50, 50);
    p.rotate(-30);
    line(p, {0, -46}, {0, 6}, darkWood, 6);
    line(p, {-9, -46}, {9, -46}, darkWood, 6);
    style(p, QColor(0x90, 0xa4, 0xae));
    QPainterPath blade;
    blade.moveTo(-16, 4);
    blade.lineTo(16, 4);
    blade.lineTo(15, 28);
    blade.quadTo(12, 40, 0, 48);
    blade.quadTo(-12, 40, -15, 28);
    blade.closeSubpath();
    p.drawPath(blade);
    p.restore();
}

void wagen(QPainter& p, const PictureRenderer&)
{
    line(p, {80, 56}, {97, 26}, outline, 4);
    line(p, {92, 26}, {99, 30}, outline, 6);
    style(p, QColor(0xe5, 0x39, 0x35));
    p.drawPolygon(QPolygonF({{10, 40}, {84, 40}, {78, 72}, {16, 72}}));
    p.setPen(QPen(QColor(0xb7, 0x1c, 0x1c), 2));
    p.drawLine(QPointF(12, 51), QPointF(82, 51));
    p.drawLine(QPointF(14, 62), QPointF(80, 62));
    wheel(p, {28, 80}, 12);
    wheel(p, {68, 80}, 12);
}

void kasper(QPainter& p, const PictureRenderer& emoji)
{
    emoji.paintEmoji(p, QStringLiteral("😄"), QRectF(18, 36, 64, 62));
    style(p, QColor(0xe5, 0x39, 0x35));
    QPainterPath cap;
    cap.moveTo(16, 50);
    cap.quadTo(30, 14, 62, 8);
    cap.quadTo(80, 6, 88, 24);
    cap.quadTo(70, 20, 84, 50);
    cap.closeSubpath();
    p.drawPath(cap);
    style(p, QColor(0x43, 0xa0, 0x47));
    p.drawRoundedRect(QRectF(14, 44, 72, 10), 4, 4);
    style(p, QColor(0xff, 0xd5, 0x4f));
    p.drawEllipse(QPointF(88, 27), 6, 6);
    style(p, QColor(0xef, 0x6c, 0x4a), 1.5);
    p.drawEllipse(QPointF(50, 66), 9, 8);
}

void radierer(QPainter& p, const PictureRenderer&)
{
    p.save();
    p.translate(50, 54);
    p.rotate(-30);
    style(p, QColor(0xe5, 0x73, 0x73), 3);
    p.drawRoundedRect(QRectF(-40, -18, 46, 36), 5, 5);
    style(p, QColor(0x64, 0xb5, 0xf6), 3);
    p.drawRoundedRect(QRectF(6, -18, 34, 36), 5, 5);
    p.restore();
}

void muetze(QPainter& p, const PictureRenderer&)
{
    const QColor wool(0x1e, 0x88, 0xe5);
    style(p, wool);
    QPainterPath hat;
    hat.moveTo(14, 74);
    hat.cubicTo(14, 22, 86, 22, 86, 74);
    hat.closeSubpath();
    p.drawPath(hat);
    p.setPen(QPen(QColor(0x15, 0x65, 0xc0), 2));
    for (qreal x : {30.0, 42.0, 54.0, 66.0})
        p.drawLine(QPointF(x, 40), QPointF(x + (x - 50) * 0.15, 72));
    style(p, QColor(0xff, 0xff, 0xff));
    p.drawRoundedRect(QRectF(10, 70, 80, 16), 6, 6);
    style(p, QColor(0xe5, 0x39, 0x35));
    p.drawEllipse(QPointF(50, 22), 11, 11);
}

void film(QPainter& p, const PictureRenderer& emoji)
{
    p.save();
    p.translate(50, 50);
    p.rotate(-15);
    style(p, QColor(0x26, 0x26, 0x26), 2);
    p.drawRect(QRectF(-48, -24, 96, 48));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (qreal x = -44; x < 44; x += 10) {
        p.drawRect(QRectF(x, -21, 5, 5));
        p.drawRect(QRectF(x, 16, 5, 5));
    }
    p.setBrush(QColor(0xff, 0xf8, 0xe1));
    const QString frames[] = {QStringLiteral("🐕"), QStringLiteral("🌳"), QStringLiteral("🚗")};
    for (int i = 0; i < 3; ++i) {
        const QRectF frame(-45 + i * 31, -13, 28, 26);
        p.drawRect(frame);
        emoji.paintEmoji(p, frames[i], frame.adjusted(3, 3, -3, -3));
    }
    p.restore();
}

// A tall ship with three masts on the sea: bigger than the sailing boat of "Segel".
void segelschiff(QPainter& p, const PictureRenderer&)
{
    style(p, QColor(0x4f, 0xc3, 0xf7), 0);
    p.setPen(Qt::NoPen);
    QPainterPath sea;
    sea.moveTo(0, 100);
    sea.lineTo(0, 88);
    for (int i = 0; i < 5; ++i)
        sea.quadTo(10 + i * 20, 82, 20 + i * 20, 88);
    sea.lineTo(100, 100);
    sea.closeSubpath();
    p.drawPath(sea);
    const qreal masts[] = {28, 50, 72};
    const qreal tops[] = {14, 6, 14};
    for (int i = 0; i < 3; ++i)
        line(p, {masts[i], 66}, {masts[i], tops[i]}, darkWood, 3);
    style(p, QColor(0xff, 0xf8, 0xe1), 1.8);
    for (int i = 0; i < 3; ++i) {
        const qreal x = masts[i];
        const qreal top = tops[i] + 5;
        for (const QRectF& sail : {QRectF(x - 9, top, 18, 17), QRectF(x - 11, top + 20, 22, 22)}) {
            QPainterPath billow;
            billow.moveTo(sail.topLeft());
            billow.lineTo(sail.topRight());
            billow.quadTo(sail.right() + 4, sail.center().y(), sail.right(), sail.bottom());
            billow.lineTo(sail.bottomLeft());
            billow.quadTo(sail.left() + 4, sail.center().y(), sail.left(), sail.top());
            p.drawPath(billow);
        }
    }
    style(p, QColor(0xff, 0xf8, 0xe1), 1.8);
    p.drawPolygon(QPolygonF({{76, 22}, {97, 56}, {76, 56}}));
    style(p, QColor(0xe5, 0x39, 0x35), 1.2);
    p.drawPolygon(QPolygonF({{50, 6}, {62, 9}, {50, 12}}));
    style(p, QColor(0x8d, 0x4b, 0x2a));
    p.drawPolygon(QPolygonF({{4, 60}, {96, 56}, {84, 88}, {16, 88}}));
    line(p, {8, 68}, {93, 65}, QColor(0xff, 0xca, 0x28), 3);
    style(p, QColor(0xff, 0xf5, 0x9d), 1.5);
    for (qreal x : {26.0, 42.0, 58.0, 74.0})
        p.drawEllipse(QPointF(x, 77), 3.5, 3.5);
}

// Rain without its cloud (that is "Regenwolke"): drops falling into a puddle.
void regen(QPainter& p, const PictureRenderer& emoji)
{
    const QColor streak(0x90, 0xca, 0xf9);
    style(p, QColor(0xbb, 0xde, 0xfb), 1.5);
    p.setPen(QPen(QColor(0x64, 0xb5, 0xf6), 2));
    p.drawEllipse(QPointF(50, 88), 44, 9);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(36, 88), 10, 3);
    p.drawEllipse(QPointF(66, 87), 8, 2.5);
    const QPointF drops[] = {{10, 4}, {38, 0}, {66, 6}, {88, 2}, {22, 28}, {52, 24},
                             {78, 30}, {6, 50}, {36, 52}, {64, 50}, {90, 54}};
    for (QPointF at : drops) {
        line(p, at + QPointF(1, -2), at + QPointF(-2, 10), streak, 2);
        emoji.paintEmoji(p, QStringLiteral("💧"), QRectF(at + QPointF(-5, 8), QSizeF(12, 16)));
    }
}

// A short jacket with hood and zip, unlike the long coat of "Mantel".
void jacke(QPainter& p, const PictureRenderer&)
{
    const QColor red(0xe5, 0x39, 0x35);
    const QColor dark(0xb7, 0x1c, 0x1c);
    style(p, dark);
    p.drawEllipse(QRectF(32, 4, 36, 28));
    style(p, red);
    p.drawPolygon(QPolygonF({{32, 24}, {16, 36}, {6, 78}, {18, 82}, {27, 50}}));
    p.drawPolygon(QPolygonF({{68, 24}, {84, 36}, {94, 78}, {82, 82}, {73, 50}}));
    QPainterPath body;
    body.moveTo(30, 22);
    body.lineTo(70, 22);
    body.lineTo(74, 84);
    body.lineTo(26, 84);
    body.closeSubpath();
    p.drawPath(body);
    style(p, QColor(0x3e, 0x27, 0x23), 1.5);
    p.drawChord(QRectF(40, 12, 20, 20), 180 * 16, 180 * 16);
    style(p, dark);
    p.drawRect(QRectF(26, 78, 48, 8));
    p.drawPolygon(QPolygonF({{6, 76}, {18, 80}, {16, 86}, {4, 82}}));
    p.drawPolygon(QPolygonF({{94, 76}, {82, 80}, {84, 86}, {96, 82}}));
    line(p, {50, 24}, {50, 84}, QColor(0x42, 0x42, 0x42), 2.5);
    style(p, metal, 1.2);
    p.drawRoundedRect(QRectF(47, 36, 6, 9), 1.5, 1.5);
    line(p, {34, 58}, {42, 66}, dark, 2.5);
    line(p, {66, 58}, {58, 66}, dark, 2.5);
}

// A German school satchel: a box with a flap, a clasp and reflecting strips.
void ranzen(QPainter& p, const PictureRenderer&)
{
    const QColor strip(0xff, 0xeb, 0x3b);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x26, 0x32, 0x38), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(38, 4, 24, 20), 0, 180 * 16);
    style(p, QColor(0x0d, 0x47, 0xa1));
    p.drawPolygon(QPolygonF({{82, 18}, {90, 24}, {90, 90}, {82, 96}}));
    style(p, QColor(0x15, 0x65, 0xc0));
    p.drawRoundedRect(QRectF(14, 14, 70, 82), 10, 10);
    style(p, QColor(0x42, 0xa5, 0xf5));
    QPainterPath flap;
    flap.moveTo(14, 60);
    flap.lineTo(14, 24);
    flap.quadTo(14, 14, 24, 14);
    flap.lineTo(74, 14);
    flap.quadTo(84, 14, 84, 24);
    flap.lineTo(84, 60);
    flap.quadTo(49, 70, 14, 60);
    p.drawPath(flap);
    style(p, strip, 1.2);
    p.drawPolygon(QPolygonF({{16, 44}, {30, 58}, {26, 61}, {16, 51}}));
    p.drawPolygon(QPolygonF({{82, 44}, {68, 58}, {72, 61}, {82, 51}}));
    style(p, QColor(0xff, 0x70, 0x43), 1.5);
    p.drawEllipse(QPointF(49, 36), 10, 10);
    style(p, metal, 2);
    p.drawRoundedRect(QRectF(42, 60, 14, 12), 3, 3);
    style(p, strip, 1.2);
    p.drawRoundedRect(QRectF(24, 84, 50, 5), 2, 2);
}

// A sofa on its own: the sofa emoji has a floor lamp beside it, and "Lampe" is a word too.
void sofa(QPainter& p, const PictureRenderer&)
{
    const QColor blue(0x42, 0xa5, 0xf5);
    const QColor darkBlue(0x1e, 0x88, 0xe5);
    style(p, darkWood);
    p.drawRect(QRectF(14, 82, 6, 10));
    p.drawRect(QRectF(80, 82, 6, 10));
    style(p, blue);
    p.drawRoundedRect(QRectF(14, 28, 72, 38), 8, 8);
    style(p, darkBlue);
    p.drawRoundedRect(QRectF(8, 70, 84, 14), 4, 4);
    style(p, QColor(0x90, 0xca, 0xf9));
    p.drawRoundedRect(QRectF(20, 56, 30, 18), 5, 5);
    p.drawRoundedRect(QRectF(50, 56, 30, 18), 5, 5);
    style(p, darkBlue);
    p.drawRoundedRect(QRectF(4, 46, 18, 38), 7, 7);
    p.drawRoundedRect(QRectF(78, 46, 18, 38), 7, 7);
    p.save();
    p.translate(32, 46);
    p.rotate(-12);
    style(p, QColor(0xff, 0xca, 0x28), 2);
    p.drawRoundedRect(QRectF(-10, -9, 20, 18), 5, 5);
    p.restore();
}

// A garden fence with flowers growing in front of it, unlike the bare fence of "Zaun".
void gartenzaun(QPainter& p, const PictureRenderer& emoji)
{
    zaun(p, emoji);
    emoji.paintEmoji(p, QStringLiteral("🌷"), QRectF(0, 56, 24, 40));
    emoji.paintEmoji(p, QStringLiteral("🌻"), QRectF(36, 50, 28, 46));
    emoji.paintEmoji(p, QStringLiteral("🌷"), QRectF(76, 56, 24, 40));
}

// A garden: lawn, hedge, a tree, a path and a flower bed; not a house (that is "Haus").
void garten(QPainter& p, const PictureRenderer& emoji)
{
    emoji.paintEmoji(p, QStringLiteral("🌳"), QRectF(58, 2, 40, 48));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x81, 0xc7, 0x84));
    p.drawRect(QRectF(0, 44, 100, 56));
    style(p, QColor(0x38, 0x8e, 0x3c), 1.5);
    for (qreal x = 4; x < 60; x += 12)
        p.drawEllipse(QPointF(x, 44), 8, 8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xd7, 0xcc, 0xa1));
    p.drawPolygon(QPolygonF({{72, 100}, {96, 100}, {80, 48}, {74, 48}}));
    style(p, QColor(0x8d, 0x6e, 0x63), 1.5);
    p.drawRoundedRect(QRectF(4, 76, 60, 18), 8, 8);
    for (int i = 0; i < 4; ++i)
        emoji.paintEmoji(p, QStringLiteral("🌷"), QRectF(6 + i * 14, 56, 14, 28));
}

// A cinema: a film on the screen, curtains, rows of seats with people, and popcorn.
void kino(QPainter& p, const PictureRenderer& emoji)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x26, 0x23, 0x3a));
    p.drawRoundedRect(QRectF(2, 2, 96, 96), 6, 6);
    p.setBrush(QColor(0xe3, 0xf2, 0xfd));
    p.drawRect(QRectF(16, 10, 68, 40));
    emoji.paintEmoji(p, QStringLiteral("🦕"), QRectF(30, 12, 40, 36));
    const QColor curtain(0xc6, 0x28, 0x28);
    style(p, curtain, 1.5);
    p.drawPolygon(QPolygonF({{2, 4}, {22, 4}, {16, 56}, {2, 60}}));
    p.drawPolygon(QPolygonF({{98, 4}, {78, 4}, {84, 56}, {98, 60}}));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x8d, 0x6e, 0x63));
    for (qreal x : {22.0, 42.0, 62.0})
        p.drawEllipse(QPointF(x, 62), 6, 7);
    style(p, QColor(0xb7, 0x1c, 0x1c), 1.2);
    for (qreal y : {66.0, 82.0}) {
        for (qreal x = 6; x < 90; x += 20)
            p.drawRoundedRect(QRectF(x, y, 16, 13), 3, 3);
    }
    emoji.paintEmoji(p, QStringLiteral("🍿"), QRectF(70, 66, 28, 32));
}

// A note with a number written on it; the caller puts the telephone in front.
void telefonnummer(QPainter& p, const PictureRenderer&)
{
    p.save();
    p.translate(46, 42);
    p.rotate(-6);
    style(p, QColor(0xff, 0xf9, 0xc4), 2);
    p.drawRect(QRectF(-40, -38, 80, 76));
    p.setPen(QPen(QColor(0x90, 0xca, 0xf9), 1));
    for (qreal y : {-12.0, 12.0, 34.0})
        p.drawLine(QPointF(-36, y), QPointF(36, y));
    QFont pen(QStringLiteral("Liberation Sans"));
    pen.setPixelSize(22);
    pen.setBold(true);
    p.setFont(pen);
    p.setPen(QColor(0x1a, 0x23, 0x7e));
    p.drawText(QRectF(-40, -36, 80, 24), Qt::AlignCenter, QStringLiteral("12 34"));
    p.drawText(QRectF(-40, -12, 80, 24), Qt::AlignCenter, QStringLiteral("56 78"));
    p.restore();
}

const std::map<QString, Draw>& pictograms()
{
    static const std::map<QString, Draw> all = {
        {QStringLiteral("kinderwagen"), kinderwagen},   {QStringLiteral("buegeleisen"), buegeleisen},
        {QStringLiteral("hundehuette"), hundehuette},   {QStringLiteral("kleiderbuegel"), kleiderbuegel},
        {QStringLiteral("naehmaschine"), naehmaschine}, {QStringLiteral("vogelkaefig"), vogelkaefig},
        {QStringLiteral("waescheleine"), waescheleine}, {QStringLiteral("indianer"), indianer},
        {QStringLiteral("waschmaschine"), waschmaschine}, {QStringLiteral("iglu"), iglu},
        {QStringLiteral("vogelhaus"), vogelhaus},       {QStringLiteral("windmuehle"), windmuehle},
        {QStringLiteral("giesskanne"), giesskanne},     {QStringLiteral("apfelbaum"), apfelbaum},
        {QStringLiteral("zaun"), zaun},                 {QStringLiteral("ofen"), ofen},
        {QStringLiteral("tisch"), tisch},               {QStringLiteral("tafel"), tafel},
        {QStringLiteral("ast"), ast},                   {QStringLiteral("nagel"), nagel},
        {QStringLiteral("schaukel"), schaukel},         {QStringLiteral("lampe"), lampe},
        {QStringLiteral("gabel"), gabel},               {QStringLiteral("kamin"), kamin},
        {QStringLiteral("schaufel"), schaufel},         {QStringLiteral("wagen"), wagen},
        {QStringLiteral("kasper"), kasper},             {QStringLiteral("radierer"), radierer},
        {QStringLiteral("muetze"), muetze},             {QStringLiteral("film"), film},
        {QStringLiteral("segelschiff"), segelschiff},   {QStringLiteral("regen"), regen},
        {QStringLiteral("jacke"), jacke},               {QStringLiteral("ranzen"), ranzen},
        {QStringLiteral("sofa"), sofa},                 {QStringLiteral("gartenzaun"), gartenzaun},
        {QStringLiteral("garten"), garten},             {QStringLiteral("kino"), kino},
        {QStringLiteral("telefonnummer"), telefonnummer},
    };
    return all;
}

} // namespace

void paintPictogram(QPainter& painter, const QString& name, const PictureRenderer& emoji)
{
    const auto found = pictograms().find(name);
    if (found == pictograms().end())
        throw std::runtime_error("no pictogram named " + name.toStdString());
    painter.save();
    found->second(painter, emoji);
    painter.restore();
}
