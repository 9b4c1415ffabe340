#include "SSSPlot.h"

#include "DesignFont.h"
#include "PointerGesture.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWheelEvent>

#include <cmath>

namespace {
const QSize captionSize(30, 17);
const int captionBaseline = 12;
const int percentageY = 13;
const float fadeStep = 0.04f;
// 25 steps of 0.04 in single precision land within this of 0 or 1.
const float fadeEnd = 1e-4f;
} // namespace

// ---- Captions ---------------------------------------------------------------------

SSSWidget::SSSWidget(QWidget* parent, QString text) : QWidget(parent), labelText(std::move(text))
{
    setFixedSize(captionSize);
}

void SSSWidget::paintCaption(bool bold)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(50, 50, 50, 100));
    painter.setOpacity(labelOpacity);
    painter.setPen(QPen(QColor(27, 27, 27), 2));
    painter.drawRoundedRect(QRectF(2, 2, width() - 4, height() - 4), 5, 5);

    const QFont captionFont = designFont(QStringLiteral("Arial"), 10, bold ? QFont::Bold : QFont::Normal);
    setFont(captionFont);
    painter.setFont(captionFont);
    painter.setPen(QPen(QColor(195, 195, 195), 3));
    const int textWidth = QFontMetrics(captionFont).horizontalAdvance(labelText);
    painter.drawText(width() / 2 - textWidth / 2, captionBaseline, labelText);
}

void SSSWidget::paintEvent(QPaintEvent*)
{
    paintCaption(true);
}

LRPerCentWidget::LRPerCentWidget(QWidget* parent, QString text)
    : SSSWidget(parent, std::move(text)), fadeTimer(new QTimer(this)), hideTimer(new QTimer(this))
{
    fadeTimer->setInterval(fadeStepMs);
    hideTimer->setInterval(holdMs);
    connect(fadeTimer, &QTimer::timeout, this, &LRPerCentWidget::flashUpdate);
    connect(hideTimer, &QTimer::timeout, this, &LRPerCentWidget::stopHideTimer);
}

void LRPerCentWidget::setOpacity(float opacity)
{
    labelOpacity = opacity;
}

bool LRPerCentWidget::fadeRunning() const
{
    return fadeTimer->isActive();
}

bool LRPerCentWidget::holdRunning() const
{
    return hideTimer->isActive();
}

void LRPerCentWidget::setPercentage(int pc)
{
    if (labelOpacity == 0.0f)
        fadeTimer->start();
    // A fade-out in progress turns round.
    fadingInNow = true;
    hideTimer->start();
    labelText = QString::number(pc * 2) + QLatin1Char('%');
}

void LRPerCentWidget::stopHideTimer()
{
    fadingInNow = false;
    fadeTimer->start();
    hideTimer->stop();
}

void LRPerCentWidget::flashUpdate()
{
    if (fadingInNow) {
        labelOpacity += fadeStep;
        if (labelOpacity >= 1.0f - fadeEnd) {
            labelOpacity = 1.0f;
            fadeTimer->stop();
        }
    } else {
        labelOpacity -= fadeStep;
        if (labelOpacity <= fadeEnd) {
            labelOpacity = 0.0f;
            fadeTimer->stop();
        }
    }
    update();
}

void LRPerCentWidget::paintEvent(QPaintEvent*)
{
    paintCaption(false);
}

// ---- The display ------------------------------------------------------------------------

SSSPlot::SSSPlot(QWidget* parent) : QWidget(parent), repaintTimer(new QTimer(this))
{
    repaintTimer->setInterval(repaintMs);
    connect(repaintTimer, &QTimer::timeout, this, qOverload<>(&SSSPlot::update));

    leftPerCent = new LRPerCentWidget(this, QStringLiteral("0"));
    rightPerCent = new LRPerCentWidget(this, QStringLiteral("0"));
    leftPerCent->setOpacity(0.0f);
    rightPerCent->setOpacity(0.0f);
    captions[0] = new SSSWidget(this, QStringLiteral("L"));
    captions[1] = new SSSWidget(this, QStringLiteral("C"));
    captions[2] = new SSSWidget(this, QStringLiteral("R"));

    setFixedSize(plotWidth, plotHeight);
    placeLabels();
}

SSSWidget* SSSPlot::caption(int index) const
{
    return captions[index];
}

SSSPlot::Shape SSSPlot::shape() const
{
    Shape s;
    s.width = width();
    s.height = height();
    s.azimuth = azimuth;
    s.bandWidth = bandWidth;
    s.suppression = suppression;
    s.solo = solo;
    return s;
}

bool SSSPlot::repainting() const
{
    return repaintTimer->isActive();
}

void SSSPlot::setSupressionFactor(int supFactor)
{
    suppression = float(99 - supFactor) / 99.0f;
}

void SSSPlot::setAzimuth(int value)
{
    azimuth = value;
}

void SSSPlot::setWidth(int rangeWidth)
{
    bandWidth = int(float(rangeWidth) * (float(width()) / 99.0f) * 0.5f);
}

void SSSPlot::setMuteSolo(bool mute)
{
    solo = mute;
}

void SSSPlot::turnOn(bool on)
{
    if (on)
        repaintTimer->stop();
    else
        repaintTimer->start();
    update();
}

SSSPlot::Polygons SSSPlot::polygonsFor(const QVector<QPointF>& curve, const Shape& shape)
{
    Polygons p;
    const int n = curve.size();
    if (n == 0)
        return p;
    const float w = float(shape.width);
    const double h = double(shape.height);
    const float ax = float(shape.azimuth) * (w / 99.0f);
    const float half = float(shape.bandWidth / 2);
    const float step = w / float(n);

    p.whole.reserve(n);
    p.heard.reserve(n);
    for (int i = 0; i < n; ++i) {
        const float x = float(i) * step;
        const double y = curve[i].y();
        p.whole.append(QPointF(x, float(h - y * h)));
        const bool attenuated = shape.solo ? (x < ax - half || x > ax + half) : (ax - half < x && x < ax + half);
        if (!attenuated)
            p.heard.append(QPointF(x, float(h - y * h)));
        else if (shape.suppression != 0.0f)
            p.heard.append(QPointF(x, float(h - h * double(shape.suppression) * y)));
        else
            p.heard.append(QPointF(x, h + 1.0)); // just below the picture
    }
    // Closed along the bottom. The last x is the index, past the right
    // edge: the closing edge is clipped.
    const double bottom = h + 1.0;
    p.whole[0] = QPointF(0, bottom);
    p.whole[n - 1] = QPointF(n - 1, bottom);
    p.heard[0] = QPointF(-1, bottom);
    p.heard[n - 1] = QPointF(n - 1, bottom);
    return p;
}

void SSSPlot::showLabels(bool shown)
{
    for (SSSWidget* label : captions)
        label->setVisible(shown);
    leftPerCent->setVisible(shown);
    rightPerCent->setVisible(shown);
}

void SSSPlot::placeLabels()
{
    const int w = width();
    captions[0]->move(0, 0);
    captions[1]->move(w / 2 - captionSize.width() / 2, 0);
    captions[2]->move(w - captionSize.width(), 0);
    rightPerCent->move(w - captionSize.width(), percentageY);
    leftPerCent->move(0, percentageY);
}

void SSSPlot::resizeEvent(QResizeEvent*)
{
    placeLabels();
}

void SSSPlot::mousePressEvent(QMouseEvent* event)
{
    if (isResetGesture(*event))
        emit setPlotScale(0);
}

void SSSPlot::wheelEvent(QWheelEvent* event)
{
    emit setPlotScale(event->angleDelta().y());
}

void SSSPlot::paintEvent(QPaintEvent*)
{
    // 1. The player's curve; none while isolation is off.
    curve = emit getCurve();
    if (curve.isEmpty()) {
        showLabels(false);
        return;
    }
    if (captions[0]->isHidden())
        showLabels(true);

    // 2. Both outlines, whole under heard.
    const Shape s = shape();
    const Polygons polygons = polygonsFor(curve, s);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int centre = s.width / 2;
    QLinearGradient wholeFill(centre, 0, centre, 1.5 * s.height);
    wholeFill.setColorAt(0, QColor(50, 50, 50));
    wholeFill.setColorAt(1, Qt::black);
    painter.setBrush(wholeFill);
    painter.setPen(QColor(175, 100, 30, 50));
    painter.drawPolygon(polygons.whole, Qt::OddEvenFill);

    QLinearGradient heardFill(centre, 0, centre, 1.5 * s.height);
    heardFill.setColorAt(0, QColor(255, 150, 60));
    heardFill.setColorAt(1, Qt::black);
    painter.setBrush(heardFill);
    painter.setPen(QColor(175, 100, 30));
    painter.drawPolygon(polygons.heard, Qt::OddEvenFill);

    // 3. The band and the azimuth line.
    const float ax = float(s.azimuth) * (float(s.width) / 99.0f);
    const float half = float(s.bandWidth / 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(100, 220, 150, 15));
    painter.drawRect(QRect(int(ax - half), 0, s.bandWidth, s.height));
    painter.setPen(QColor(70, 160, 110, 150));
    painter.drawLine(int(ax), 0, int(ax), s.height);
}
