// Small flags for the seventeen interface languages, 16 × 16 with the flag
// itself 16 × 11 in the middle, transparent above and below.
#include "PictureSet.h"
#include "Style.h"

#include <QPainterPath>
#include <cmath>
#include <functional>

namespace {

const QRectF area(0, 2.5, 16, 11);

void stripes(QPainter& p, std::initializer_list<QColor> colours, bool vertical)
{
    const int n = int(colours.size());
    int i = 0;
    for (const QColor& c : colours) {
        const QRectF r = vertical
            ? QRectF(area.left() + area.width() * i / n, area.top(), area.width() / n, area.height())
            : QRectF(area.left(), area.top() + area.height() * i / n, area.width(), area.height() / n);
        p.fillRect(r, c);
        ++i;
    }
}

void nordicCross(QPainter& p, const QColor& field, const QColor& cross, const QColor& inner = QColor())
{
    p.fillRect(area, field);
    const qreal x = 5, y = area.top() + area.height() / 2;
    p.fillRect(QRectF(x - 1.5, area.top(), 3, area.height()), cross);
    p.fillRect(QRectF(0, y - 1.5, 16, 3), cross);
    if (inner.isValid()) {
        p.fillRect(QRectF(x - 0.75, area.top(), 1.5, area.height()), inner);
        p.fillRect(QRectF(0, y - 0.75, 16, 1.5), inner);
    }
}

void star(QPainter& p, QPointF c, qreal r, const QColor& colour)
{
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const double a = -3.14159265358979 / 2 + i * 3.14159265358979 / 5;
        const qreal rr = i % 2 ? r * 0.42 : r;
        const QPointF pt = c + QPointF(std::cos(a) * rr, std::sin(a) * rr);
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    p.fillPath(path, colour);
}

const QColor red(206, 32, 41), blue(0, 57, 166), white(250, 250, 250), yellow(255, 204, 0);
const QColor green(0, 122, 61), black(20, 20, 20), darkBlue(0, 36, 125);

QImage flag(const std::function<void(QPainter&)>& draw)
{
    QImage image = look::strip(16, 16, 1);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setClipRect(area);
    draw(p);
    p.setClipping(false);
    p.setPen(QPen(QColor(0, 0, 0, 110), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(area.adjusted(0.5, 0.5, -0.5, -0.5));
    return image;
}

} // namespace

void drawFlags(PictureSet& set)
{
    const QPointF mid = area.center();
    set.save("flags/gb.png", flag([&](QPainter& p) {
                 p.fillRect(area, darkBlue);
                 p.setPen(QPen(white, 3));
                 p.drawLine(area.topLeft(), area.bottomRight());
                 p.drawLine(area.bottomLeft(), area.topRight());
                 p.setPen(QPen(red, 1));
                 p.drawLine(area.topLeft(), area.bottomRight());
                 p.drawLine(area.bottomLeft(), area.topRight());
                 p.fillRect(QRectF(6, area.top(), 4, area.height()), white);
                 p.fillRect(QRectF(0, mid.y() - 2, 16, 4), white);
                 p.fillRect(QRectF(7, area.top(), 2, area.height()), red);
                 p.fillRect(QRectF(0, mid.y() - 1, 16, 2), red);
             }));
    set.save("flags/fr.png", flag([](QPainter& p) { stripes(p, {blue, white, red}, true); }));
    set.save("flags/de.png", flag([](QPainter& p) { stripes(p, {black, red, yellow}, false); }));
    set.save("flags/it.png", flag([](QPainter& p) { stripes(p, {green, white, red}, true); }));
    set.save("flags/nl.png", flag([](QPainter& p) {
                 stripes(p, {QColor(174, 28, 40), white, QColor(33, 70, 139)}, false);
             }));
    set.save("flags/dk.png", flag([](QPainter& p) { nordicCross(p, red, white); }));
    set.save("flags/fi.png", flag([](QPainter& p) { nordicCross(p, white, QColor(0, 47, 108)); }));
    set.save("flags/no.png", flag([](QPainter& p) { nordicCross(p, red, white, darkBlue); }));
    set.save("flags/se.png", flag([](QPainter& p) { nordicCross(p, QColor(0, 106, 167), yellow); }));
    set.save("flags/pt.png", flag([&](QPainter& p) {
                 p.fillRect(area, red);
                 p.fillRect(QRectF(0, area.top(), 6.4, area.height()), QColor(0, 102, 0));
                 p.setPen(QPen(yellow, 1.2));
                 p.setBrush(Qt::NoBrush);
                 p.drawEllipse(QPointF(6.4, mid.y()), 2.6, 2.6);
             }));
    set.save("flags/es.png", flag([&](QPainter& p) {
                 p.fillRect(area, QColor(170, 21, 27));
                 p.fillRect(QRectF(0, area.top() + area.height() / 4, 16, area.height() / 2), QColor(241, 191, 0));
             }));
    set.save("flags/pl.png", flag([](QPainter& p) { stripes(p, {white, QColor(220, 20, 60)}, false); }));
    set.save("flags/ru.png", flag([](QPainter& p) {
                 stripes(p, {white, QColor(0, 57, 166), QColor(213, 43, 30)}, false);
             }));
    set.save("flags/jp.png", flag([&](QPainter& p) {
                 p.fillRect(area, white);
                 p.setPen(Qt::NoPen);
                 p.setBrush(QColor(188, 0, 45));
                 p.drawEllipse(mid, 3.2, 3.2);
             }));
    set.save("flags/cn.png", flag([&](QPainter& p) {
                 p.fillRect(area, QColor(222, 41, 16));
                 star(p, QPointF(3.8, area.top() + 3.2), 2.4, yellow);
                 for (QPointF c : {QPointF(7, 3.8), QPointF(8, 5.6), QPointF(8, 7.8), QPointF(7, 9.5)})
                     star(p, c + QPointF(0, area.top() - 2.5), 0.8, yellow);
             }));
    set.save("flags/kr.png", flag([&](QPainter& p) {
                 p.fillRect(area, white);
                 p.setPen(Qt::NoPen);
                 p.setBrush(QColor(205, 46, 58));
                 p.drawPie(QRectF(mid.x() - 3, mid.y() - 3, 6, 6), 0, 180 * 16);
                 p.setBrush(QColor(0, 71, 160));
                 p.drawPie(QRectF(mid.x() - 3, mid.y() - 3, 6, 6), 0, -180 * 16);
                 p.setPen(QPen(black, 0.9));
                 for (QPointF c : {QPointF(2.5, area.top() + 2), QPointF(13.5, area.top() + 2),
                                   QPointF(2.5, area.bottom() - 2), QPointF(13.5, area.bottom() - 2)}) {
                     p.drawLine(c + QPointF(-1.2, -0.8), c + QPointF(1.2, 0.8));
                     p.drawLine(c + QPointF(-1.6, 0.2), c + QPointF(0.8, 1.8));
                 }
             }));
    set.save("flags/in.png", flag([&](QPainter& p) {
                 stripes(p, {QColor(255, 153, 51), white, QColor(19, 136, 8)}, false);
                 p.setPen(QPen(QColor(0, 0, 128), 0.8));
                 p.setBrush(Qt::NoBrush);
                 p.drawEllipse(mid, 1.6, 1.6);
             }));
}
